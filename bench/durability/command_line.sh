#!/usr/bin/env bash
# Power-cut replays of the command line's writes: the first start (a car file
# imported into an empty data folder, which makes the ledger) and, unless
# --small is given, a CSV import of refuelling records into that ledger. An
# import is acknowledged when the program exits with 0, and so is the backup
# point it reports made before it.
#
#   bench/durability/command_line.sh build/bin/orvyn build/bench/libdurability_shim.so [--small]
#
# Prints one JSON line per scenario and model (see replay.py); ends with
# status 1 when a replayed state does not open, is damaged or lacks an
# acknowledged change.
set -euo pipefail
orvyn=$1
DUR_SHIM=$(readlink -f "$2")
small=${3:-}
source "$(dirname "$0")/lib.sh"
trap 'dur_cleanup; rm -rf "$ORVYN_HOME" "$XDG_CONFIG_HOME" "$files"' EXIT
files=$(mktemp -d)
status=0

car="耐久车"
printf '\xef\xbb\xbf车辆,当前车辆,汽车制造商,汽车型号,油箱容积(升)\r\n%s,是,东风,轩逸,50\r\n' "$car" \
  >"$files/cars.csv"

dur_begin first_start
dur_run "$orvyn" --import "$files/cars.csv" >/dev/null
dur_mark imported
cat >"$DUR_WORK/first_start.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa"], "absent_until": "imported",
 "checks": [{"name": "car", "sql": "select Name from CarList;", "before": "",
             "after": "$car", "mark": "imported"}]}
EOF
dur_replay "$DUR_WORK/first_start.json" || status=1
if [ -n "$small" ]; then
  # The same run replayed as if no folder were ever synced must lose the
  # import: the replay sees what a missing sync costs.
  if dur_replay "$DUR_WORK/first_start.json" --without-folder-syncs --model strict \
    >"$DUR_WORK/unsynced.out" 2>"$DUR_WORK/unsynced.err"; then
    echo "the replay found nothing lost without folder syncs" >&2
    status=1
  elif ! grep -q "acknowledged" "$DUR_WORK/unsynced.err"; then
    echo "the replay without folder syncs failed otherwise:" >&2
    cat "$DUR_WORK/unsynced.out" "$DUR_WORK/unsynced.err" >&2
    status=1
  fi
  exit $status
fi

# Forty fillings written as the program's own export, then taken out of the
# ledger again, so that the import brings them back.
dur_sql "
with recursive n(i) as (select 1 union all select i + 1 from n where i < 40)
insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, FuelMeter1, FuelMeter2,
  Reserved1, Reserved2, Reserved3, Reserved4)
select 'CAR0001', printf('%07d', i), printf('2025/%02d/%02d', 1 + i / 28, 1 + i % 28), 'n' || i,
  1000 + i * 400, 300 + i, 7.5, 1, 8, '', '', '', '' from n;" >/dev/null
"$orvyn" --export "$files/export" >/dev/null
dur_sql "delete from Refuel;" >/dev/null
refuel=$(ls "$files/export"/*加油记录.csv)

dur_begin csv_import
dur_run "$orvyn" --import "$refuel" --car "$car" >/dev/null
dur_mark imported
cat >"$DUR_WORK/csv_import.json" <<EOF
{"ledger": "home/config/CAR.mdb", "keys": ["vorpa"],
 "checks": [{"name": "fillings", "sql": "select count(*), sum(Amount) from Refuel;",
             "before": "0|", "after": "40|12820.0", "mark": "imported"},
            {"name": "points", "points": "home/backup", "count": 2, "mark": "imported"}]}
EOF
dur_replay "$DUR_WORK/csv_import.json" || status=1
exit $status
