#!/usr/bin/env bash
# Run by deb-check.sh inside the bare Debian 12 chroot, as root: DEB is the package.
set -euo pipefail
deb=$1
cd /  # the user who runs the program below must be able to enter the working folder
export DEBIAN_FRONTEND=noninteractive
xvfb=
fail() { echo "deb check: FAILED: $*" >&2; exit 1; }
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; true' EXIT
ms() { date +%s%3N; }
apt_q() { apt-get -o DPkg::Lock::Timeout=600 -qq "$@" >/tmp/apt.log 2>&1 || { tail -n 20 /tmp/apt.log >&2; fail "apt-get $*"; }; }

dpkg --add-architecture i386
apt_q update
# The checker's own tools, not the package's dependencies.
apt_q install -y --no-install-recommends xvfb x11-utils x11-apps lintian desktop-file-utils
start=$(ms)
apt_q install -y --no-install-recommends "$deb"
echo "deb check: apt install of the package and its dependencies: $(( $(ms) - start )) ms"

echo "deb check: desktop-file-validate"
entries=(/usr/share/applications/tintwell-*.desktop)
[ ${#entries[@]} = 6 ] || fail "${#entries[@]} desktop entries, not 6"
desktop-file-validate "${entries[@]}" || fail "desktop-file-validate"
for e in "${entries[@]}"; do
  icon=$(sed -n 's/^Icon=//p' "$e")
  # From the panel's 16 pixels to an app grid's 256, never an enlarged small one.
  for size in 16 32 48 64 128 256; do
    png=/usr/share/icons/hicolor/${size}x$size/apps/$icon.png
    [ -f "$png" ] || fail "$e: no $size-pixel icon $icon"
    # The PNG's width, from its header, is the size its folder names.
    width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
    [ "$width" = "$size" ] || fail "$png is $width pixels wide"
  done
done
man -w tintwell >/dev/null || fail "no manual page"

useradd -m kid
as_kid() { su kid -s /bin/bash -c "$*"; }
echo "deb check: lintian (no errors or warnings allowed; nothing below means none at all)"
as_kid "lintian --fail-on error,warning --tag-display-limit 0 --display-info '$deb'" || fail lintian
# A desktop sign-in names the user's folders; Documents is the one the launcher uses.
as_kid xdg-user-dirs-update
docs=$(as_kid xdg-user-dir DOCUMENTS)
folder="Tintwell 3 - Animals"
pages=$docs/Tintwell/$folder

echo "deb check: tintwell without a display"
if out=$(as_kid "tintwell 3" 2>&1); then fail "it ran without a display"; fi
echo "$out" | grep -q "no display" || fail "no word about the display: $out"
echo "  $out"
[ ! -e "$pages" ] || fail "pages copied though nothing ran"

Xvfb :7 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 2
incomplete= fake_wine=
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  # Such a kernel runs no 32-bit program, so neither Wine nor Tintwell: the launcher must say so.
  echo "deb check: this kernel cannot run 32-bit programs; tintwell 3 must say so"
  if out=$(as_kid "DISPLAY=:7 tintwell 3" 2>&1); then fail "it ran without 32-bit support"; fi
  echo "$out" | grep -q "cannot run 32-bit programs" || fail "no word about 32-bit programs: $out"
  echo "  $out"
  incomplete="edition 3 was not started: this machine's kernel cannot run 32-bit programs"
  # The rest of the launcher (the user's pages, Wine's folder) with a Wine loader that does nothing.
  mv /usr/lib/wine/wine /usr/lib/wine/wine.real
  printf '#!/bin/sh\nexit 0\n' >/usr/lib/wine/wine
  chmod 755 /usr/lib/wine/wine
  fake_wine=1
  as_kid "DISPLAY=:7 tintwell 3" || fail "tintwell 3 with a stand-in Wine"
  [ -d "/home/kid/.local/share/tintwell/wine" ] || fail "no Wine folder in ~/.local/share/tintwell"
else
  echo "deb check: tintwell 3 on a virtual display (the first start makes Wine's prefix)"
  start=$(ms)
  as_kid "DISPLAY=:7 tintwell 3" >/tmp/tintwell.log 2>&1 &
  shown=0
  # A new prefix takes a minute on a real machine; DEB_CHECK_WAIT allows for a slower one.
  for _ in $(seq $(( ${DEB_CHECK_WAIT:-120} * 2 ))); do
    if DISPLAY=:7 xwininfo -root -tree 2>/dev/null | grep -q '"Tintwell 3"'; then shown=1; break; fi
    sleep 0.5
  done
  [ $shown = 1 ] || { cat /tmp/tintwell.log >&2; fail "edition 3's window did not open"; }
  echo "deb check: edition 3's window opened $(( $(ms) - start )) ms after tintwell 3 (a new Wine prefix)"
  sleep 3
  DISPLAY=:7 xwd -root -silent >/tmp/edition3.xwd || true
  sed 's/^/  | /' /tmp/tintwell.log
  if ! ls /dev/snd/pcmC*p >/dev/null 2>&1 && grep -q 'ALSA lib' /tmp/tintwell.log; then
    fail "without a sound device ALSA's complaints reach the terminal"
  fi
  [ -d "/home/kid/.local/share/tintwell/wine/drive_c" ] || fail "no Wine prefix in ~/.local/share/tintwell"
  as_kid "WINEPREFIX=/home/kid/.local/share/tintwell/wine wineserver -k" || true
  sleep 1
fi
n=$(ls "$pages" | wc -l)
[ "$n" = "$(ls "/usr/share/tintwell/pages/$folder" | wc -l)" ] || fail "$n files in $pages"
cmp -s "$pages/$(ls "/usr/share/tintwell/pages/$folder" | head -n 1)" \
  "/usr/share/tintwell/pages/$folder/$(ls "/usr/share/tintwell/pages/$folder" | head -n 1)" || fail "a page differs"
[ "$(stat -c %U "$pages")" = kid ] || fail "the pages are not the user's own"
echo "deb check: $n files in $pages, the user's own"

# A coloured page (another page's bytes stand for the colouring) must survive everything below.
first=$(ls "$pages" | grep -v '\.mid$' | head -n 1)
second=$(ls "$pages" | grep -v '\.mid$' | sed -n 2p)
as_kid "cp '$pages/$second' '$pages/$first'"
sum=$(md5sum <"$pages/$first")
as_kid "DISPLAY=:7 timeout 20 tintwell 3" >/dev/null 2>&1 || true
[ -n "$fake_wine" ] || as_kid "WINEPREFIX=/home/kid/.local/share/tintwell/wine wineserver -k" || true
[ "$(md5sum <"$pages/$first")" = "$sum" ] || fail "a second start replaced a coloured page"
[ -z "$fake_wine" ] || mv -f /usr/lib/wine/wine.real /usr/lib/wine/wine

start=$(ms)
apt_q remove -y tintwell
echo "deb check: apt remove: $(( $(ms) - start )) ms"
[ ! -e /usr/bin/tintwell ] || fail "the launcher is still there"
[ "$(md5sum <"$pages/$first")" = "$sum" ] || fail "apt remove changed a coloured page"
apt_q install -y --no-install-recommends "$deb"
start=$(ms)
apt_q purge -y tintwell
echo "deb check: apt purge: $(( $(ms) - start )) ms"
[ ! -d /usr/lib/tintwell ] && [ ! -d /usr/share/tintwell ] || fail "files left after purge"
[ "$(md5sum <"$pages/$first")" = "$sum" ] || fail "apt purge changed a coloured page"
[ "$(ls "$pages" | wc -l)" = "$n" ] || fail "apt purge removed pages"
kill $xvfb 2>/dev/null || true
if [ -n "$incomplete" ]; then
  echo "deb check: INCOMPLETE: $incomplete; everything else passed"
  exit 3
fi
echo "deb check: passed"
