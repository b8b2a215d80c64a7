#!/usr/bin/env bash
# The analysis page shows the current car as the ledger file holds it: with
# 甲车 current it shows 甲车's costs; after 丙车 is made current in
# "车辆管理" it shows 丙车's, and after rows are added to the file it shows
# them once the page is opened again or the analysis shown is picked again.
# The chart is read from the screen as bars without gradient (chart.cfg all
# zeros): a kind's bar is tall, or 5 pixels low when the car spent nothing on it.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values
  ('CAR0001', '甲车', 'YES', '', ''), ('CAR0002', '乙车', 'NO', '', ''), ('CAR0003', '丙车', 'NO', '', '');
insert into Refuel (CarID, RecID, DateTimee, Miles, Amount, Price) values ('CAR0001', '0000001', '2020/05/03', 100, 1653.83, 7.5);
insert into Repair (CarID, RecID, DateTimee, Miles, Amount) values ('CAR0001', '0000001', '2020/04/10', 100, 2499.50);
insert into Accident (CarID, RecID, DateTimee, Miles, Amount) values ('CAR0003', '0000001', '2020/03/10', 100, 300);" \
  >/dev/null || fail "cannot prepare the ledger"
head -c 16 /dev/zero >"$E2E_HOME/config/chart.cfg"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【甲车】")
focus_window "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }
# The navigation button "分析统计", the ninth.
open_analysis() { at 90 499 && xdotool click 1; }

# "tall" or "low" for the bars of 加油费用, 维修费用 and 事故费用, by the
# pixels of their colours right of the navigation column.
bars_seen() {
  screen count $((X + 180)) $((Y + 90)) $((WIDTH - 190)) $((HEIGHT - 100)) | awk '
    { n[$1] = $2 }
    END {
      split("649b64 9b6464 000064", colour)
      for (i = 1; i <= 3; ++i) printf "%s%s", (n[colour[i]] > 5000 ? "tall" : "low"), (i < 3 ? " " : "\n")
    }'
}
expect_bars() {
  local seen=
  for _ in $(seq 1 150); do
    seen=$(bars_seen)
    [ "$seen" = "$1" ] && return 0
    sleep 0.2
  done
  keep_screen analysis_follows
  fail "$2: the bars are '$seen', expected '$1'"
}

open_analysis
expect_bars "tall tall low" "甲车's costs"

# "设置" → "车辆管理": the list is the first stop after the page tree; 丙车
# is its first car; "设为当前车辆" follows the list.
sheet=$(open_menu_item "$main" "Down Return" '^综合设置')
focus_window "$sheet"
xdotool key Tab Home Tab space
wait_for_window "综合设置【丙车】" >/dev/null
wmctrl -i -c "$sheet"
wait_for_window "Qinmo【丙车】" >/dev/null
expect_bars "low low tall" "丙车 made current"

ledger_sql "insert into Refuel (CarID, RecID, DateTimee, Miles, Amount, Price)
  values ('CAR0003', '0000002', '2020/06/01', 200, 600, 7.5);" >/dev/null || fail "cannot add a refuelling"
focus_window "$main"
open_analysis
expect_bars "tall low tall" "the page opened again after a refuelling was added"

# The analysis shown picked again in the selector's open list.
ledger_sql "insert into Repair (CarID, RecID, DateTimee, Miles, Amount)
  values ('CAR0003', '0000002', '2020/06/02', 200, 600);" >/dev/null || fail "cannot add a repair"
windows=$(xdotool search --onlyvisible --pid "$ORVYN_PID" 2>/dev/null | wc -l)
at 736 66 && xdotool click 1
for _ in $(seq 1 150); do
  [ "$(xdotool search --onlyvisible --pid "$ORVYN_PID" 2>/dev/null | wc -l)" -gt "$windows" ] && break
  sleep 0.2
done
xdotool key Return
expect_bars "tall tall tall" "the analysis picked again after a repair was added"

close_program "$main"
echo "analysis follows: ok"
