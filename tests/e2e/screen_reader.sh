#!/usr/bin/env bash
# What a screen reader meets in the refuelling ledger, over AT-SPI: the
# record menu opened with the right mouse button is in the program's tree
# with its items, and after a record is deleted (the question took the focus)
# the reader follows the focus to a cell that lives instead of staying on the
# deleted one. Runs inside dbus-run-session.
source "$(dirname "$0")/lib.sh"
orvyn=$1
reader="/usr/bin/python3 $(dirname "$0")/screen_reader.py"
READER_LOG=$(mktemp)
BUS_PID=
LISTENER_PID=
reader_cleanup() {
  [ -n "$LISTENER_PID" ] && kill "$LISTENER_PID" 2>/dev/null || true
  [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null || true
  rm -f "$READER_LOG"
  e2e_cleanup
}
trap reader_cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
BUS_PID=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
sql="insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values ('CAR0001', '测试车', 'YES', '', '');"
for i in 1 2 3; do
  sql="$sql insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, FuelMeter1, FuelMeter2,
    Reserved1, Reserved2, Reserved3) values ('CAR0001', '000000$i', '2026/0$i/01', '', ${i}000, 300, 7.5, 2, 8, '', '', '');"
done
ledger_sql "$sql" >/dev/null || fail "cannot prepare the ledger"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【测试车】")
focus_window "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }
$reader listen >"$READER_LOG" 2>&1 &
LISTENER_PID=$!
for _ in $(seq 1 150); do grep -q '^ready' "$READER_LOG" && break; sleep 0.2; done
grep -q '^ready' "$READER_LOG" || fail "the reader did not start: $(cat "$READER_LOG")"

# The refuelling page; the right mouse button on the third record.
at 90 212 && xdotool click 1
sleep 0.5
at 300 138 && xdotool click 3
menu=
for _ in $(seq 1 50); do
  menu=$($reader menu 2>/dev/null || true)
  [ -n "$menu" ] && break
  sleep 0.2
done
[ "$menu" = "刷新||删除记录" ] || fail "the record menu in the tree: '$menu'"
xdotool key Escape

# The Delete key on the third record; the question is answered.
at 300 138 && xdotool click 1
xdotool key Delete
answer_box Return "no question before the deletion"
expect_sql "select count(*) from Refuel;" "2"
focus_window "$main"
# The reader ends on a cell that lives: the last focus it heard of.
last=
for _ in $(seq 1 100); do
  last=$(grep '^focus row' "$READER_LOG" | tail -n 1)
  [ -n "$last" ] && [ "$last" != "focus row -1" ] && break
  sleep 0.2
done
[ -n "$last" ] && [ "$last" != "focus row -1" ] ||
  fail "the reader stays on the deleted row: $(tr '\n' ' ' <"$READER_LOG")"

close_program "$main"
echo "screen reader: ok"
