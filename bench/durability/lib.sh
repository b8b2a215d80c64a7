# Shared steps of the power-cut replays. Source it after setting DUR_SHIM (the
# durability_shim library); ORVYN_HOME and XDG_CONFIG_HOME name the data and
# configuration folders of the program under test (fresh ones are made when
# they are unset).
#
#   dur_begin NAME            snapshot the folders and start a log for NAME
#   dur_run COMMAND...        run a command with its file changes recorded
#   dur_mark LABEL            the program has shown what LABEL stands for as saved
#   dur_replay SCENARIO.json [REPLAY OPTIONS]
#                             replay every state; prints a JSON line per model
DUR_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
: "${ORVYN_HOME:=$(mktemp -d)}"
: "${XDG_CONFIG_HOME:=$(mktemp -d)}"
export ORVYN_HOME XDG_CONFIG_HOME
DUR_WORK=$(mktemp -d)
DUR_NAME=
DUR_LOG=

dur_begin() {
  DUR_NAME=$1
  DUR_LOG=$DUR_WORK/$1.log
  rm -rf "$DUR_WORK/$1.snapshot"
  mkdir -p "$DUR_WORK/$1.snapshot/config"
  cp -a "$ORVYN_HOME" "$DUR_WORK/$1.snapshot/home"
  if [ -d "$XDG_CONFIG_HOME/OrvynSoft" ]; then
    cp -a "$XDG_CONFIG_HOME/OrvynSoft" "$DUR_WORK/$1.snapshot/config/"
  fi
  : >"$DUR_LOG"
}

dur_run() {
  LD_PRELOAD=$DUR_SHIM DURABILITY_LOG=$DUR_LOG \
    DURABILITY_ROOTS=$ORVYN_HOME:$XDG_CONFIG_HOME/OrvynSoft "$@"
}

dur_mark() { printf 'mark\t0\t%s\t0\n' "$1" >>"$DUR_LOG"; }

# Replays the log of the scenario begun last; failing states are kept below
# DUR_KEEP when it is set; DUR_REPLAY_OPTIONS go to replay.py (such as
# "--without-folder-syncs", to see what the folder syncs save).
dur_replay() {
  local keep=()
  [ -n "${DUR_KEEP:-}" ] && { mkdir -p "$DUR_KEEP/$DUR_NAME"; keep=(--keep "$DUR_KEEP/$DUR_NAME"); }
  python3 "$DUR_DIR/replay.py" --log "$DUR_LOG" --snapshot "$DUR_WORK/$DUR_NAME.snapshot" \
    --root "home=$ORVYN_HOME" --root "config=$XDG_CONFIG_HOME" --scenario "$1" \
    --name "$DUR_NAME" "${keep[@]}" ${DUR_REPLAY_OPTIONS:-} "${@:2}"
}

# Runs SQL on the ledger as it is now (outside any recording).
dur_sql() {
  printf ".timeout 5000\nPRAGMA key='%s';\n%s\n" "${DUR_KEY:-vorpa}" "$1" |
    sqlcipher "$ORVYN_HOME/config/CAR.mdb"
}

dur_cleanup() { rm -rf "$DUR_WORK"; }
