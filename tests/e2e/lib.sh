# Shared steps of the real-window tests. Source it, then call start_orvyn.
set -euo pipefail
unset QT_QPA_PLATFORM

E2E_HOME=$(mktemp -d)
E2E_CONFIG=$(mktemp -d)
WM_LOG=$(mktemp)
export ORVYN_HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_CONFIG
ORVYN_PID=
WM_PID=

e2e_cleanup() {
  [ -n "$ORVYN_PID" ] && kill "$ORVYN_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  rm -rf "$E2E_HOME" "$E2E_CONFIG" "$WM_LOG"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# What is on the screen, for a failure report.
describe_screen() {
  {
    echo "window manager: $(kill -0 "$WM_PID" 2>/dev/null && echo running || echo "not running")"
    for w in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
      echo "window $w: '$(xdotool getwindowname "$w" 2>/dev/null)'"
    done
    echo "active: $(xdotool getactivewindow 2>/dev/null)"
    echo "window manager output:"
    cat "$WM_LOG"
  } >&2
}

# A window manager, so that a close request reaches the program as from the
# close box. It is started again whenever it is found not running.
start_wm() {
  openbox --sm-disable >>"$WM_LOG" 2>&1 &
  WM_PID=$!
}
wm_runs() { kill -0 "$WM_PID" 2>/dev/null && wmctrl -m >/dev/null 2>&1; }
# Waits (up to 60 s) until the window manager manages the screen.
wait_for_wm() {
  for _ in $(seq 1 300); do
    wm_runs && return 0
    kill -0 "$WM_PID" 2>/dev/null || start_wm
    sleep 0.2
  done
  describe_screen
  fail "no window manager"
}
start_wm

start_orvyn() {
  wait_for_wm
  "$@" &
  ORVYN_PID=$!
}

# Waits (up to 60 s on a busy machine) until a window with exactly this title
# is shown; prints its id.
wait_for_window() {
  local title=$1 id
  for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended before showing \"$title\""
    sleep 0.2
  done
  fail "no window titled \"$title\""
}

# Waits until the program has ended; prints nothing, fails after the timeout.
wait_for_exit() {
  for _ in $(seq 1 300); do
    kill -0 "$ORVYN_PID" 2>/dev/null || { wait "$ORVYN_PID" || true; ORVYN_PID=; return 0; }
    sleep 0.2
  done
  fail "the program did not end"
}

# Gives a window the keyboard focus and waits until it has it.
focus_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
  for _ in $(seq 1 100); do
    [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$1" ] && return 0
    sleep 0.1
  done
}

# Opens a menu item of the main window and prints the id of the window it
# brings up: clicks the menu bar, presses the keys ("Down Down Return" for the
# second item of "设置", "Right Down Return" for the first of the menu beside
# it), and waits for a shown window whose title matches the pattern. Tries
# three times, then fails.
open_menu_item() {
  local main=$1 keys=$2 pattern=$3 id=
  for _ in 1 2 3; do
    focus_window "$main"
    xdotool mousemove --window "$main" 20 10 click 1
    sleep 0.5
    # shellcheck disable=SC2086
    xdotool key --delay 100 $keys
    for _ in $(seq 1 50); do
      id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
      [ -n "$id" ] && { echo "$id"; return 0; }
      sleep 0.2
    done
    xdotool key Escape Escape
  done
  describe_screen
  fail "\"$pattern\" did not open from the menu"
}

# The processes of a program binary that run on this test's data folder.
own_pids() {
  local bin pid
  bin=$(readlink -f "$1")
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    [ "$(readlink -f "/proc/$pid/exe" 2>/dev/null)" = "$bin" ] || continue
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "ORVYN_HOME=$E2E_HOME" && echo "$pid"
  done
  return 0
}

# Answers the first message box that is not the window given (a box just
# answered may still be shown for a moment) and prints its id.
answer_new_box() {
  local key=$1 why=$2 previous=${3:-} box=
  for _ in $(seq 1 150); do
    box=$(xdotool search --onlyvisible --name '^Qinmo$' 2>/dev/null | grep -vxF "${previous:-none}" | head -n 1 || true)
    [ -n "$box" ] && break
    sleep 0.2
  done
  [ -n "$box" ] || fail "$why"
  focus_window "$box"
  xdotool key "$key"
  echo "$box"
}

# Waits until no message box is shown.
wait_no_box() {
  for _ in $(seq 1 150); do
    [ -z "$(find_box)" ] && return 0
    sleep 0.2
  done
  fail "a message box stays open"
}

# Waits until the restore program has started the program again, a process
# other than old_pid on this test's data folder, and takes it as ORVYN_PID.
wait_for_restart() {
  local bin=$1 old_pid=$2 pid=
  for _ in $(seq 1 450); do
    pid=$(own_pids "$bin" | grep -vx "$old_pid" | head -n 1 || true)
    [ -n "$pid" ] && { ORVYN_PID=$pid; return 0; }
    sleep 0.2
  done
  fail "the program was not started again"
}

# The id of a shown message box (caption "Qinmo"), or nothing.
find_box() { xdotool search --onlyvisible --name '^Qinmo$' 2>/dev/null | head -n 1 || true; }

# Waits (up to 30 s) for a message box and answers it with a key; fails with
# the text given when none shows.
answer_box() { answer_new_box "$1" "$2" >/dev/null; }

# Asks the main window to close as its close box does and prints the id of the
# close question ("Qinmo"). A request made before the window manager manages
# the window is lost, so it is repeated until the question shows (up to 60 s).
request_close() {
  local id=$1 box=
  for attempt in $(seq 1 300); do
    if [ $((attempt % 25)) = 1 ]; then
      wm_runs || wait_for_wm
      wmctrl -i -c "$id" 2>/dev/null || true
    fi
    box=$(find_box)
    [ -n "$box" ] && { echo "$box"; return 0; }
    kill -0 "$ORVYN_PID" 2>/dev/null || fail "the program ended without a close question"
    sleep 0.2
  done
  describe_screen
  fail "no close question"
}

# Closes the program through its close question and waits until it has ended.
close_program() {
  local box
  box=$(request_close "$1")
  focus_window "$box"
  xdotool key Return
  wait_for_exit
}

# Gives characters the keyboard lacks (full-width digits, "￥") spare keycodes,
# so that xdotool types them without changing the keymap under a running
# program, which could then read a key with the old map. Call it before the
# program starts.
map_keys() {
  local text=$1 free ch k=0
  free=($(xmodmap -pke | awk 'NF == 3 { print $2 }'))
  for ((i = 0; i < ${#text}; i++)); do
    ch=${text:i:1}
    [ $k -lt ${#free[@]} ] || fail "no spare keycode for $ch"
    xmodmap -e "keycode ${free[$k]} = U$(printf %04X "'$ch")"
    k=$((k + 1))
  done
}

# Runs SQL on the ledger file with its key, through the sqlcipher shell.
ledger_sql() {
  printf ".timeout 5000\nPRAGMA key='vorpa';\n%s\n" "$1" | sqlcipher "$E2E_HOME/config/CAR.mdb"
}

# Reads the screen through screen_colours (ScreenColours.cpp), whose path the
# test gets in E2E_SCREEN: "screen count X Y W H" prints "rrggbb n" for each
# colour of the rectangle, "screen column X Y H" the runs of colour down a
# column, "screen save FILE" an image of the whole screen.
screen() { "${E2E_SCREEN:?no screen_colours given in E2E_SCREEN}" "$@" 2>/dev/null; }
# Keeps an image of the screen beside the other temporary files for a
# failure report.
keep_screen() { screen save "${TMPDIR:-/tmp}/$1.png" || true; }

# Waits (up to 30 s) until a query on the ledger file gives the expected text;
# fails with both texts (and an image of the screen) otherwise.
expect_sql() {
  local got=
  for _ in $(seq 1 150); do
    got=$(ledger_sql "$1" 2>/dev/null || true)
    [ "$got" = "$2" ] && return 0
    sleep 0.2
  done
  keep_screen "$(basename "$0" .sh)"
  fail "'$1' gives '$got', expected '$2'"
}
