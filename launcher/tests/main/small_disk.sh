#!/usr/bin/env bash
# Runs a window test program with a small file system to fill: a tmpfs of
# 2 MiB mounted under /tmp, named to the tests in VQ_SMALL_DISK as a Z:
# path.  The program runs in a copy of the test prefix (made once, under
# the build directory) with a wineserver of its own, started here after
# the mount: the suite's server (for the 32-bit build, inside a mount
# namespace of the private root made before the mount) would not see it.
# Mounting needs root; elsewhere the program runs without VQ_SMALL_DISK
# and its tests say why they skip.
#   small_disk.sh PREFIX_DIR TEST_EXE [gtest arguments...]
# $WINE is the build's Wine loader, $WINEPREFIX the suite's prefix.
set -uo pipefail
prefix=$1 exe=$2
shift 2
if [ "$(id -u)" != 0 ]; then
  echo "small_disk.sh: not root, so no file system can be mounted: the full-disk tests skip" >&2
  VQ_SMALL_DISK_MISSING="not root, so small_disk.sh cannot mount one" "$WINE" "$exe" "$@"
  exit $?
fi
. "$(dirname "$0")/../../../tests/support/private-prefix.sh"
use_private_prefix "$prefix" || exit 1
disk=$(mktemp -d /tmp/vq-small-disk.XXXXXX) || exit 1
if ! mount -t tmpfs -o size=2m,mode=0777 vq-small-disk "$disk"; then
  echo "small_disk.sh: cannot mount a tmpfs on $disk" >&2
  rmdir "$disk"
  exit 1
fi
cleanup() {
  "$server" -k >/dev/null 2>&1 || true
  umount "$disk" && rmdir "$disk"
}
trap cleanup EXIT
"$server" -k >/dev/null 2>&1 || true
"$server" -p
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null
VQ_SMALL_DISK="Z:${disk//\//\\}" "$WINE" "$exe" "$@"
