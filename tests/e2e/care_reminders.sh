#!/usr/bin/env bash
# Care reminders and the odometer in the real window: a reminder due today
# slides up as the tip "保养提醒" soon after start-up and goes with "我知道啦!";
# a refuelling typed with a reading above the car's odometer moves the
# odometer, and the summary page shows it in the colours of a reading of
# 10000 km or more.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
today=$(date +%Y/%m/%d)
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values ('CAR0001', '测试车', 'YES', '', '');
insert into CarProperty (CarID, CurMiles, FuelVolume, MeterRules) values ('CAR0001', 9000, 50, 10);
insert into CareReminder (CarID, RecID, Title, DueDate, DueMiles, RepeatMonths, RepeatMiles, LeadDays, LeadMiles, Done)
  values ('CAR0001', '0000001', '年检', '$today', 0, 12, 0, 30, 1000, 0);" \
  >/dev/null || fail "cannot prepare the ledger"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【测试车】")
eval "$(xdotool getwindowgeometry --shell "$main")"
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }

# The odometer display of the summary page, by its colours.
display_colours() { screen count $((X + 280)) $((Y + 30)) 150 30 | sort -k2 -nr | head -n 3 | cut -d' ' -f1 | sort | tr '\n' ' '; }
before=
for _ in $(seq 1 150); do
  before=$(display_colours)
  [ -n "$before" ] && break
  sleep 0.2
done

tip=
for _ in $(seq 1 300); do
  tip=$(xdotool search --onlyvisible --name '^保养提醒$' 2>/dev/null | head -n 1 || true)
  [ -n "$tip" ] && break
  kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended before showing the tip"
  sleep 0.2
done
[ -n "$tip" ] || { describe_screen; fail "no tip for the reminder due today"; }
# "我知道啦!" lies at (114, 10), 77 x 21; the tip may still be rising.
for _ in $(seq 1 150); do
  eval "$(xdotool getwindowgeometry --shell "$tip" | sed 's/^/TIP_/')"
  [ "$TIP_Y" -le 916 ] && break
  sleep 0.1
done
xdotool mousemove --window "$tip" 152 20 click 1
for _ in $(seq 1 150); do
  xdotool search --onlyvisible --name '^保养提醒$' >/dev/null 2>&1 || break
  sleep 0.2
done
! xdotool search --onlyvisible --name '^保养提醒$' >/dev/null 2>&1 || fail "the tip stayed after 我知道啦!"

# The refuelling page (the second navigation button): the amount cell of the
# new-record row, then the odometer cell left of it, typed into.
focus_window "$main"
at 90 212 && xdotool click 1
sleep 0.5
at 380 79 && xdotool click 1
sleep 0.5
xdotool key Left
xdotool type --delay 50 "12000"
xdotool key Return
expect_sql "select Miles from Refuel;" "12000.0"
expect_sql "select CurMiles from CarProperty;" "12000.0"

# The summary page (the first button) shows the new reading in other colours.
at 90 171 && xdotool click 1
after=
for _ in $(seq 1 150); do
  after=$(display_colours)
  [ -n "$after" ] && [ "$after" != "$before" ] && break
  sleep 0.2
done
[ "$after" != "$before" ] || { keep_screen care_reminders; fail "the odometer display still shows '$before'"; }

# Confirmed, the tip has not come back.
! xdotool search --onlyvisible --name '^保养提醒$' >/dev/null 2>&1 || fail "the confirmed tip came back"
close_program "$main"
echo "care reminders: ok"
