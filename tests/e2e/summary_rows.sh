#!/usr/bin/env bash
# The summary page in the main window as it opens: all 24 rows of its grid
# show whole, the four averages at the bottom included, without scrolling.
# Read down the value column on the screen, the grid is its group rows (grey)
# and value rows (light yellow), every value row equally high, and below the
# last one its bottom line and then the empty grid.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
close_program "$(wait_for_window "Qinmo【请选择或创建管理车辆】")"
ledger_sql "insert into CarList (CarID, Name, Used, Reserved1, Reserved2)
  values ('CAR0001', '测试车', 'YES', '', '');" >/dev/null || fail "cannot prepare the ledger"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【测试车】")
eval "$(xdotool getwindowgeometry --shell "$main")"

# The rows met down the column 80 pixels left of the window's right edge,
# inside the value column and clear of its texts: G for a group row, V and
# its height for a value row, then "end" when the grid's bottom line and empty
# space follow the last row, or "cut" when it ends otherwise. Dots of one or
# two pixels (the current cell's frame) are passed over.
rows_seen() {
  screen column $((X + WIDTH - 80)) 0 $((Y + HEIGHT)) | awk '
    $1 == "c0c0c0" && $2 > 2 { if (last != "G") printf "G "; last = "G"; next }
    $1 == "ffffe0" && $2 > 2 { printf "V%d ", $2; last = "V"; next }
    last == "" { next }
    $1 == "c0c0c0" { last = "line"; next }
    $2 <= 2 { next }
    { print (last == "line" ? "end" : "cut"); exit }'
}

seen=
for _ in $(seq 1 150); do
  seen=$(rows_seen)
  # Rows 1 to 23 under the header: four groups of 4, 3, 8 and 4 value rows.
  if [[ $seen =~ ^G\ (V[0-9]+\ ){4}G\ (V[0-9]+\ ){3}G\ (V[0-9]+\ ){8}G\ (V[0-9]+\ ){4}end$ ]] &&
    [ "$(tr ' ' '\n' <<<"$seen" | grep '^V' | sort -u | wc -l)" = 1 ]; then
    close_program "$main"
    echo "summary rows: ok"
    exit 0
  fi
  sleep 0.2
done
keep_screen summary_rows
fail "the grid does not show all its rows whole in a ${WIDTH}x${HEIGHT} window: $seen"
