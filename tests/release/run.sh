#!/usr/bin/env bash
# Tests the release in dist/ (made by tools/release.sh): the colouring books
# against the page files, then, under Wine in a fresh prefix of its own, the
# installer just for one account (silent install, shortcut, reinstall,
# uninstall), each zip unpacked, and the install for everyone with a second
# account of the same computer. Prints the installers' measured times.
# The Debian package is checked by tests/release/deb-check.sh (slower).
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
# Where the tests' Windows build is 64-bit (this machine cannot run 32-bit programs),
# the installer and zips under test are the 64-bit ones tools/release.sh made from it.
setup=$dist/tintwell-setup.exe zip_dir=$dist
if [ "$(win_arch)" != i686 ]; then
  zip_dir=$build/release-x64/dist setup=$build/release-x64/dist/tintwell-setup.exe
  [ -f "$setup" ] || { echo "release test: no 64-bit test installer; run tools/release.sh again" >&2; exit 2; }
  echo "release test: this machine cannot run 32-bit programs: testing the 64-bit installer and zips"
fi
for n in 1 2 3 4 5; do unzip -q "$zip_dir/tintwell-$n.zip" -d "$work/zips"; done

start_xvfb 800x600x16
# A fresh copy of a ready prefix, so every run installs onto a clean machine.
wine_prefix_init "$build/wineprefix-release"
wineserver -w
cp -a "$build/wineprefix-release.pristine" "$work/prefix"
export WINEPREFIX=$work/prefix
# Shortcuts made in Wine would otherwise become menu entries in the home folder.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES,winemenubuilder.exe=d"
# Wine links Documents and Desktop to the Unix home; the installer must write inside the prefix.
own_folders() {
  local d
  for d in "$WINEPREFIX"/drive_c/users/"$USER"/{Documents,Desktop}; do
    if [ -L "$d" ]; then rm "$d"; mkdir "$d"; fi
  done
}
export USER=${USER:-$(id -un)} HOME=$work/home
mkdir -p "$HOME"
own_folders
first_user=$USER
first_documents="C:\\users\\$first_user\\Documents"
export TW_SETUP=$(winepath -w "$setup") TW_ZIPS=$(winepath -w "$work/zips")
start_wine_session "$build/win32/wineidle.exe"
echo "release test: installers and zips under Wine"
wine "$build/win32/release_tests.exe" --gtest_filter='Installer.*:Zips.*:AllUsers.InstallsForEveryone*' "$@"

# Another account of the same computer: its own name, home and HKCU (user.reg).
# Active Setup never runs at sign-in under Wine, so the test runs the stub itself.
echo "release test: the install for everyone, as a second account"
stop_wine_session
wineserver -w
mv "$WINEPREFIX/user.reg" "$work/first-user.reg"
export USER=tintwell-second HOME=$work/home2
mkdir -p "$HOME"
wineboot -u >/dev/null 2>&1
wineserver -w
own_folders
start_wine_session "$build/win32/wineidle.exe"
TW_FIRST_DOCUMENTS=$first_documents \
  wine "$build/win32/release_tests.exe" --gtest_filter='AllUsers.TheSetupStub*' "$@"
other_documents="C:\\users\\$USER\\Documents"

echo "release test: the install for everyone, reinstalled and uninstalled by the first account"
stop_wine_session
wineserver -w
mv "$work/first-user.reg" "$WINEPREFIX/user.reg"
export USER=$first_user HOME=$work/home
start_wine_session "$build/win32/wineidle.exe"
TW_OTHER_DOCUMENTS=$other_documents \
  wine "$build/win32/release_tests.exe" --gtest_filter='AllUsers.ReinstallAndUninstall*' "$@"
