#!/usr/bin/env bash
# A newer version announced on a loopback update page: with the start-up
# check on, the tip "升级提示" slides up above the bottom-right corner at the
# first reminder minute and goes with "我知道啦!"; "帮助" → "检查新版本" then
# asks to download, reusing the version already read, and OK opens the page.
source "$(dirname "$0")/../e2e/lib.sh"
orvyn=$1
page_server=$2

WORK=$(mktemp -d)
SERVER_PID=
cleanup() {
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
  rm -rf "$WORK"
  e2e_cleanup
}
trap cleanup EXIT

# The browser: a stand-in that notes the address it is given.
mkdir "$WORK/bin"
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$WORK" > "$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"

echo '<html><body>版本 -----> [orvynQrA0.9,orvynQrV1.2.09,x]</body></html>' > "$WORK/page.html"
"$page_server" "$WORK/page.html" > "$WORK/url" 2> "$WORK/requests" &
SERVER_PID=$!
for _ in $(seq 1 100); do
  [ -s "$WORK/url" ] && break
  sleep 0.1
done
[ -s "$WORK/url" ] || fail "the page server did not start"
export ORVYN_UPDATE_URL=$(head -n 1 "$WORK/url")

# The start-up check is on: odometer mask 63, AutoCheckUpdate 1.
mkdir -p "$E2E_HOME/config"
printf '\x3f\x00\x00\x00\x01\x00\x00\x00' > "$E2E_HOME/config/sysfile.cfg"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")

# Timer 2 queues the notice within 10 s, timer 1 shows it at the first minute.
tip=
for _ in $(seq 1 600); do
  tip=$(xdotool search --onlyvisible --name '^升级提示$' 2>/dev/null | head -n 1 || true)
  [ -n "$tip" ] && break
  kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended before showing the tip"
  sleep 0.2
done
[ -n "$tip" ] || { describe_screen; fail "no tip within two minutes"; }

# It rises 108 pixels above the bottom of the 1280 x 1024 work area.
for _ in $(seq 1 100); do
  eval "$(xdotool getwindowgeometry --shell "$tip")"
  [ "$Y" = 916 ] && break
  sleep 0.1
done
[ "$WIDTH" = 193 ] && [ "$HEIGHT" = 107 ] || fail "tip is ${WIDTH}x${HEIGHT}, expected 193x107"
[ "$X" = 1085 ] && [ "$Y" = 916 ] || fail "tip stands at $X,$Y, expected 1085,916"

# "我知道啦!" lies at (114, 10), 77 x 21.
xdotool mousemove --window "$tip" 152 20 click 1
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^升级提示$' >/dev/null 2>&1 || break
  sleep 0.1
done
! xdotool search --onlyvisible --name '^升级提示$' >/dev/null 2>&1 || fail "the tip stayed after 我知道啦!"

# "帮助" is the third menu right of "设置" (after "编辑" and "数据"); going up
# from its first item wraps round to its last, "检查新版本".
focus_window "$main"
box=
for _ in 1 2 3; do
  xdotool mousemove --window "$main" 20 10 click 1
  sleep 0.5
  xdotool key Right Right Right
  sleep 0.3
  xdotool key Up Return
  for _ in $(seq 1 25); do
    box=$(find_box)
    [ -n "$box" ] && break 2
    sleep 0.2
  done
  xdotool key Escape Escape
done
[ -n "$box" ] || fail "检查新版本 gave no message"
focus_window "$box"
xdotool key Return # OK: download
for _ in $(seq 1 100); do
  [ -s "$WORK/opened" ] && break
  sleep 0.1
done
[ "$(cat "$WORK/opened" 2>/dev/null)" = "$ORVYN_UPDATE_URL" ] ||
  fail "opened '$(cat "$WORK/opened" 2>/dev/null)', expected the update page"
[ "$(grep -c request "$WORK/requests")" = 1 ] ||
  fail "the page was read $(grep -c request "$WORK/requests") times, expected once"

close_program "$main"
echo "update check: ok"
