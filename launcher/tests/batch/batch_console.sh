#!/usr/bin/env bash
# batch.exe in a real console: Wine inside tmux, keys typed with tmux, the
# question read from the screen and the answer from the exit code.
# Usage: batch_console.sh /path/to/batch.exe
set -u
BATCH=$1
. "$(dirname "$0")/../../../tests/support/tmux-lib.sh"

# ask NAME: batch.exe with the arguments the repeat-loop script gives it.
ask() {
  PANE=$1
  tm new-session -d -s "$1" -x 100 -y 20 \
    "\"$WINE\" '$BATCH' _ yn ___::: Again? 'N:::^H^H^H^H'; echo EXIT=\$?; sleep 600"
  wait_for "$1" 'Again? N' || fail "no question on the screen"
}

ask yes
keys yes y
wait_for yes 'EXIT=0' || fail "y did not answer 0"
screen_of yes | grep -q '^ *Again? Y$' || fail "the answer did not replace the default N"

ask upper
keys upper Y
wait_for upper 'EXIT=0' || fail "Y did not answer 0"

ask enter
keys enter Enter
wait_for enter 'EXIT=1' || fail "Enter did not take the default N"

echo "batch console: ok"
