#!/usr/bin/env bash
# Tests the release in dist/ (made by tools/release.sh): the colouring books
# against the page files, then, under Wine in a fresh prefix of its own, the
# installer (silent install, shortcut, reinstall, uninstall) and each zip
# unpacked. Prints the installer's measured times.
# Usage: tests/release/run.sh [gtest arguments...]
set -euo pipefail
source "$(dirname "$0")/../../tools/build-env.sh"
dist=$tw_root/dist
if [ ! -f "$dist/tintwell-setup.exe" ]; then
  echo "release test: no release in $dist; run tools/release.sh first" >&2
  exit 2
fi
enter_tree win32

echo "release test: the ten colouring books have fifty sheets each"
for pdf in "$dist"/tintwell-?-colouring-book-*.pdf; do
  pages=$(gs -q -dNODISPLAY -dNOSAFER -c "($pdf) (r) file runpdfbegin pdfpagecount = quit")
  [ "$pages" = 50 ] || { echo "release test: $pdf has $pages pages, not 50" >&2; exit 1; }
done
[ "$(ls "$dist"/tintwell-?-colouring-book-*.pdf | wc -l)" = 10 ] || { echo "release test: not ten PDFs" >&2; exit 1; }
echo "release test: the books' sheets against the page files"
/usr/bin/python3 tests/release/test_colouring_book.py

work=$(mktemp -d)
source tools/wine-env.sh
cleanup() {
  stop_wine_session
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
for n in 1 2 3 4 5; do unzip -q "$dist/tintwell-$n.zip" -d "$work/zips"; done

start_xvfb 800x600x16
# A fresh copy of a ready prefix, so every run installs onto a clean machine.
wine_prefix_init "$build/wineprefix-release"
wineserver -w
cp -a "$build/wineprefix-release.pristine" "$work/prefix"
export WINEPREFIX=$work/prefix
# Wine links Documents and Desktop to the Unix home; the installer must write inside the prefix.
for d in "$WINEPREFIX"/drive_c/users/*/{Documents,Desktop}; do
  if [ -L "$d" ]; then rm "$d"; mkdir "$d"; fi
done
start_wine_session "$build/win32/wineidle.exe"
echo "release test: installer and zips under Wine"
TW_SETUP=$(winepath -w "$dist/tintwell-setup.exe") TW_ZIPS=$(winepath -w "$work/zips") \
  wine "$build/win32/release_tests.exe" "$@"
