# What this machine can run: the probes behind the choice of architecture
# (scripts/env.sh) and of Wine's packages (scripts/setup). Sourced, not run.

WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64

# Does the kernel run 32-bit x86 programs? Some machines run 64-bit user
# code only; there a 32-bit program, Wine's own loader included, fails with
# "Exec format error". The probe is the smallest i386 program that exits 0.
kernel_runs_i386() {
  local probe rc
  mkdir -p "$ROOT/build" && probe=$(mktemp -p "$ROOT/build") || return 1
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'\
'\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'\
'\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000'\
'\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010'\
'\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000'\
'\000\020\000\000\270\001\000\000\000\061\333\315\200' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null
  rc=$?
  rm -f "$probe"
  return $rc
}

# Can Wine start 32-bit Windows programs here? Its 32-bit loader must be
# installed and the kernel must run it.
wine_runs_i686() { "$WINE32_LOADER" --version >/dev/null 2>&1; }
