# What this machine can run: the probes behind the choice of architecture
# (scripts/env.sh) and of Wine's packages (scripts/setup). Sourced, not run.

WINE64_LOADER=/usr/lib/wine/wine64
# 32-bit Wine lives in a private i386 root made from the distribution's main
# suite (scripts/setup), outside the clone so that every clone shares it; it
# does not depend on the host's package architectures or on the state of
# their mirrors. The loader and server below enter it for each call.
I386_ROOT=${I386_ROOT:-/var/cache/batchtools/i386-root}
WINE32_LOADER=$ROOT/scripts/i386-root/wine

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

# Can Wine start 32-bit Windows programs here? The root must be complete
# and the kernel must run its loader.
wine_runs_i686() {
  [ -f "$I386_ROOT/.complete" ] && "$WINE32_LOADER" --version >/dev/null 2>&1
}

# The binfmt_misc registration, if any, through which the kernel hands
# 32-bit x86 programs to a user-mode emulator: its interpreter's path.
I386_ELF_MAGIC=7f454c4601010100000000000000000002000300
i386_emulator() {
  local entry
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$entry" ] && [ "${entry##*/}" != register ] && [ "${entry##*/}" != status ] || continue
    if grep -qx enabled "$entry" && grep -qx "magic $I386_ELF_MAGIC" "$entry"; then
      sed -n 's/^interpreter //p' "$entry"
      return 0
    fi
  done
  return 1
}

# How the kernel runs 32-bit x86 programs: "natively" or "through qemu-i386"
# (the emulator's name).
i386_kernel_way() {
  local emulator
  if emulator=$(i386_emulator); then
    echo "through ${emulator##*/}"
  else
    echo natively
  fi
}

# How 32-bit Windows programs run here, in one phrase ("natively in a
# private 32-bit root (DIR)"), or not at all (status 1).
i686_way() {
  wine_runs_i686 || return 1
  echo "$(i386_kernel_way) in a private 32-bit root ($I386_ROOT)"
}

# The architecture whose programs run without an emulator: i686 where the
# kernel runs 32-bit code itself, else x86_64. Benchmarks default to it, so
# that what they time is the program and not the emulator.
native_arch() {
  if wine_runs_i686 && [ "$(i386_kernel_way)" = natively ]; then echo i686; else echo x86_64; fi
}

# way_note ARCH: for a benchmark of ARCH's programs, one line saying how
# they run; for 32-bit programs run through an emulator, that the times
# include it.
way_note() {
  local way
  case $1 in
    x86_64) echo "x86_64: 64-bit programs run natively" ;;
    i686)
      way=$(i686_way) || return 0
      case $way in
        natively*) echo "i686: 32-bit programs run $way" ;;
        *) echo "i686: 32-bit programs run $way: these times include the emulator; compare only ratios of programs run the same way" ;;
      esac ;;
  esac
}
# timed WHAT COMMAND...: runs a step that may take a while, saying what it
# is and, when it is over, how long it took.
timed() {
  local what=$1 start=$SECONDS rc=0; shift
  echo "${0##*/}: $what ..." >&2
  "$@" || rc=$?
  echo "${0##*/}: $what: $((SECONDS - start)) s" >&2
  return $rc
}

# The older name of way_note.
emulation_note() { way_note "$@"; }
