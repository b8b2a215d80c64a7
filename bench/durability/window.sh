#!/usr/bin/env bash
# Power-cut replays of what is done in the program's window: three cell edits
# on the refuelling page, a backup point, a car deleted, that point restored,
# the start-up password set, changed into the ledger's own key (a re-keyed
# copy replaces the ledger) and that key changed (re-keyed in place). Each step counts as acknowledged once the window has shown it
# as saved: the backup once "数据备份成功！" is shown, the others once the file
# holds the change and the program has written nothing more for a second (it
# writes nothing between storing a change and showing it).
#
# Needs an X server: xvfb-run -a -s "-screen 0 1280x1024x24" \
#   bench/durability/window.sh build/bin/orvyn build/bench/libdurability_shim.so [SCENARIOS]
# SCENARIOS: some of "cell_edit backup_point car_delete restore password
# password_keyed password_rekeyed", in this order (all by default).
# Prints one JSON line per scenario and model (see replay.py).
source "$(dirname "$0")/../../tests/e2e/lib.sh"
orvyn=$1
DUR_SHIM=$(readlink -f "$2")
source "$(dirname "$0")/lib.sh"
trap 'dur_cleanup; e2e_cleanup' EXIT
status=0
car="测试车"
main_title="Qinmo【${car}】"

# Starts the program with its file changes recorded.
start_recorded() {
  start_orvyn env LD_PRELOAD="$DUR_SHIM" DURABILITY_LOG="$DUR_LOG" \
    DURABILITY_ROOTS="$ORVYN_HOME:$XDG_CONFIG_HOME/OrvynSoft" "$orvyn" /nopassword
}

# Waits until the log has not grown for a second (up to 60 s).
wait_quiet() {
  local size
  for _ in $(seq 1 60); do
    size=$(stat -c %s "$DUR_LOG")
    sleep 1
    [ "$(stat -c %s "$DUR_LOG")" = "$size" ] && return 0
  done
  fail "the program keeps writing"
}

# Marks LABEL once the query gives the text and the program is quiet.
mark_when() {
  expect_sql "$2" "$3"
  wait_quiet
  dur_mark "$1"
}

# A ledger with two cars, the first current with one filling.
start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values
  ('CAR0001', '$car', 'YES', '', ''), ('CAR0002', '旧车', 'NO', '', '');
insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, FuelMeter1, FuelMeter2,
  Reserved1, Reserved2, Reserved3, Reserved4) values ('CAR0001', '0000001', '2026/01/30', '', 100,
  1, 1, 0, 0, '', '', '', '');" >/dev/null || fail "cannot prepare the ledger"

# Three cell edits: the amount, the price and the note of the first filling
# on a 900-pixel window's refuelling page (the second navigation button).
cell_edit() {
dur_begin cell_edit
start_recorded
main=$(wait_for_window "$main_title")
focus_window "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 90)) $((Y + 212)) click 1
edit() { # x in the window, typed value, label, query, stored text
  xdotool mousemove $((X + $1)) $((Y + 79)) click 1
  xdotool type --delay 20 "$2"
  xdotool key Return
  mark_when "$3" "$4" "$5"
}
edit 391 1234.5 amount "select printf('%.2f', Amount) from Refuel;" 1234.50
edit 446 7.25 price "select printf('%.2f', Price) from Refuel;" 7.25
edit 837 note1 note "select Mark from Refuel;" note1
close_program "$main"
cat >"$DUR_WORK/cell_edit.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa"],
 "checks": [
  {"name": "amount", "sql": "select printf('%.2f', Amount) from Refuel;", "before": "1.00",
   "after": "1234.50", "mark": "amount"},
  {"name": "price", "sql": "select printf('%.2f', Price) from Refuel;", "before": "1.00",
   "after": "7.25", "mark": "price"},
  {"name": "note", "sql": "select Mark from Refuel;", "before": "", "after": "note1",
   "mark": "note"}]}
EOF
dur_replay "$DUR_WORK/cell_edit.json" || status=1
}

