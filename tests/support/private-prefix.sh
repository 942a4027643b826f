# A test's own copy of the suite's Wine prefix, for a test that needs its own
# wineserver (another display scale, a file system mounted after the
# suite's server started). Sourced by such test scripts.

# use_private_prefix DIR: copies $WINEPREFIX into DIR once, then makes it
# the prefix; sets $server to the server beside $WINE (for the 32-bit build
# the private root's, which that loader starts).
use_private_prefix() {
  local prefix=$1 base=${WINEPREFIX:?}
  server=${WINE%/*}/wineserver
  [ -x "$server" ] || server=wineserver
  if [ ! -f "$prefix/user.reg" ]; then
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$base" "$prefix.tmp" && mv "$prefix.tmp" "$prefix" || return 1
  fi
  export WINEPREFIX=$prefix
}
