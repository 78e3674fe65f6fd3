# Sourced by build-env.sh and wine-env.sh: whether this machine runs 32-bit x86
# programs itself. Some kernels are built without it; on others a processor
# emulator may be registered to run them, which Wine runs far too slowly (and
# not reliably) for the tests. Either way the tests then use the 64-bit build.
runs_32bit_natively() {
  /usr/lib/wine/wine --version >/dev/null 2>&1 || return 1
  local entry
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$entry" ] || continue
    # An enabled emulator for little-endian 32-bit ELF programs for the i386 (machine 3).
    if grep -qx enabled "$entry" 2>/dev/null && grep -Eq '^magic 7f454c4601.*0300$' "$entry" 2>/dev/null; then
      return 1
    fi
  done
  return 0
}

# win_arch: the processor the Windows build is made for. The programs are 32-bit
# (i686); where this machine cannot run them itself the tests run a 64-bit build
# (x86_64) of the same sources. TW_WIN_ARCH=i686 or x86_64 chooses; tools/release.sh
# always builds i686.
win_arch() {
  if [ -n "${TW_WIN_ARCH:-}" ]; then
    echo "$TW_WIN_ARCH"
  elif runs_32bit_natively; then
    echo i686
  else
    echo x86_64
  fi
}
