#!/usr/bin/env bash
# Scaled twice (QT_SCALE_FACTOR=2), the main window opens with its whole frame,
# title bar included, on the screen.
source "$(dirname "$0")/lib.sh"
orvyn=$1
export QT_SCALE_FACTOR=2

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")
eval "$(xdotool getwindowgeometry --shell "$main")"
root=$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
read -r screen_w screen_h <<<"$root"

# The frame's extents, once the window manager has put them on the window.
extents=
for _ in $(seq 1 150); do
  extents=$(xprop -id "$main" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*' || true)
  [ -n "$extents" ] && break
  sleep 0.2
done
[ -n "$extents" ] || fail "the window manager gives no frame extents"
IFS=', ' read -r left right top bottom <<<"$extents"
eval "$(xdotool getwindowgeometry --shell "$main")"

frame="$((X - left)),$((Y - top)) $((WIDTH + left + right))x$((HEIGHT + top + bottom))"
if [ $((X - left)) -lt 0 ] || [ $((Y - top)) -lt 0 ] ||
  [ $((X + WIDTH + right)) -gt "$screen_w" ] || [ $((Y + HEIGHT + bottom)) -gt "$screen_h" ]; then
  keep_screen scaled_window
  fail "the frame $frame leaves the ${screen_w}x${screen_h} screen"
fi
close_program "$main"
echo "scaled window: ok ($frame)"
