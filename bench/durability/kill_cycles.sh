#!/usr/bin/env bash
# Durability under SIGKILL: starts Orvyn on a ledger, types edits into the
# refuelling ledger through the real window, kills the program at a random
# moment, starts it again, and checks that the ledger file passes
# PRAGMA integrity_check and still holds every edit the program had stored.
# An edit counts as acknowledged once the file shows it while the program runs
# (the window shows it as saved by then); after the kill each edited cell must
# hold its last acknowledged value or a value typed after it.
#
# Needs an X server: xvfb-run -a -s "-screen 0 1280x1024x24" \
#   bench/durability/kill_cycles.sh build/bin/orvyn [cycles]
# Prints "cycles, acknowledged edits, lost, integrity failures" and ends with
# status 1 when anything was lost or damaged.
source "$(dirname "$0")/../../tests/e2e/lib.sh"
orvyn=$1
cycles=${2:-200}

# The edited cells of the first record, a 900-pixel window's refuelling page:
# x of the amount, price and note cells in the window, and their file columns.
cell_x=(391 446 837)
fields=(Amount Price Mark)
declare -A acked typed_after
acknowledged=0 lost=0 damaged=0
# A killer still asleep when the tool ends must not hit a later process that
# got its victim's number.
killer=
trap '{ [ -z "$killer" ] || kill "$killer" 2>/dev/null; } || true; e2e_cleanup' EXIT

value_of() { # field, cycle, edit
  case $1 in
    Amount) echo "$((1000 + $2)).$(printf %02d "$3")" ;;
    Price) echo "7.$(printf %02d "$3")" ;;
    Mark) echo "c$2e$3" ;;
  esac
}
# The file's text of a value as the sqlcipher shell prints it.
stored_form() { # field, typed value
  case $1 in
    Mark) echo "$2" ;;
    *) printf '%s\n' "$2" | awk '{ printf "%.2f\n", $1 }' ;;
  esac
}
read_field() {
  local v
  v=$(ledger_sql "select $1 from Refuel where RecID='0000001';" 2>/dev/null) || return 1
  case $1 in
    Mark) echo "$v" ;;
    *) [ -n "$v" ] && printf '%.2f\n' "$v" ;;
  esac
}

# A ledger with one car and one filling.
start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values ('CAR0001', '测试车', 'YES', '', '');
insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, FuelMeter1, FuelMeter2,
  Reserved1, Reserved2, Reserved3, Reserved4) values ('CAR0001', '0000001', '2026/01/30', '', 100, 1, 1, 0, 0, '', '', '', '');" \
  >/dev/null || fail "cannot prepare the ledger"

for cycle in $(seq 1 "$cycles"); do
  start_orvyn "$orvyn" /nopassword
  main=$(wait_for_window "Qinmo【测试车】")
  focus_window "$main"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  # The refuelling page: the second navigation button.
  xdotool mousemove $((X + 90)) $((Y + 212)) click 1
  # The killer: a random moment within the next four seconds.
  victim=$ORVYN_PID
  (sleep "$(awk -v r=$RANDOM 'BEGIN { printf "%.2f", 0.3 + r / 32768 * 4 }')"
   kill -9 "$victim" 2>/dev/null) &
  killer=$!
  edit=0
  while kill -0 "$victim" 2>/dev/null; do
    edit=$((edit + 1))
    i=$((edit % 3))
    field=${fields[$i]}
    value=$(value_of "$field" "$cycle" "$edit")
    xdotool mousemove $((X + ${cell_x[$i]})) $((Y + 79)) click 1 2>/dev/null || break
    xdotool type --delay 20 "$value" 2>/dev/null || break
    xdotool key Return 2>/dev/null || break
    typed_after[$field]="${typed_after[$field]:-} $(stored_form "$field" "$value")"
    for _ in $(seq 1 20); do
      kill -0 "$victim" 2>/dev/null || break
      if [ "$(read_field "$field")" = "$(stored_form "$field" "$value")" ]; then
        acked[$field]=$(stored_form "$field" "$value")
        typed_after[$field]=
        acknowledged=$((acknowledged + 1))
        break
      fi
      sleep 0.1
    done
  done
  wait "$killer" 2>/dev/null || true
  wait "$victim" 2>/dev/null || true
  ORVYN_PID=

  [ "$(ledger_sql "PRAGMA integrity_check;")" = ok ] || { damaged=$((damaged + 1)); echo "cycle $cycle: integrity check failed" >&2; }
  for field in "${fields[@]}"; do
    [ -n "${acked[$field]:-}" ] || continue
    now=$(read_field "$field" || echo "<unreadable>")
    ok=0
    for allowed in "${acked[$field]}" ${typed_after[$field]:-}; do
      [ "$now" = "$allowed" ] && ok=1
    done
    if [ $ok = 0 ]; then
      lost=$((lost + 1))
      echo "cycle $cycle: $field holds '$now', acknowledged '${acked[$field]}'" >&2
    fi
    # What the file holds now is the value the next cycle starts from.
    acked[$field]=$now
    typed_after[$field]=
  done
done

echo "cycles, acknowledged edits, lost, integrity failures"
echo "$cycles, $acknowledged, $lost, $damaged"
[ $lost = 0 ] && [ $damaged = 0 ]
