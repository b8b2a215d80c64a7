#!/usr/bin/env bash
# A second start while the program runs, its window minimised: the second copy
# says "程序已经运行！" in a box wide enough for its title and text, and once
# that is answered the first copy's window is back from the task bar and active.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")
focus_window "$main"
xdotool windowminimize --sync "$main"
for _ in $(seq 1 150); do
  [ "$(xdotool getactivewindow 2>/dev/null || true)" != "$main" ] && break
  sleep 0.2
done

"$orvyn" /nopassword &
second=$!
trap 'kill "$second" 2>/dev/null || true; e2e_cleanup' EXIT
box=
for _ in $(seq 1 300); do
  box=$(find_box)
  [ -n "$box" ] && break
  kill -0 "$second" 2>/dev/null || fail "the second copy ended without a message"
  sleep 0.2
done
[ -n "$box" ] || fail "no message from the second copy"
# Its final size (it is laid out as it is mapped).
for _ in $(seq 1 50); do
  eval "$(xdotool getwindowgeometry --shell "$box")"
  [ "$WIDTH" -ge 360 ] && break
  sleep 0.1
done
[ "$WIDTH" -ge 360 ] || { keep_screen second_start; fail "the box is only $WIDTH pixels wide"; }
focus_window "$box"
xdotool key Return

for _ in $(seq 1 300); do
  kill -0 "$second" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$second" 2>/dev/null && fail "the second copy still runs"
status=0
wait "$second" || status=$?
[ "$status" = 1 ] || fail "the second copy ended with exit status $status"
active=
for _ in $(seq 1 150); do
  active=$(xdotool getactivewindow 2>/dev/null || true)
  [ "$active" = "$main" ] && break
  sleep 0.2
done
[ "$active" = "$main" ] || { describe_screen; fail "active window $active, not the main window $main"; }
xdotool search --onlyvisible --name '^Qinmo【' | grep -qx "$main" || fail "the main window is not shown"

close_program "$main"
[ ! -e "$E2E_HOME/OrvynSingleInstance.socket" ] || fail "the socket stays after the program ended"
echo "second start: ok"
