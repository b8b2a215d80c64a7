#!/usr/bin/env bash
# Every power-cut replay: the command line's (command_line.sh) and the
# window's (window.sh, on an Xvfb screen of its own), then a table of the
# states replayed under each model and how many of them opened, passed
# PRAGMA integrity_check, kept every acknowledged change and held each change
# whole or not at all.
#
#   bench/durability/run_all.sh build/bin/orvyn build/bench/libdurability_shim.so
#
# Ends with status 1 when any state failed (they are described on stderr).
set -uo pipefail
here=$(dirname "$0")
orvyn=$(readlink -f "$1")
shim=$(readlink -f "$2")
results=$(mktemp)
trap 'rm -f "$results"' EXIT
status=0
bash "$here/command_line.sh" "$orvyn" "$shim" >>"$results" || status=1
screen_colours=$(dirname "$orvyn")/../tests/screen_colours
E2E_SCREEN=$(readlink -f "$screen_colours") xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash "$here/window.sh" "$orvyn" "$shim" >>"$results" || status=1

python3 - "$results" <<'EOF'
import json, sys
rows = {}
for line in open(sys.argv[1], encoding="utf-8"):
    if line.startswith("{"):
        r = json.loads(line)
        rows.setdefault(r["scenario"], {})[r["model"]] = r
print(f"{'scenario':<18} {'model':<7} {'states':>6} {'opened':>7} {'intact':>7} "
      f"{'acked kept':>10} {'whole':>6}")
for name, models in rows.items():
    for model, r in models.items():
        print(f"{name:<18} {model:<7} {r['states']:>6} {r['opened']:>7} {r['integrity_ok']:>7} "
              f"{r['acknowledged_kept']:>10} {r['whole_or_none']:>6}")
EOF
exit $status
