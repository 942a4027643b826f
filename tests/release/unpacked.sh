#!/usr/bin/env bash
# The release zip of a build, unpacked into a fresh directory, holds what a
# Windows user needs and works from there: the batch wrapper calls rovik,
# batch.exe answers the repeat loop, vq imports a captured history and
# writes its scripts beside itself.
# Usage: unpacked.sh BUILD_DIR win32|win64   (WINE names the Wine loader)
set -euo pipefail
build=$1 arch=$2
: "${WINE:?WINE must name the Wine loader}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

(cd "$build" && cpack -G ZIP -B "$work/package" >/dev/null) || fail "cpack could not make the zip"
zip=$(ls "$work"/package/*.zip)
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
top=$(ls -d "$work"/unpacked/*/)
for f in README.txt "$arch/vq.exe" "$arch/rovik.exe" "$arch/batch.exe" "$arch/vqhelp.txt" "$arch/vq.ini" \
  "$arch/XROVIK.BAT"; do
  [ -f "$top/$f" ] || fail "$f is missing from the zip"
done
[ "$(ls "$top" | sort | tr '\n' ' ')" == "README.txt $arch " ] || fail "unexpected files: $(ls "$top")"

# A user's batch file in another directory, with the programs on its PATH.
mkdir "$work/user" "$work/appdata"
printf '%s\r\n' 'dir /w /o' 'ping -n 3 localhost' >"$work/user/captured.txt"
printf '%s\r\n' '@echo off' \
  "set PATH=$(windows_path "$top$arch");%PATH%" \
  "set APPDATA=$(windows_path "$work/appdata")" \
  'start /wait "" vq.exe -stuff captured.txt' \
  'call xrovik.bat -w' \
  'echo wd=%c~wd%' \
  'batch.exe _ yn ___::: Again? N::: <nul' \
  'echo again=%errorlevel%' >"$work/user/check.bat"
# cmd ends with the last errorlevel, batch.exe's 1.
out=$(cd "$work/user" && "$WINE" cmd /c check.bat 2>&1 </dev/null | tr -d '\r' || true)

grep -Fqx "wd=$(windows_path "$work/user")" <<<"$out" || fail "xrovik.bat -w printed: $out"
grep -Fqx "again=1" <<<"$out" || fail "batch.exe without a console did not answer 1: $out"
[ ! -e "$work/user/T~.BAT" ] || fail "xrovik.bat left T~.BAT behind"
[ "$(cat "$work/appdata/vq.txt" 2>/dev/null)" == "$(printf '%s\r\n' 'dir /w /o' 'ping -n 3 localhost')" ] ||
  fail "vq -stuff did not import the captured history"
[ ! -e "$work/user/captured.txt" ] || fail "vq -stuff kept the captured file"
for f in x.bat vqargs.bat; do [ -f "$top$arch/$f" ] || fail "vq did not write $f beside itself"; done
echo "release package: ok"
