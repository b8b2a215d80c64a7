#!/usr/bin/env bash
# First start in an empty data folder: the window titled for "no car", then the
# ledger file with all eleven tables, readable only with its key.
source "$(dirname "$0")/lib.sh"
orvyn=$1

start_orvyn "$orvyn" /nopassword
id=$(wait_for_window "Qinmo【请选择或创建管理车辆】")

close_program "$id"

[ -f "$E2E_HOME/config/CAR.mdb" ] || fail "no ledger file"
tables=$(ledger_sql "select count(*) from sqlite_master where type='table' and name not like 'sqlite%';")
[ "$tables" = "11" ] || fail "expected 11 tables, found '$tables'"
ledger_sql "select NO, CarID, Name, Used from CarList;" >/dev/null || fail "CarList unreadable"
if printf "select count(*) from sqlite_master;\n" | sqlcipher "$E2E_HOME/config/CAR.mdb" >/dev/null 2>&1; then
  fail "the ledger opens without its key"
fi
echo "first start: ok"
