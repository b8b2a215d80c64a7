#!/usr/bin/env bash
# First start in an empty data folder: the window titled for "no car", a
# second copy refused; the welcome's "添加第一辆车" opens car management with
# the name box ready, and Enter there adds the first car as the current one;
# then the ledger file with all its tables, readable only with its key.
source "$(dirname "$0")/lib.sh"
orvyn=$1
name="小车"

map_keys "$name"

start_orvyn "$orvyn" /nopassword
id=$(wait_for_window "Qinmo【请选择或创建管理车辆】")

# A second copy on the same data folder is refused in a message box and ends;
# the first keeps its lock until it ends.
lock=$E2E_HOME/OrvynSingleInstance.lock
[ -f "$lock" ] || fail "no lock file while the program runs"
"$orvyn" /nopassword &
second=$!
answer_box Return "no refusal for a second copy"
for _ in $(seq 1 300); do
  kill -0 "$second" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$second" 2>/dev/null && fail "the second copy still runs"
kill -0 "$ORVYN_PID" 2>/dev/null || fail "the first copy ended"

# The welcome's button has the focus: it opens car management, the name box
# takes the typing and Enter adds the car, which becomes current at once.
focus_window "$id"
xdotool key space
sheet=$(wait_for_window "综合设置")
focus_window "$sheet"
xdotool type --delay 60 "$name"
xdotool key Return
wait_for_window "综合设置【${name}】" >/dev/null
expect_sql "select CarID, Name, Used from CarList;" "CAR0001|${name}|YES"
wmctrl -i -c "$sheet"
wait_for_window "Qinmo【${name}】" >/dev/null

close_program "$id"
[ ! -e "$lock" ] || fail "the lock file stays after the program ended"

[ -f "$E2E_HOME/config/CAR.mdb" ] || fail "no ledger file"
tables=$(ledger_sql "select count(*) from sqlite_master where type='table' and name not like 'sqlite%';")
[ "$tables" = "12" ] || fail "expected 12 tables, found '$tables'"
ledger_sql "select NO, CarID, Name, Used from CarList;" >/dev/null || fail "CarList unreadable"
if printf "select count(*) from sqlite_master;\n" | sqlcipher "$E2E_HOME/config/CAR.mdb" >/dev/null 2>&1; then
  fail "the ledger opens without its key"
fi
echo "first start: ok"
