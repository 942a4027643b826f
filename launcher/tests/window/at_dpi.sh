#!/usr/bin/env bash
# Runs a window test program with the display at another scale: in a copy
# of the test prefix (made once, under the build directory) whose
# "LogPixels" is DPI, with a wineserver of its own, started and stopped
# here, on an X server of its own whose screen has the pixels of a display
# of that scale (1024 x 768 times DPI / 96).  The suite's server, prefix
# and display are left alone.
#   at_dpi.sh DPI PREFIX_DIR TEST_EXE [gtest arguments...]
# $WINE is the build's Wine loader, $WINEPREFIX the suite's prefix. The
# server is the one beside the loader, which is the one that loader starts
# (for the 32-bit build, the private root's).
set -uo pipefail
dpi=$1 prefix=$2 exe=$3
shift 3
. "$(dirname "$0")/../../../tests/support/private-prefix.sh"
use_private_prefix "$prefix" || exit 1
width=$((1024 * dpi / 96)) height=$((768 * dpi / 96))
for n in $(seq $((200 + RANDOM % 300)) 999); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 1800); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
export DISPLAY=":$n"
# The value, then a server restart, so that the next server reads it.
"$server" -k >/dev/null 2>&1 || true
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1 </dev/null || exit 1
"$server" -w
"$server" -p
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null
VQTEST_DPI=$dpi "$WINE" "$exe" "$@"
rc=$?
"$server" -k || true
exit $rc
