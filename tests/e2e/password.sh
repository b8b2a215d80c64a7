#!/usr/bin/env bash
# The start-up password: set on "设置" → "密码设置" by typing it twice with
# Enter; the next start without "/nopassword" shows the login window, which
# refuses a wrong password and opens the main window for the right one. A
# profile that cannot be read shows the login too.
source "$(dirname "$0")/lib.sh"
orvyn=$1
password="a'b中"
main_title="Qinmo【请选择或创建管理车辆】"
login_title="Qinmo - 登陆"

# Waits until no window with exactly this title is shown.
wait_for_no_window() {
  for _ in $(seq 1 300); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ] && return 0
    sleep 0.2
  done
  fail "\"$1\" is still shown"
}

# The minimum size a window asks of the window manager; it grows when the
# login window shows its error line.
minimum_size() {
  xprop -id "$1" WM_NORMAL_HINTS 2>/dev/null | sed -n 's/.*program specified minimum size: //p'
}

map_keys "中"
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "$main_title")
focus_window "$main"

# "密码设置" is the fifth item of the first menu, "设置" (separators are
# skipped). Without a current car the sheet opens on "车辆管理" with the focus
# in the page tree, where End selects the last page, "保养提醒", and Up the one
# above it, "密码设置".
sheet=$(open_menu_item "$main" "Down Down Down Down Down Return" '^综合设置$')
focus_window "$sheet"

# Without a password only the new-password edits take the focus: Tab from the
# tree reaches "输入新密码", Enter moves on to "输入确认密码", Enter stores.
xdotool key End Up Tab
xdotool type --delay 60 "$password"
xdotool key Return
xdotool type --delay 60 "$password"
xdotool key Return
# Enter never closes the sheet; the close box does.
wmctrl -i -c "$sheet"
wait_for_no_window "综合设置"
close_program "$main"

# Stored scrambled: every character moved up by the length, 4.
grep -qx 'Pin=e+f丱' "$E2E_CONFIG/OrvynSoft/Orvyn.conf" ||
  fail "the profile holds: $(cat "$E2E_CONFIG/OrvynSoft/Orvyn.conf")"

start_orvyn "$orvyn"
login=$(wait_for_window "$login_title")
focus_window "$login"
before=$(minimum_size "$login")
xdotool type --delay 60 "a'b"
xdotool key Return
for _ in $(seq 1 300); do
  [ "$(minimum_size "$login")" != "$before" ] && break
  kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended after a wrong password"
  sleep 0.2
done
[ "$(minimum_size "$login")" != "$before" ] || fail "no error shown for a wrong password"
[ -z "$(xdotool search --onlyvisible --name "^$main_title\$" 2>/dev/null || true)" ] ||
  fail "a wrong password opened the main window"
wait_for_window "$login_title" >/dev/null

xdotool type --delay 60 "$password"
xdotool key Return
main=$(wait_for_window "$main_title")
wait_for_no_window "$login_title"
close_program "$main"

# A profile that cannot be read (a folder in its place) may hold a password:
# the login shows, closing it ends the program; "/nopassword" still opens the
# window.
rm "$E2E_CONFIG/OrvynSoft/Orvyn.conf"
mkdir "$E2E_CONFIG/OrvynSoft/Orvyn.conf"
start_orvyn "$orvyn"
login=$(wait_for_window "$login_title")
for _ in $(seq 1 300); do
  kill -0 "$ORVYN_PID" 2>/dev/null || break
  wmctrl -i -c "$login" 2>/dev/null || true
  sleep 0.2
done
wait_for_exit
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "$main_title")
close_program "$main"

# The ledger encrypted with the password: typed twice with the choice ticked
# (Tab from the confirmation reaches "应用", then the choice).
rmdir "$E2E_CONFIG/OrvynSoft/Orvyn.conf"
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "$main_title")
focus_window "$main"
sheet=$(open_menu_item "$main" "Down Down Down Down Down Return" '^综合设置$')
focus_window "$sheet"
xdotool key End Up Tab
xdotool type --delay 60 "$password"
xdotool key Return Tab Tab space shift+Tab shift+Tab
xdotool type --delay 60 "$password"
xdotool key Return
for _ in $(seq 1 300); do
  grep -qx 'OwnerKeyed=1' "$E2E_CONFIG/OrvynSoft/Orvyn.conf" 2>/dev/null && break
  sleep 0.2
done
wmctrl -i -c "$sheet"
wait_for_no_window "综合设置"
close_program "$main"
grep -qx 'OwnerKeyed=1' "$E2E_CONFIG/OrvynSoft/Orvyn.conf" ||
  fail "the ledger is not marked encrypted: $(cat "$E2E_CONFIG/OrvynSoft/Orvyn.conf")"
! grep -q '^Pin=.' "$E2E_CONFIG/OrvynSoft/Orvyn.conf" || fail "the profile keeps a password"
tables() {
  printf "PRAGMA key='%s';\nselect count(*) from sqlite_master;\n" "$1" |
    sqlcipher "$E2E_HOME/config/CAR.mdb" 2>&1 || true
}
tables vorpa | grep -q "not a database" || fail "the fixed key still opens the ledger: $(tables vorpa)"
quoted=${password//"'"/"''"}
[ "$(tables "$quoted")" -gt 10 ] 2>/dev/null ||
  fail "the password does not open the ledger: $(tables "$quoted")"

# "/nopassword" cannot skip it: only the password opens the window.
start_orvyn "$orvyn" /nopassword
login=$(wait_for_window "$login_title")
focus_window "$login"
xdotool type --delay 60 "$password"
xdotool key Return
main=$(wait_for_window "$main_title")
close_program "$main"
echo "password: ok"
