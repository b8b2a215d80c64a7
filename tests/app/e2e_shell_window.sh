#!/usr/bin/env bash
# The main window under a real X server: placed for a 1280 x 1024 screen, the
# close question refused and then confirmed, sysfile.cfg written at the close.
source "$(dirname "$0")/../e2e/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
id=$(wait_for_window "Qinmo【请选择或创建管理车辆】")

eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$WIDTH" = 900 ] && [ "$HEIGHT" = 800 ] || fail "window is ${WIDTH}x${HEIGHT}, expected 900x800"

# Answers the close question with a key.
answer_close_question() {
  local box
  box=$(request_close "$id")
  focus_window "$box"
  xdotool key "$1"
}

answer_close_question Escape
for _ in $(seq 1 100); do
  [ -z "$(find_box)" ] && break
  sleep 0.2
done
kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended although the close was refused"
[ ! -e "$E2E_HOME/config/sysfile.cfg" ] || fail "sysfile.cfg written by a refused close"

answer_close_question Return
wait_for_exit

bytes=$(od -An -v -tx1 "$E2E_HOME/config/sysfile.cfg" | tr -d ' \n')
[ "$bytes" = "3f00000000000000" ] || fail "sysfile.cfg holds '$bytes', expected 63 and 0"
[ "$(stat -c %s "$E2E_HOME/config/chart.cfg")" = 16 ] || fail "chart.cfg is not 16 bytes"
echo "shell window: ok"
