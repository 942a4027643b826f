#!/usr/bin/env bash
# rovik in a real console: the usage pages itself with "More?" questions,
# and a fatal report waits for a key before the run ends.
# Usage: usage_console.sh Z:\path\to\rovik.exe-as-linux-path
set -u
ROVIK=$1
. "$(dirname "$0")/../../../tests/support/tmux-lib.sh"

# Paging: Y shows the next section, anything else stops.
PANE=usage
start_pane $PANE "$WINE" "$ROVIK"
wait_for $PANE 'More? (Y/): N' || fail "no More? question"
screen_of $PANE | grep -q 'You can redirect this information to a file' || fail "no redirect hint"
screen_of $PANE | grep -q 'OPERATION OPTIONS' && fail "section 2 shown before the answer"
keys $PANE y
wait_for $PANE 'OPERATION OPTIONS' || fail "Y did not show section 2"
keys $PANE n
wait_for $PANE 'EXIT=17' || fail "n did not end the run with 17"
screen_of $PANE | grep -q 'MODIFYING OPTIONS' && fail "section 3 shown after n"

# The key wait after a fatal report.
PANE=keywait
start_pane $PANE "$WINE" "$ROVIK" -zzz
wait_for $PANE 'press a key' || fail "no key prompt"
screen_of $PANE | grep -q 'argument -zzz not recognized' || fail "no report"
sleep 1
screen_of $PANE | grep -q 'EXIT=' && fail "ended without a key"
keys $PANE x
wait_for $PANE 'EXIT=1' || fail "key did not end the run with 1"

# -k- before the failure: no prompt, no wait.
PANE=nowait
start_pane $PANE "$WINE" "$ROVIK" -k- -zzz
wait_for $PANE 'EXIT=1' || fail "-k- run did not end by itself"
screen_of $PANE | grep -q 'press a key' && fail "-k- still prompted"

echo "console usage and key wait: ok"