# A backup point: "设置" → "备份与恢复" (the seventh item), its first control
# "备份当前数据点"; acknowledged by "数据备份成功！".
backup_point() {
dur_begin backup_point
start_recorded
main=$(wait_for_window "$main_title")
sheet=$(open_menu_item "$main" "Down Down Down Down Down Down Down Return" "^综合设置【${car}】\$")
focus_window "$sheet"
xdotool key Tab space
box=$(answer_new_box Return "no answer to the backup")
dur_mark point
wait_no_box
wmctrl -i -c "$sheet"
close_program "$main"
cat >"$DUR_WORK/backup_point.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa"],
 "checks": [{"name": "point", "points": "home/backup", "count": 1, "mark": "point"},
            {"name": "cars", "sql": "select count(*) from CarList;", "before": "2",
             "after": "2", "mark": "point"}]}
EOF
dur_replay "$DUR_WORK/backup_point.json" || status=1
}

# The other car deleted on "设置" → "车辆管理": the list, its first row (the
# rows are in name order), "删除选中车辆", the question answered with OK.
car_delete() {
dur_begin car_delete
start_recorded
main=$(wait_for_window "$main_title")
sheet=$(open_menu_item "$main" "Down Return" "^综合设置【${car}】\$")
focus_window "$sheet"
xdotool key Tab Home Tab Tab space
answer_new_box Return "no question before deleting the car" >/dev/null
mark_when deleted "select group_concat(CarID) from CarList;" CAR0001
wait_no_box
wmctrl -i -c "$sheet"
close_program "$main"
cat >"$DUR_WORK/car_delete.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa"],
 "checks": [{"name": "cars", "sql": "select group_concat(CarID) from CarList;",
             "before": "CAR0001,CAR0002", "after": "CAR0001", "mark": "deleted"}]}
EOF
dur_replay "$DUR_WORK/car_delete.json" || status=1
}

# The start-up password set on "设置" → "密码设置" (the fifth item): typed twice
# with Enter; stored scrambled in the profile as "Pin=…".
password() {
dur_begin password
start_recorded
main=$(wait_for_window "$main_title")
sheet=$(open_menu_item "$main" "Down Down Down Down Down Return" "^综合设置【${car}】\$")
focus_window "$sheet"
xdotool key End Tab
xdotool type --delay 60 "abcd"
xdotool key Return
xdotool type --delay 60 "abcd"
xdotool key Return
for _ in $(seq 1 150); do
  grep -q '^Pin=' "$XDG_CONFIG_HOME/OrvynSoft/Orvyn.conf" 2>/dev/null && break
  sleep 0.2
done
grep -q '^Pin=efgh$' "$XDG_CONFIG_HOME/OrvynSoft/Orvyn.conf" || fail "no password in the profile"
wait_quiet
dur_mark password
wmctrl -i -c "$sheet"
close_program "$main"
cat >"$DUR_WORK/password.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa"],
 "checks": [{"name": "password", "file": "config/OrvynSoft/Orvyn.conf", "contains": "Pin=efgh",
             "mark": "password"}]}
EOF
dur_replay "$DUR_WORK/password.json" || status=1
}

# Polls (up to 30 s) until the ledger opens with the key.
wait_for_key() {
  for _ in $(seq 1 150); do
    [ "$(DUR_KEY=$1 dur_sql "select count(*) > 0 from CarList;" 2>/dev/null)" = 1 ] && return 0
    sleep 0.2
  done
  keep_screen "$(basename "$0" .sh)"
  fail "the ledger does not open with the key $1"
}

# Opens the password page ("设置" → "密码设置", the last page of the tree) and
# checks the current password typed into "输入旧密码"; the focus is then in
# "输入新密码". Prints the sheet's id.
open_password_page() {
  local sheet
  sheet=$(open_menu_item "$1" "Down Down Down Down Down Return" "^综合设置【${car}】\$")
  focus_window "$sheet"
  xdotool key End Tab
  xdotool type --delay 60 "$2"
  xdotool key Return
  echo "$sheet"
}

# Types the new password twice (Enter moves on, Enter stores).
type_new_password() {
  xdotool type --delay 60 "$1"
  xdotool key Return
  xdotool type --delay 60 "$1"
  xdotool key Return
}

