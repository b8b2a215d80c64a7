#!/usr/bin/env bash
# Typing goes on in the record the user just made: on a refuelling ledger of
# eight records a date typed into the new-record row sorts the new record
# among the others, and what is typed after Tab and Enter lands in that
# record, never in another one.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
sql="insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values ('CAR0001', '测试车', 'YES', '', '');"
for i in 1 2 3 4 5 6 7 8; do
  sql="$sql insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, FuelMeter1, FuelMeter2,
    Reserved1, Reserved2, Reserved3) values ('CAR0001', '000000$i', '2026/0$i/01', '', ${i}000, 300, 7.5, 2, 8, '', '', '');"
done
ledger_sql "$sql" >/dev/null || fail "cannot prepare the ledger"
before=$(ledger_sql "select * from Refuel order by RecID;")

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【测试车】")
focus_window "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }

new_record="select DateTimee, Miles, Amount, Price from Refuel where RecID='0000009';"

# The refuelling page; a click on a record, then to the new-record row's date.
at 90 212 && xdotool click 1
sleep 0.5
at 380 81 && xdotool click 1
xdotool key ctrl+End Home
xdotool type --delay 40 "2026/03/15"
xdotool key Tab
expect_sql "$new_record" "2026/03/15|0.0|0.0|0.0"
# Typed on at once after Tab: the odometer and the amount of the new record.
xdotool type --delay 40 "16000"
xdotool key Tab
xdotool type --delay 40 "300"
xdotool key Return
expect_sql "$new_record" "2026/03/15|16000.0|300.0|0.0"
# Enter kept the new record's row: Right moves on to its price.
xdotool key Right
xdotool type --delay 40 "7.5"
xdotool key Return
expect_sql "$new_record" "2026/03/15|16000.0|300.0|7.5"
[ -z "$(find_box)" ] || fail "a message box came up while typing"
[ "$(ledger_sql "select * from Refuel where RecID<>'0000009' order by RecID;")" = "$before" ] ||
  fail "another record was changed"

close_program "$main"
echo "ledger focus: ok"
