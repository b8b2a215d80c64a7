#!/usr/bin/env bash
# The English interface under an English locale, as a new user meets it: the
# first car made from the welcome, a refuelling typed into its ledger, every
# page and every menu opened; what a screen reader reads holds no Chinese
# except the stored data. Runs inside dbus-run-session.
source "$(dirname "$0")/lib.sh"
orvyn=$1
export LANG=en_US.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
reader="/usr/bin/python3 $(dirname "$0")/english_texts.py"
BUS_PID=
english_cleanup() {
  [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null || true
  e2e_cleanup
}
trap english_cleanup EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
BUS_PID=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# No Chinese on the screen once the text given is shown.
expect_english() {
  local where=$1 found
  shift
  found=$($reader check "$@")
  [ "$found" = none ] || { keep_screen english; fail "Chinese $where: $found"; }
}

name="Civic"
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo - Choose or add a car")
expect_english "at the first start" --wait "Add the first car"

focus_window "$main"
xdotool key space
sheet=$(wait_for_window "Settings")
focus_window "$sheet"
xdotool type --delay 60 "$name"
xdotool key Return
wait_for_window "Settings - $name" >/dev/null
expect_sql "select CarID, Name, Used from CarList;" "CAR0001|$name|YES"
expect_english "in the settings" --wait "Cars" "$name"
wmctrl -i -c "$sheet"
wait_for_window "Qinmo - $name" >/dev/null

focus_window "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The navigation buttons, top to bottom, each with a text only its page shows.
pages=(
  "171 Summary"
  "212 Refuelling [Total"
  "253 Repairs [Total"
  "294 Maintenance [Total"
  "335 Accidents [Total"
  "376 Daily costs [Total"
  "417 Accessories [Total"
  "458 Log entry"
  "499 Bar chart"
)
for page in "${pages[@]}"; do
  y=${page%% *}
  marker=${page#* }
  xdotool mousemove $((X + 90)) $((Y + y)) click 1
  expect_english "on the page of \"$marker\"" --wait "$marker" "$name"
done

# A refuelling typed into the new-record row: amount, Tab, price, Enter.
xdotool mousemove $((X + 90)) $((Y + 212)) click 1
expect_english "on the refuelling page" --wait "Refuelling [Total" "$name"
read -r cx cy <<<"$($reader cell Amount)"
[ -n "$cy" ] || fail "no amount cell in the refuelling grid"
xdotool mousemove "$cx" "$cy" click --repeat 2 --delay 100 1
sleep 0.3
xdotool type --delay 50 "250"
xdotool key Tab
xdotool type --delay 50 "8.1"
xdotool key Return
expect_sql "select CarID, RecID, Amount, Price from Refuel;" "CAR0001|0000001|250.0|8.1"
expect_english "after the refuelling" --wait "250.00" "$name"

# Every menu of the menu bar, opened from the first one with Right.
focus_window "$main"
xdotool mousemove --window "$main" 20 10 click 1
for _ in 1 2 3 4 5; do
  expect_english "in a menu" "$name"
  xdotool key Right
done
xdotool key Escape Escape

close_program "$main"
echo "english: ok"
