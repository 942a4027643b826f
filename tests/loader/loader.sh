#!/usr/bin/env bash
# What every test relies on in the build's Wine loader ($WINE), whichever
# way it runs Wine (the host's, or the private 32-bit root's entered for
# each call): exit codes come back, the working directory, files and
# environment are the same for the Windows program as for the caller,
# programs that Wine starts in turn run in the same Wine, and the programs
# are of the build's architecture. For the root's loader also: without a
# root it says so instead of running anything.
# Usage: loader.sh x86|AMD64   (the build's PROCESSOR_ARCHITECTURE)
set -uo pipefail
arch=$1
: "${WINE:?WINE must name the Wine loader}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }
# wine_out ARGS...: the program's standard output, without carriage returns.
wine_out() { "$WINE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# Exit codes, of the program and of a program it starts.
while read -r code cmdline; do
  "$WINE" cmd /c "$cmdline" </dev/null >/dev/null 2>&1
  rc=$?
  [ "$rc" = "$code" ] || fail "cmd /c $cmdline: exit code $rc, expected $code"
done <<'CASES'
0 exit 0
7 exit 7
200 exit 200
5 cmd /c exit 5
CASES

# The working directory, in /tmp and in the build.
for dir in "$work" "$PWD"; do
  got=$(cd "$dir" && wine_out cmd /c cd)
  [ "$got" = "$(windows_path "$dir")" ] || fail "in $dir, cmd's directory is '$got'"
done

# Files both ways, by Windows path and by relative path.
echo from-linux >"$work/in.txt"
got=$(wine_out cmd /c type "$(windows_path "$work/in.txt")")
[ "$got" = from-linux ] || fail "a file written here reads as '$got' in Wine"
(cd "$work" && "$WINE" cmd /c "echo from-wine>out.txt" </dev/null >/dev/null 2>&1)
[ "$(tr -d '\r' <"$work/out.txt" 2>/dev/null)" = from-wine ] ||
  fail "a file written in Wine is not here"

# The caller's environment, in the program and in its children.
got=$(LOADER_TEST_VALUE=abc wine_out cmd /c "cmd /c echo %LOADER_TEST_VALUE%")
[ "$got" = abc ] || fail "the environment reached the child as '$got'"

# The build's architecture, in the program and in its children.
for cmdline in "echo %PROCESSOR_ARCHITECTURE%" "cmd /c echo %PROCESSOR_ARCHITECTURE%"; do
  got=$(wine_out cmd /c "$cmdline")
  [ "$got" = "$arch" ] || fail "$cmdline: '$got', expected $arch"
done

# The root's loader, with no root: a message and status 127, nothing run.
if [ -f "${WINE%/*}/wineserver" ] && grep -q 'I386_ROOT' "$WINE" 2>/dev/null; then
  out=$(I386_ROOT="$work/none" "$WINE" cmd /c exit 0 2>&1)
  rc=$?
  [ "$rc" = 127 ] || fail "without a root: status $rc, expected 127"
  case $out in *"no private 32-bit root"*"$work/none"*) ;; *) fail "without a root: '$out'" ;; esac
fi

[ "$failures" = 0 ] || exit 1
echo "loader: all cases passed"
