#!/usr/bin/env bash
# Ten kill cycles of the durability tool: edits typed into the real window,
# SIGKILL at random moments, every stored edit still in an intact ledger.
exec bash "$(dirname "$0")/../../bench/durability/kill_cycles.sh" "$1" 10
