#!/usr/bin/env bash
# -g and -getch in a real console: rovik under Wine inside tmux, keys typed
# with tmux, the screen read back, the set lines read from -o files.
# Usage: getline_console.sh /path/to/rovik.exe
set -u
ROVIK=$1
. "$(dirname "$0")/../../../tests/support/tmux-lib.sh"
WORK=$(mktemp -d)
trap 'cleanup_tmux; rm -rf "$WORK"' EXIT
cd "$WORK"

# start NAME ARGS...: rovik with the arguments, in $WORK.
start() { local name=$1; shift; PANE=$name; tm new-session -d -s "$name" -x 100 -y 20 -c "$WORK" \
    "'$WINE' '$ROVIK' $*; echo EXIT=\$?; sleep 600"; }
crlf_line() { printf '%s\r\n' "$1"; }
expect_file() {  # FILE CONTENT
  [ -f "$1" ] || fail "$1 was not written"
  [ "$(cat "$1")" == "$2" ] || fail "$1 holds '$(cat -A "$1")', expected '$2'"
}
# Wine's console understands the xterm forms of these keys.
HOME_KEY=$'\e[H'; END_KEY=$'\e[F'

# Enter: prompt words on the screen, editing with moves and insert.
start enter -o out1.bat -g 10 name Your name?
wait_for enter 'Your name?' || fail "no prompt"
keys enter a b c Left Left X
wait_for enter 'Your name? aXbc' || fail "typing not shown"
keys enter Enter
wait_for enter 'EXIT=0' || fail "Enter did not end the run with 0"
expect_file out1.bat "$(crlf_line 'set name=aXbc')"

# Esc: exit 18 and nothing written.
start esc -o out2.bat -g 10 name Cancel?
wait_for esc 'Cancel?' || fail "no prompt"
keys esc z z
wait_for esc 'Cancel? zz' || fail "typing not shown"
keys esc Escape
wait_for esc 'EXIT=18' || fail "Esc did not end the run with 18"
[ -e out2.bat ] && fail "Esc still wrote the output file"

# The field reaches column 78 even when a shorter length is asked for;
# Home, Delete, Backspace, overwrite and Ctrl+Q D on the way.
start wide -o out3.bat -g3 w P
wait_for wide '^P' || fail "no prompt"
keys wide -l 'abcdefgh'
keys wide "$HOME_KEY" Delete Right BSpace
wait_for wide 'P cdefgh' || fail "Home/Delete/Backspace: $(screen_of wide | head -1)"
keys wide Insert Z C-q d '!' Enter
wait_for wide 'EXIT=0' || fail "Enter did not end the run"
expect_file out3.bat "$(crlf_line 'set w=Zdefgh!')"

# A default file: its first line is the start text, the result goes back
# into it; -q quotes a value with blanks in both places.
printf 'old text\r\nsecond line\r\n' > last.txt
start file -q -o out4.bat -g 30 v Edit ^last.txt
wait_for file 'Edit old text' || fail "default line not shown"
keys file -l ' more'
keys file Enter
wait_for file 'EXIT=0' || fail "Enter did not end the run"
expect_file out4.bat "$(crlf_line 'set v="old text more"')"
expect_file last.txt "$(crlf_line '"old text more"')"

# The ":" source: the variable being asked for gives the start text.
PANE=envvar
tm new-session -d -s envvar -x 100 -y 20 -c "$WORK" \
  "GREETING=hello '$WINE' '$ROVIK' -o out5.bat -g 10 GREETING Say ^^: ; echo EXIT=\$?; sleep 600"
wait_for envvar 'Say hello' || fail "variable not offered"
keys envvar "$END_KEY" '!' Enter
wait_for envvar 'EXIT=0' || fail "Enter did not end the run"
expect_file out5.bat "$(crlf_line 'set GREETING=hello!')"

