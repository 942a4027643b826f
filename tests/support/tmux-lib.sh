# Helpers for tests that drive a console program under Wine inside tmux:
# a private tmux server, a pane running one command, keys in, screen out.
# Sourced by the console test scripts.

# The Wine loader of the build's architecture, set by the test run.
WINE=${WINE:?WINE must name the Wine loader}

TMUX_SOCKET="console-test-$$"
tm() { tmux -L "$TMUX_SOCKET" "$@"; }

# start_pane NAME COMMAND...: runs the command in a 100x50 pane; when it ends
# the pane shows "EXIT=<code>" and stays until the session is killed.
start_pane() {
  local name=$1; shift
  tm new-session -d -s "$name" -x 100 -y 50 "$*; echo EXIT=\$?; sleep 600"
}

screen_of() { tm capture-pane -t "$1" -p -S -200; }

# How long a wait may take before it counts as a failure: far above what the
# slowest machine we test on needs (32-bit programs through an emulator on a
# busy machine). Each wait ends as soon as its event happens.
PATIENCE=180

# wait_for NAME PATTERN [SECONDS]: waits until the pane shows PATTERN.
wait_for() {
  local name=$1 pattern=$2 limit=${3:-$PATIENCE} i
  for ((i = 0; i < limit * 10; i++)); do
    if screen_of "$name" | grep -q -- "$pattern"; then return 0; fi
    sleep 0.1
  done
  echo "timed out waiting for '$pattern'; screen was:" >&2
  screen_of "$name" >&2
  return 1
}

# keys NAME KEY...: types into the program of the pane, once it has its
# console (see wait_console): keys that reach the terminal before then are
# echoed by it, escape sequences and all, and never reach the program.
keys() {
  local name=$1; shift
  wait_console "$name" || return 1
  tm send-keys -t "$name" "$@"
}

fail() { echo "FAIL: $*" >&2; screen_of "$PANE" >&2 || true; exit 1; }

cleanup_tmux() { tm kill-server 2>/dev/null || true; }
trap cleanup_tmux EXIT

# wait_console NAME [SECONDS]: waits until the program in the pane has its
# console. Wine's console then switches the pane's terminal to raw mode;
# until it does, the terminal itself echoes what is typed (a slow start,
# under an emulator for one, shows that).
wait_console() {
  local name=$1 limit=${2:-$PATIENCE} tty i
  tty=$(tm display -p -t "$name" '#{pane_tty}')
  for ((i = 0; i < limit * 10; i++)); do
    if stty -F "$tty" -a 2>/dev/null | grep -qE '(^| )-echo( |$)'; then return 0; fi
    sleep 0.1
  done
  echo "timed out waiting for the console of '$name'" >&2
  return 1
}
