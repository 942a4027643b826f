#!/usr/bin/env bash
# -g's line input with letters of several bytes and with letters the
# console's code page lacks: rovik under Wine inside tmux, run from a batch
# file after "chcp 65001" and "chcp 437", keys typed with tmux, the set line
# read from the -o file byte for byte, the console's output logged for its
# bell.
# Usage: letters_console.sh /path/to/rovik.exe
set -u
ROVIK=$1
. "$(dirname "$0")/../../../tests/support/tmux-lib.sh"
WORK=$(mktemp -d)
trap 'cleanup_tmux; rm -rf "$WORK"' EXIT
cd "$WORK"
ROVIK_WIN="Z:$(echo "$ROVIK" | tr / '\\')"

hex() { od -An -tx1 | tr -d ' \n'; }
expect_bytes() {  # FILE PRINTF-TEXT
  [ -f "$1" ] || fail "$1 was not written"
  [ "$(hex < "$1")" == "$(printf "$2" | hex)" ] || fail "$1 holds $(hex < "$1"), expected $(printf "$2" | hex)"
}
bells() { tr -cd '\a' < "$WORK/$1.log" | wc -c; }
# wait_bells NAME COUNT: until the pane's output holds COUNT bells (tmux
# hands it on to the log on its own time).
wait_bells() {
  local i
  for ((i = 0; i < ${PATIENCE:-60} * 10; i++)); do
    [ "$(bells "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

# A prompt that leaves five columns to column 78: the field is as long as
# asked (6 letters), not widened.
PROMPT=$(printf 'P%.0s' $(seq 71))
# start NAME CODEPAGE: rovik -g 6 in a batch file after chcp.
start() {
  PANE=$1
  printf '@chcp %s >nul\r\n@"%s" -o %s.bat -g 6 nm %s\r\n' "$2" "$ROVIK_WIN" "$1" "$PROMPT" > "$1.cmd"
  tm new-session -d -s "$1" -x 100 -y 20 -c "$WORK" "'$WINE' cmd /c $1.cmd; echo EXIT=\$?; sleep 600"
  tm pipe-pane -t "$1" -o "cat >> '$WORK/$1.log'"
  wait_for "$1" "$PROMPT" || fail "no prompt"
  wait_console "$1" || fail "no console"
}

# UTF-8: é and each CJK letter are one letter each; Backspace takes a
# whole letter; the full field takes nothing more; no bell.
# (Wine's console gives a CJK letter one column where the terminal gives it
# two, so only the letters before them are looked for on the screen.)
start utf8 65001
keys utf8 -l 'café漢字'
wait_for utf8 'café' || fail "the typed letters are not shown"
keys utf8 -l 'z'
keys utf8 BSpace
keys utf8 -l 'x'
keys utf8 Enter
wait_for utf8 'EXIT=0' || fail "Enter did not end the run with 0"
expect_bytes utf8.bat 'set nm=caf\xc3\xa9\xe6\xbc\xa2x\r\n'
[ "$(bells utf8)" == 0 ] || fail "a key was refused under 65001"

# OEM 437: é is one byte of it (0x82); the CJK letters are not: each is
# refused with the bell, and nothing stands in for it.
start oem 437
keys oem -l 'caf漢é字'
wait_for oem 'café' || fail "the typed letters are not shown"
keys oem Enter
wait_for oem 'EXIT=0' || fail "Enter did not end the run with 0"
expect_bytes oem.bat 'set nm=caf\x82\r\n'
wait_bells oem 2 || fail "$(bells oem) bells for two refused letters"
[ "$(bells oem)" == 2 ] || fail "$(bells oem) bells for two refused letters"

echo "console letters: ok"
