# Shared environment of the project's scripts: which Windows architecture
# this machine can run, where its build and its Wine prefix live, and the
# one Wine loader that starts every Windows program ($WINE_LOADER, with its
# server $WINE_SERVER). Sourced, not run.
#
#   ARCH=i686|x86_64   forces the architecture (default: i686 where this
#                      machine runs 32-bit code, else x86_64)
#   BUILD_ROOT         where the builds live (default build/)
#   BUILD_DIR          this architecture's build (default $BUILD_ROOT/$ARCH)
#   WINEPREFIX         Wine prefix (default $BUILD_DIR/wineprefix)
ROOT="${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

. "$ROOT/scripts/probes.sh"

if [ -z "${ARCH:-}" ]; then
  if wine_runs_i686; then ARCH=i686; else ARCH=x86_64; fi
fi
case "$ARCH" in
  i686)
    # The root's Wine, entered through scripts/i386-root; that directory
    # comes first in PATH, so that "wine" and "wineserver" by name are the
    # root's too.
    WINE_LOADER=$WINE32_LOADER
    case ":$PATH:" in
      *":${WINE32_LOADER%/*}:"*) ;;
      *) export PATH="${WINE32_LOADER%/*}:$PATH" ;;
    esac
    export WINEARCH=win32 ;;
  x86_64)
    # /usr/bin/wine would pick the 32-bit loader whenever it is installed,
    # even for a 64-bit program on a machine that cannot run it.
    WINE_LOADER=$WINE64_LOADER
    export WINEARCH=win64 ;;
  *) echo "ARCH must be i686 or x86_64, not '$ARCH'" >&2; exit 2 ;;
esac
# The server of that Wine: the one beside its loader, as Wine itself finds it.
WINE_SERVER=${WINE_LOADER%/*}/wineserver
export ARCH WINE_LOADER WINE_SERVER
# Programs that Wine starts in turn (cmd, a test's children) use it too.
export WINELOADER="$WINE_LOADER"
export BUILD_ROOT="${BUILD_ROOT:-$ROOT/build}"
export BUILD_DIR="${BUILD_DIR:-$BUILD_ROOT/$ARCH}"
export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

