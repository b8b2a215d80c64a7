#!/usr/bin/env bash
# Values typed the way people type them into the real window are in the file
# exactly: dates in the shown form and without separators, whichever way the
# date editor was opened; "12,345", "￥5.5" and full-width digits; a typed
# prefix of a remembered provider; an impossible date changes nothing.
source "$(dirname "$0")/lib.sh"
orvyn=$1

map_keys "１２３￥"
start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values ('CAR0001', '测试车', 'YES', '', '');
insert into Repair (CarID, RecID, DateTimee, Mark, Content, Provider, Miles, Amount, Reserved1, Reserved2, Reserved3)
  values ('CAR0001', '0000001', '2026/01/30', '', '补胎', '', 100, 10, '', '', '');
insert into Maintain (CarID, RecID, DateTimee, Mark, Content, Provider, Miles, Amount, Reserved1, Reserved2, Reserved3)
  values ('CAR0001', '0000001', '2026/01/30', '', '换机油', '', 100, 10, '', '', '');
insert into InputHistory (CarID, RecID, Content, ClassName, ClassID, Reserved1, Reserved2)
  values ('CAR0001', '0000001', 'FixShop', '汽车服务商', 2, '', '');" >/dev/null || fail "cannot prepare the ledger"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【测试车】")
focus_window "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }

# Types into the first record's cell at x after opening its editor with the
# given way: "typed" (select, then type), "f2", "enter" or "double".
edit_cell() {
  local x=$1 how=$2 text=$3
  # A person's next click never follows the last one within the double-click
  # interval (which key presses in between do not end).
  sleep 0.5
  at "$x" 81
  case $how in
    typed) xdotool click 1 ;;
    f2) xdotool click 1 key F2 ;;
    enter) xdotool click 1 key Return ;;
    double) xdotool click --repeat 2 --delay 80 1 ;;
  esac
  xdotool type --delay 40 "$text"
  xdotool key Return
}
date_of() { echo "select DateTimee from $1 where RecID='0000001';"; }

# The repair page: the third navigation button.
at 90 253 && xdotool click 1
sleep 0.5
edit_cell 254 typed "2026/02/15"
expect_sql "$(date_of Repair)" "2026/02/15"
edit_cell 254 double "2025/03/04"
expect_sql "$(date_of Repair)" "2025/03/04"
edit_cell 254 f2 "2024/7/9"
expect_sql "$(date_of Repair)" "2024/07/09"
edit_cell 254 enter "20230102"
expect_sql "$(date_of Repair)" "2023/01/02"
# An impossible date is refused with a message; the stored date stays.
edit_cell 254 typed "2026/02/30"
answer_box Return "no message for an impossible date"
focus_window "$main"
edit_cell 329 typed "12,345"
expect_sql "select DateTimee, Miles from Repair;" "2023/01/02|12345.0"
edit_cell 389 typed "￥5.5"
expect_sql "select Amount from Repair;" "5.5"
edit_cell 389 typed "１２３"
expect_sql "select Amount from Repair;" "123.0"

# The maintenance page: a prefix of the remembered "FixShop" stays a prefix.
at 90 294 && xdotool click 1
sleep 0.5
edit_cell 639 typed "Fix"
expect_sql "select Provider from Maintain;" "Fix"
edit_cell 639 typed "fixshop"
expect_sql "select Provider from Maintain;" "fixshop"

close_program "$main"
echo "ledger values: ok"