# From an argument file: length, name and prompt words are lines 1, 2, 3...
printf '1 20\n2 city\n3 Where\n4 to?\n' > args.txt
start argfile -argv args.txt -o out7.bat -g
wait_for argfile 'Where to?' || fail "prompt words not read from the file"
keys argfile -l 'Oslo'
keys argfile Enter
wait_for argfile 'EXIT=0' || fail "Enter did not end the run"
expect_file out7.bat "$(crlf_line 'set city=Oslo')"

# A field longer than the rest of a narrow screen line: moving back crosses
# the line break, and the insertion lands at the start of the field.
PANE=narrow
tm new-session -d -s narrow -x 40 -y 10 -c "$WORK" "'$WINE' '$ROVIK' -o out8.bat -g 60 n Long_prompt_here; echo EXIT=\$?; sleep 600"
wait_for narrow 'Long_prompt_here' || fail "no prompt"
keys narrow -l 'abcdefghijklmnopqrstuvwxyz0123456789'
keys narrow "$HOME_KEY" X
wait_for narrow 'Long_prompt_here Xabcdefghijklmnopqrstuv$' || fail "Home did not reach the field's start"
keys narrow "$END_KEY" '!' Enter
wait_for narrow 'EXIT=0' || fail "Enter did not end the run"
expect_file out8.bat "$(crlf_line 'set n=Xabcdefghijklmnopqrstuvwxyz0123456789!')"

# -getch: one key, no Enter.
start getch -o out6.bat -getch
wait_console getch || fail "no console"
keys getch y
wait_for getch 'EXIT=0' || fail "-getch did not end after one key"
expect_file out6.bat "$(crlf_line 'set g~ch=y')"
screen_of getch | head -1 | grep -q y && fail "-getch echoed the key"

# A typed é reaches a batch file as the same letter: the set lines are in
# the console's code page (437 here), the one the interpreter reads the
# batch file in. The batch file spells é as 0x82.
expect_file_bytes() {  # FILE HEX
  [ -f "$1" ] || fail "$1 was not written"
  [ "$(od -An -tx1 "$1" | tr -d ' \n')" == "$2" ] || fail "$1 holds $(od -An -tx1 "$1"), expected $2"
}
start accent -o out9.bat -g 10 name Name?
wait_for accent 'Name?' || fail "no prompt"
keys accent -l 'aéb'
wait_for accent 'Name? aéb' || fail "the typed é is not shown"
keys accent Enter
wait_for accent 'EXIT=0' || fail "Enter did not end the run"
expect_file_bytes out9.bat "$(printf 'set name=a\x82b\r\n' | od -An -tx1 | tr -d ' \n')"
start accentkey -o out10.bat -getch
wait_console accentkey || fail "no console"
keys accentkey -l 'é'
wait_for accentkey 'EXIT=0' || fail "-getch did not end after é"
expect_file_bytes out10.bat "$(printf 'set g~ch=\x82\r\n' | od -An -tx1 | tr -d ' \n')"

# The same under the interpreter in this console, compared by the batch file.
ROVIK_WIN="Z:$(echo "$ROVIK" | tr / '\\')"
printf '@echo off\r\n"%s" -g 10 name Name? >T~.BAT\r\ncall T~.BAT\r\nif "%%name%%"=="a\x82b" echo SAME-G\r\n"%s" -getch >T~.BAT\r\ncall T~.BAT\r\nif "%%g~ch%%"=="\x82" echo SAME-GETCH\r\n' \
  "$ROVIK_WIN" "$ROVIK_WIN" > accent.bat
PANE=accentbat
tm new-session -d -s accentbat -x 100 -y 20 -c "$WORK" "'$WINE' cmd /c accent.bat; echo EXIT=\$?; sleep 600"
wait_for accentbat 'Name?' || fail "no prompt under the interpreter"
keys accentbat -l 'aéb'
keys accentbat Enter
wait_for accentbat 'SAME-G' || fail "-g's é did not reach the batch file as é"
sleep 1
keys accentbat -l 'é'
wait_for accentbat 'SAME-GETCH' || fail "-getch's é did not reach the batch file as é"

echo "console line input: ok"
