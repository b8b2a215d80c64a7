#!/usr/bin/env bash
# The main window's keys: F1 hands the guide to the desktop's opener (here a
# stand-in that notes what it was given), Ctrl+Q asks the close question and
# ends the program on Yes.
source "$(dirname "$0")/lib.sh"
orvyn=$1

stand_in=$E2E_HOME/stand-in
opened=$E2E_HOME/opened.txt
mkdir -p "$stand_in"
cat >"$stand_in/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$1" >>"$opened"
STANDIN
chmod +x "$stand_in/xdg-open"
export PATH="$stand_in:$PATH"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")
focus_window "$main"

xdotool key F1
for _ in $(seq 1 300); do
  [ -s "$opened" ] && break
  sleep 0.2
done
[ -s "$opened" ] || fail "F1 opened nothing"
[ "$(wc -l <"$opened")" = 1 ] || fail "F1 opened more than once: $(cat "$opened")"
case $(cat "$opened") in
  file:///*/help.html) ;;
  *) fail "F1 opened '$(cat "$opened")'" ;;
esac
[ -z "$(find_box)" ] || fail "a message box after F1"

focus_window "$main"
xdotool key ctrl+q
answer_box Return "no close question after Ctrl+Q"
wait_for_exit
echo "keyboard: ok"
