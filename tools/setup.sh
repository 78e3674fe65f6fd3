#!/usr/bin/env bash
# Installs everything needed to build, run and test Tintwell on Debian 12.
# Idempotent: does nothing (and prints nothing) when every package is present.
set -euo pipefail

packages=(
  cmake make g++ clang ninja-build git
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  libxrandr2:i386 libxi6:i386 libxrender1:i386 libxcursor1:i386
  libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 libgl1:i386
  xvfb x11-utils xdotool imagemagick
  googletest fonts-liberation fonts-dejavu-core
  python3 python3-pil python3-numpy python3-scipy python3-skimage librsvg2-bin
  openclipart-svg fonts-symbola
  ghostscript sox fluidsynth fluid-soundfont-gm unzip
  nsis python3-img2pdf
  libclang-rt-14-dev
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${#missing[@]} package(s) with apt-get (a few minutes on a new machine): ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
if ! { "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq && \
       "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "setup: apt-get failed (whole output: $log)" >&2
  exit 1
fi
rm -f "$log"
echo "setup: done"
