# Shared steps of the real-window tests. Source it, then call start_orvyn.
set -euo pipefail
unset QT_QPA_PLATFORM

E2E_HOME=$(mktemp -d)
E2E_CONFIG=$(mktemp -d)
export ORVYN_HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_CONFIG
ORVYN_PID=
WM_PID=

e2e_cleanup() {
  [ -n "$ORVYN_PID" ] && kill "$ORVYN_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  rm -rf "$E2E_HOME" "$E2E_CONFIG"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A window manager, so that a close request reaches the program as from the close box.
openbox >/dev/null 2>&1 &
WM_PID=$!

start_orvyn() {
  "$@" &
  ORVYN_PID=$!
}

# Waits until a window with exactly this title is shown; prints its id.
wait_for_window() {
  local title=$1 id
  for _ in $(seq 1 150); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended before showing \"$title\""
    sleep 0.2
  done
  fail "no window titled \"$title\""
}

# Waits until the program has ended; prints nothing, fails after the timeout.
wait_for_exit() {
  for _ in $(seq 1 100); do
    kill -0 "$ORVYN_PID" 2>/dev/null || { wait "$ORVYN_PID" || true; ORVYN_PID=; return 0; }
    sleep 0.2
  done
  fail "the program did not end"
}

# Runs SQL on the ledger file with its key, through the sqlcipher shell.
ledger_sql() {
  printf "PRAGMA key='vorpa';\n%s\n" "$1" | sqlcipher "$E2E_HOME/config/CAR.mdb"
}
