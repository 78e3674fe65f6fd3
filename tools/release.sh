#!/usr/bin/env bash
# Builds the five programs and writes the release into dist/:
#   tintwell-setup.exe                  the Windows installer (NSIS): just for me, or /ALLUSERS
#   tintwell_<version>_all.deb          the Debian package (the programs run by Wine)
#   tintwell-N.zip                      one folder per edition that runs where it is unpacked
#   tintwell-N-colouring-book-a4.pdf    the fifty blank pages for printing, A4 ...
#   tintwell-N-colouring-book-letter.pdf  ... and US Letter
# Usage: tools/release.sh
set -euo pipefail
source "$(dirname "$0")/build-env.sh"
enter_tree
# The release is always 32-bit; where the tests' Windows build is 64-bit it has a tree of its own.
win=$build/win32
[ "$(win_arch)" = i686 ] || win=$build/win32-i686
TW_WIN_ARCH=i686 build_tree win32 "$win"

dist=$tw_root/dist
stage=$build/release-stage
rm -rf "$dist"
mkdir -p "$dist"
py=/usr/bin/python3
version=$(cat tools/release/version)

echo "release: laying out the programs, pages and songs, and writing the five zips"
$py tools/release/stage.py "$win" "$stage" "$dist"

echo "release: drawing the colouring books (ten PDFs, about a minute)"
for n in 1 2 3 4 5; do
  for paper in a4 letter; do
    echo "$n $paper"
  done
done | xargs -P "$(nproc)" -n 2 sh -c \
  "$py tools/release/colouring_book.py \"\$0\" \"$dist/tintwell-\$0-colouring-book-\$1.pdf\" \"\$1\""

# make_installer STAGE OUT_EXE [makensis arguments...]: the setup stub, then the installer.
make_installer() {
  local stage_dir=$1 out=$2 log=$1/makensis.log
  shift 2
  if ! { makensis -V2 "$@" -DROOT="$tw_root" -DOUTFILE="$stage_dir/programs/tintwell-pages.exe" \
           tools/release/tintwell-pages.nsi &&
         makensis -V2 "$@" -DSTAGE="$stage_dir" -DROOT="$tw_root" -DOUTFILE="$out" \
           -DAS_VERSION="$setup_version" tools/release/tintwell.nsi; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "release: makensis failed" >&2
    exit 1
  fi
}

echo "release: making the installer with makensis"
# Active Setup compares versions as four numbers.
setup_version=$(echo "$version.0.0.0" | cut -d. -f1-4 | tr . ,)
make_installer "$stage" "$dist/tintwell-setup.exe"

echo "release: making the Debian package with dpkg-deb"
$py tools/release/debian.py "$stage" "$dist" "$version"

# Where this machine cannot run 32-bit programs, the installer's tests (tests/release/run.sh)
# run a 64-bit installer made by the same script from the tests' 64-bit programs; it is
# not part of the release.
if [ "$win" != "$build/win32" ]; then
  echo "release: making a 64-bit installer and zips for the tests in $build/release-x64"
  rm -rf "$build/release-x64"
  mkdir -p "$build/release-x64/dist"
  build_tree win32 "$build/win32"
  $py tools/release/stage.py "$build/win32" "$build/release-x64/stage" "$build/release-x64/dist" >/dev/null
  make_installer "$build/release-x64/stage" "$build/release-x64/dist/tintwell-setup.exe" -DTARGET=amd64-unicode
fi

echo "release: done; in $dist:"
(cd "$dist" && ls -l | awk 'NR > 1 { printf "  %-40s %10d bytes\n", $9, $5 }')
