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

# How 32-bit Windows programs run here: "natively", "through qemu-i386"
# (the emulator's name), or not at all (status 1).
i686_way() {
  local emulator
  wine_runs_i686 || return 1
  if emulator=$(i386_emulator); then
    echo "through ${emulator##*/}"
  else
    echo natively
  fi
}

# The architecture whose programs run without an emulator: i686 where the
# kernel runs 32-bit code itself, else x86_64. Benchmarks default to it, so
# that what they time is the program and not the emulator.
native_arch() {
  if [ "$(i686_way)" = natively ]; then echo i686; else echo x86_64; fi
}

# emulation_note ARCH: for a benchmark of ARCH's programs, one line saying
# that its times include the emulator, when they do.
emulation_note() {
  local way
  if [ "$1" = i686 ] && way=$(i686_way) && [ "$way" != natively ]; then
    echo "$1: 32-bit programs run $way here: these times include the emulator; compare only ratios of programs run the same way"
  fi
}
