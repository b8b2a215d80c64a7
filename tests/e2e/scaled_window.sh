#!/usr/bin/env bash
# At every scale from 1 to 2 (whole and fractional, set for the application
# or for the screen) the main window opens with its whole frame, title bar
# included, on a full-HD screen, and the last navigation button (分析统计)
# is drawn inside the window. Each page's image at each scale is kept for a
# look by eye in ${E2E_SHOTS:-$TMPDIR/orvyn-scaled}.
source "$(dirname "$0")/lib.sh"
orvyn=$1
shots=${E2E_SHOTS:-${TMPDIR:-/tmp}/orvyn-scaled}
mkdir -p "$shots"

# A car with a refuelling, so that every page is there to be shown.
printf '\xef\xbb\xbf车辆,当前车辆\r\n测试车,是\r\n' >"$E2E_HOME/cars.csv"
"$orvyn" --import "$E2E_HOME/cars.csv" >/dev/null || fail "the car could not be made"
title="Qinmo【测试车】"

root=$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
read -r screen_w screen_h <<<"$root"

# "NAME SCALE VARIABLE=VALUE": the scale the window's pixels have on screen.
for setting_row in "app2 2 QT_SCALE_FACTOR=2" "app1.5 1.5 QT_SCALE_FACTOR=1.5" \
  "screen1.5 1.5 QT_SCREEN_SCALE_FACTORS=1.5" "screen1.25 1.25 QT_SCREEN_SCALE_FACTORS=1.25" \
  "plain 1 QT_SCALE_FACTOR=1"; do
  read -r name scale setting <<<"$setting_row"
  env "$setting" "$orvyn" /nopassword &
  ORVYN_PID=$!
  wait_for_wm
  main=$(wait_for_window "$title")

  # The frame's extents, once the window manager has put them on the window.
  extents=
  for _ in $(seq 1 150); do
    extents=$(xprop -id "$main" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*' || true)
    [ -n "$extents" ] && break
    sleep 0.2
  done
  [ -n "$extents" ] || fail "$name: the window manager gives no frame extents"
  IFS=', ' read -r left right top bottom <<<"$extents"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  frame="$((X - left)),$((Y - top)) $((WIDTH + left + right))x$((HEIGHT + top + bottom))"
  if [ $((X - left)) -lt 0 ] || [ $((Y - top)) -lt 0 ] ||
    [ $((X + WIDTH + right)) -gt "$screen_w" ] || [ $((Y + HEIGHT + bottom)) -gt "$screen_h" ]; then
    keep_screen "scaled_window_$name"
    fail "$name: the frame $frame leaves the ${screen_w}x${screen_h} screen"
  fi

  # Every page in turn; on the last, its button's caption turns red in the
  # navigation panel, below the photo panel (the car's red name).
  focus_window "$main"
  for page in 1 2 3 4 5 6 7 8 9; do
    xdotool key --window "$main" "ctrl+$page"
    screen save "$shots/${name}_page$page.png" || true
  done
  panel_x=$X
  panel_y=$((Y + $(awk -v s="$scale" 'BEGIN { printf "%d", 160 * s }')))
  panel_w=$(awk -v s="$scale" 'BEGIN { printf "%d", 160 * s }')
  panel_h=$((Y + HEIGHT - panel_y))
  red=
  for _ in $(seq 1 150); do
    red=$(screen count "$panel_x" "$panel_y" "$panel_w" "$panel_h" | awk '$1 == "ff0000" { print $2 }')
    [ -n "$red" ] && break
    sleep 0.2
  done
  if [ -z "$red" ]; then
    keep_screen "scaled_window_$name"
    fail "$name: the button of the last page is not drawn inside the window"
  fi
  screen save "$shots/${name}_page9.png" || true
  close_program "$main"
  echo "$name: frame $frame, the last page's button shown"
done
