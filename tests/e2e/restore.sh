#!/usr/bin/env bash
# A backup point made on "设置" → "备份与恢复", the ledger changed afterwards.
# A damaged point is refused on the page and the program keeps running. A
# point whose name ends in a blank is restored: the program closes without
# asking, the restore program puts the point in place of the ledger and starts
# the program again (a new process with a new window); the ledger holds the
# rows of that point, and the backup folder the points plus the exit's
# automatic point and the replaced ledger kept as a point.
source "$(dirname "$0")/lib.sh"
orvyn=$1
restore_program=$(dirname "$orvyn")/restore
[ -x "$restore_program" ] || fail "no restore program beside $orvyn"
car="E2E旧车"

restore_cleanup() {
  local pid
  for pid in $(own_pids "$restore_program") $(own_pids "$orvyn"); do
    kill "$pid" 2>/dev/null || true
  done
  e2e_cleanup
}
trap restore_cleanup EXIT

# Opens "设置" → "备份与恢复" (the seventh item of the menu) and prints the
# sheet's id.
open_backup_page() {
  open_menu_item "$1" "Down Down Down Down Down Down Down Return" "^综合设置【${car}】\$"
}

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")
ledger_sql "insert into CarList (CarID, Name, Used) values ('CAR0001', '$car', 'YES');"

# Listed before the point the page makes: a damaged point first, then one
# whose name ends in a blank, a copy of the ledger with a second car.
damaged="BAD.bpt"
blank="CAR20200101-000000.bpt "
mkdir -p "$E2E_HOME/backup"
head -c 8192 /dev/urandom >"$E2E_HOME/backup/$damaged"
ledger_sql "insert into CarList (CarID, Name, Used) values ('CAR0003', 'blank', 'NO');"
cp "$E2E_HOME/config/CAR.mdb" "$E2E_HOME/backup/$blank"
ledger_sql "delete from CarList where CarID='CAR0003';"

sheet=$(open_backup_page "$main")
focus_window "$sheet"
# The focus starts in the page tree; the first control of the page is
# "备份当前数据点".
xdotool key Tab space
answer_box Return "no answer to the backup"
wait_no_box
points=$(ls "$E2E_HOME/backup" | grep -vxF -e "$damaged" -e "$blank" || true)
[ "$(echo "$points" | wc -l)" = 1 ] && [[ "$points" == CAR*.bpt ]] || fail "backup folder holds '$points'"

# The ledger changes after the backup.
ledger_sql "insert into CarList (CarID, Name, Used) values ('CAR0002', 'after the backup', 'NO');"

# The list, its first row (the damaged point), "恢复该被备份点"; the question,
# then the refusal; the program keeps running and starts no restore.
focus_window "$sheet"
xdotool key Tab space Tab space
question=$(answer_new_box Return "no restore question")
answer_new_box Return "no refusal of the damaged point" "$question" >/dev/null
wait_no_box
kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended on a damaged point"
[ -n "$(xdotool search --onlyvisible --name "^综合设置【${car}】\$" 2>/dev/null || true)" ] ||
  fail "the sheet closed on a damaged point"
[ -z "$(own_pids "$restore_program")" ] || fail "a restore started from a damaged point"

# Back to the list, its second row (the name ending in a blank), "恢复该被备份点";
# the question, then the notice.
focus_window "$sheet"
xdotool key shift+Tab Down Tab space
question=$(answer_new_box Return "no restore question")
answer_new_box Return "no notice of the restart" "$question" >/dev/null
old_pid=$ORVYN_PID
wait_for_exit

# The restore program starts the program again.
wait_for_restart "$orvyn" "$old_pid"
new_pid=$ORVYN_PID
main=$(wait_for_window "Qinmo【${car}】")
[ -z "$(own_pids "$restore_program")" ] || fail "the restore program still runs"

cars=$(ledger_sql "select CarID, Name, Used from CarList order by CarID;")
[ "$cars" = "CAR0001|${car}|YES"$'\n'"CAR0003|blank|NO" ] || fail "the restored ledger holds '$cars'"
# The close before the restore backed up the ledger changed since the point.
[ "$(ls "$E2E_HOME/backup" | grep -c -- '-auto\.bpt$')" = 1 ] || fail "no backup point at the exit"
after=$(ls "$E2E_HOME/backup" | grep -v -- '-auto\.bpt$')
[ "$(echo "$after" | wc -l)" = 4 ] || fail "backup folder holds '$after'"
kept=$(echo "$after" | grep -vxF -e "$points" -e "$damaged" -e "$blank")
kept_cars=$(printf ".timeout 5000\nPRAGMA key='vorpa';\nselect count(*) from CarList;\n" |
  sqlcipher "$E2E_HOME/backup/$kept")
[ "$kept_cars" = 2 ] || fail "the kept point $kept holds $kept_cars cars"

# The program started by the restore program is no child of this shell: its
# end is watched by its pid.
box=$(request_close "$main")
focus_window "$box"
xdotool key Return
for _ in $(seq 1 300); do
  kill -0 "$new_pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$new_pid" 2>/dev/null && fail "the restarted program did not end"
ORVYN_PID=
echo "restore: ok"
