#!/usr/bin/env bash
# Runs a window test program with the display at another scale: in a copy
# of the test prefix (made once, under the build directory) whose
# "LogPixels" is DPI, with a wineserver of its own, started and stopped
# here.  The suite's server and prefix are left alone.
#   at_dpi.sh DPI PREFIX_DIR TEST_EXE [gtest arguments...]
# $WINE is the build's Wine loader, $WINEPREFIX the suite's prefix.
set -uo pipefail
dpi=$1 prefix=$2 exe=$3
shift 3
base=${WINEPREFIX:?}
if [ ! -f "$prefix/user.reg" ]; then
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  cp -a "$base" "$prefix.tmp" && mv "$prefix.tmp" "$prefix" || exit 1
fi
export WINEPREFIX=$prefix
# The value, then a server restart, so that the next server reads it.
wineserver -k >/dev/null 2>&1 || true
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1 </dev/null || exit 1
wineserver -w
wineserver -p
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null
VQTEST_DPI=$dpi "$WINE" "$exe" "$@"
rc=$?
wineserver -k || true
exit $rc
