#!/usr/bin/env bash
# The car profile typed into the real window: "设置" → "爱车档案" for the
# current car, a manufacturer with a single quote and a tank volume in
# full-width digits, OK; the ledger file holds both, the volume as a number.
source "$(dirname "$0")/lib.sh"
orvyn=$1
maker="O'Brien Motors"

map_keys "５０"
start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2)
  values ('CAR0001', 'E2E', 'YES', '', '');" >/dev/null || fail "cannot prepare the ledger"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【E2E】")
focus_window "$main"

# "设置" is the first menu of the menu bar; its second item is "爱车档案".
sheet=$(open_menu_item "$main" "Down Down Return" '^综合设置【E2E】$')
focus_window "$sheet"

# The focus starts in the page tree. Tab order of the profile page: the
# fields row by row (manufacturer, model, VIN, colour, engine number,
# displacement, plate, fuel, tank volume, gauge range), "上传图片", then OK.
xdotool key Tab
xdotool type --delay 60 "$maker"
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 60 "５０"
# Enter in a field neither closes the sheet nor saves.
xdotool key Return
sleep 0.5
[ -n "$(xdotool search --onlyvisible --name '^综合设置【E2E】$' 2>/dev/null || true)" ] ||
  fail "Enter closed the sheet"
[ -z "$(ledger_sql "select * from CarProperty;")" ] || fail "Enter saved the profile"
xdotool key Tab Tab Tab space

# OK writes the profile and closes the sheet.
for _ in $(seq 1 150); do
  [ -z "$(xdotool search --onlyvisible --name '^综合设置【E2E】$' 2>/dev/null || true)" ] && break
  sleep 0.2
done
[ -z "$(xdotool search --onlyvisible --name '^综合设置【E2E】$' 2>/dev/null || true)" ] ||
  fail "OK did not close the sheet"

close_program "$main"

profile=$(ledger_sql "select CarID, Manufacture, FuelVolume, MeterRules from CarProperty;")
[ "$profile" = "CAR0001|${maker}|50.0|0.0" ] || fail "CarProperty holds '$profile'"
echo "settings profile: ok"
