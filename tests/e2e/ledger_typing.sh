#!/usr/bin/env bash
# Typing into the refuelling ledger of the real window: a first start makes the
# ledger, a car is made current, then an amount and a price typed into the
# new-record row are in the file as soon as their editors close.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values ('CAR0001', '测试车', 'YES', '', '');" \
  >/dev/null || fail "cannot add the car"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【测试车】")
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
sleep 0.3
# Positions in the window's client area (its menu bar at the top), clicked as
# real input.
eval "$(xdotool getwindowgeometry --shell "$main")"
click_at() { xdotool mousemove $((X + $1)) $((Y + $2)); xdotool click "${@:3}" 1; }
# The second navigation button ("加油记录"), then the amount cell of the
# new-record row (row 1 of an empty ledger), then Tab to the price beside it.
click_at 90 212
sleep 0.5
click_at 380 79 --repeat 2 --delay 100
sleep 0.5
xdotool type --delay 50 "250"
xdotool key Tab
sleep 0.5
xdotool type --delay 50 "8.1"
xdotool key Return

rows=
for _ in $(seq 1 50); do
  rows=$(ledger_sql "select CarID, RecID, Amount, Price from Refuel;")
  [ "$rows" = "CAR0001|0000001|250.0|8.1" ] && break
  sleep 0.2
done
[ "$rows" = "CAR0001|0000001|250.0|8.1" ] || { import -window root "${TMPDIR:-/tmp}/ledger_typing.png" 2>/dev/null; fail "Refuel holds '$rows'"; }

close_program "$main"
echo "ledger typing: ok"