# The start-up password "abcd" changed to "wxyz" with "用密码加密账本" ticked:
# the ledger is copied into a file with the new key, which replaces it; the
# profile marks the ledger as keyed with the password before that.
password_keyed() {
  dur_begin password_keyed
  start_recorded
  main=$(wait_for_window "$main_title")
  sheet=$(open_password_page "$main" abcd)
  # "输入确认密码", "应用", then the box.
  xdotool key Tab Tab Tab space shift+Tab shift+Tab shift+Tab
  type_new_password wxyz
  wait_for_key wxyz
  wait_quiet
  dur_mark keyed
  wmctrl -i -c "$sheet"
  close_program "$main"
  cat >"$DUR_WORK/password_keyed.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa", "wxyz"],
 "checks": [{"name": "key", "key": true, "before": "vorpa", "after": "wxyz", "mark": "keyed"},
            {"name": "gate", "file": "config/OrvynSoft/Orvyn.conf", "contains": "OwnerKeyed=1",
             "unless_key": "vorpa"}]}
EOF
  dur_replay "$DUR_WORK/password_keyed.json" || status=1
}

# The ledger's password changed from "wxyz" to "pqrs": SQLCipher re-keys
# every page in one transaction. The start asks for the ledger's password.
password_rekeyed() {
  dur_begin password_rekeyed
  start_recorded
  login=$(wait_for_window "Qinmo - 登陆")
  focus_window "$login"
  xdotool type --delay 60 wxyz
  xdotool key Return
  main=$(wait_for_window "$main_title")
  sheet=$(open_password_page "$main" wxyz)
  type_new_password pqrs
  wait_for_key pqrs
  wait_quiet
  dur_mark rekeyed
  wmctrl -i -c "$sheet"
  close_program "$main"
  cat >"$DUR_WORK/password_rekeyed.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["wxyz", "pqrs"],
 "checks": [{"name": "key", "key": true, "before": "wxyz", "after": "pqrs", "mark": "rekeyed"},
            {"name": "gate", "file": "config/OrvynSoft/Orvyn.conf", "contains": "OwnerKeyed=1",
             "unless_key": "vorpa"}]}
EOF
  dur_replay "$DUR_WORK/password_rekeyed.json" || status=1
}

# The backup point restored on "备份与恢复": its row, "恢复该被备份点", the
# question and the notice answered; the program ends, the restore program puts
# the point in place of the ledger (keeping the replaced ledger as a point)
# and starts the program again. Acknowledged once the new window is shown and
# the restore program has ended.
restore() {
  local restore_program old_pid new_pid
  restore_program=$(dirname "$orvyn")/restore
  dur_begin restore
  start_recorded
  main=$(wait_for_window "$main_title")
  sheet=$(open_menu_item "$main" "Down Down Down Down Down Down Down Return" "^综合设置【${car}】\$")
  focus_window "$sheet"
  # "备份当前数据点", the list (its first row selected), "恢复该被备份点".
  xdotool key Tab Tab space Tab space
  question=$(answer_new_box Return "no restore question")
  answer_new_box Return "no notice of the restart" "$question" >/dev/null
  old_pid=$ORVYN_PID
  wait_for_exit
  wait_for_restart "$orvyn" "$old_pid"
  new_pid=$ORVYN_PID
  main=$(wait_for_window "$main_title")
  for _ in $(seq 1 150); do
    [ -z "$(own_pids "$restore_program")" ] && break
    sleep 0.2
  done
  wait_quiet
  dur_mark restored
  box=$(request_close "$main")
  focus_window "$box"
  xdotool key Return
  for _ in $(seq 1 300); do
    kill -0 "$new_pid" 2>/dev/null || break
    sleep 0.2
  done
  ORVYN_PID=
  cat >"$DUR_WORK/restore.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa"],
 "checks": [{"name": "cars", "sql": "select group_concat(CarID) from CarList;",
             "before": "CAR0001", "after": "CAR0001,CAR0002", "mark": "restored"},
            {"name": "points", "points": "home/backup", "count": 2, "mark": "restored"}]}
EOF
  dur_replay "$DUR_WORK/restore.json" || status=1
}

for scenario in ${3:-cell_edit backup_point car_delete restore password password_keyed password_rekeyed}; do
  "$scenario"
done
exit $status
