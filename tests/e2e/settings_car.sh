#!/usr/bin/env bash
# A new user's first car: "设置" → "车辆管理", a car added under a typed name
# and made current, the sheet closed; the main window is titled after the car
# and the ledger file holds it as the current car.
source "$(dirname "$0")/lib.sh"
orvyn=$1
name="E2E'小车"

map_keys "小车"
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")
focus_window "$main"

# "设置" is the first menu of the menu bar; its first item is "车辆管理".
sheet=$(open_menu_item "$main" "Down Return" '^综合设置$')
focus_window "$sheet"

# The focus starts in the page tree. Tab order of the car management page:
# list, "设为当前车辆", "删除选中车辆", "修改车辆名称", "增加车辆", then the
# enabled edits and buttons, then OK and Cancel.
xdotool key Tab Tab Tab Tab Tab space Tab
xdotool type --delay 60 "$name"
xdotool key Tab space
# "增加" is disabled after adding, so the focus is on OK; back to the list,
# select the new car and make it current.
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space Tab space
wait_for_window "综合设置【${name}】" >/dev/null

wmctrl -i -c "$sheet"
wait_for_window "Qinmo【${name}】" >/dev/null

close_program "$main"

cars=$(ledger_sql "select CarID, Name, Used from CarList order by NO;")
[ "$cars" = "CAR0001|${name}|YES" ] || fail "CarList holds '$cars'"
echo "settings car: ok"
