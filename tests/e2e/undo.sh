#!/usr/bin/env bash
# Ctrl+Z and Ctrl+Y in the real window: an edited amount goes back to what it
# was and forth again, a deleted record comes back with its identifier and
# every field; each step is read back from the ledger file.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values ('CAR0001', '测试车', 'YES', '', '');
insert into Repair (CarID, RecID, DateTimee, Mark, Content, Provider, Miles, Amount, Reserved1, Reserved2, Reserved3)
  values ('CAR0001', '0000007', '2026/01/30', '左前轮  ', '补胎', 'FixShop', 100, 10, '', '', '');" >/dev/null ||
  fail "cannot prepare the ledger"
record="select RecID, DateTimee, Mark, Content, Provider, Miles, Amount from Repair;"
whole="0000007|2026/01/30|左前轮  |补胎|FixShop|100.0|10.0"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【测试车】")
focus_window "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }

# The repair page: the third navigation button.
at 90 253 && xdotool click 1
sleep 0.5
at 389 81 && xdotool click 1
xdotool type --delay 40 "55"
xdotool key Return
expect_sql "select Amount from Repair;" "55.0"

xdotool key ctrl+z
expect_sql "$record" "$whole"
xdotool key ctrl+y
expect_sql "select Amount from Repair;" "55.0"
xdotool key ctrl+z
expect_sql "$record" "$whole"
xdotool key ctrl+shift+z
expect_sql "select Amount from Repair;" "55.0"
xdotool key ctrl+z
expect_sql "$record" "$whole"

# Deleted with the Delete key and confirmed, then undone.
sleep 0.5
at 254 81 && xdotool click 1
xdotool key Delete
answer_box Return "no question before the deletion"
expect_sql "select count(*) from Repair;" "0"
focus_window "$main"
xdotool key ctrl+z
expect_sql "$record" "$whole"

close_program "$main"
echo "undo: ok"
