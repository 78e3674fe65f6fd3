#!/usr/bin/env bash
# Checks the Debian package in dist/ on a bare Debian 12 (debootstrap minbase) in a
# chroot: i386 enabled, `apt install ./tintwell_*.deb` (without recommended packages,
# so the dependencies alone must do), lintian and desktop-file-validate on what it
# installs, `tintwell` without a display saying so, `tintwell 3` as an ordinary user
# on a virtual display starting edition 3 with that user's pages in place, and
# `apt remove` then `apt purge` leaving the pages. Prints the measured times.
# Slow (about ten minutes, most of it fetching Wine) and not part of tools/test.sh;
# run it as root after tools/release.sh, under the Wine lock as it is CPU heavy:
#   flock /tmp/tintwell-wine.lock tests/release/deb-check.sh
# The bare system is made once and kept in /var/tmp/fresh-check-root.tgz (the same
# one ../shared/tools/fresh-check uses); fetched packages are kept in
# /var/tmp/tintwell-deb-check-apt for the next run.
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/../.." && pwd)
deb=$(ls "$root_dir"/dist/tintwell_*_all.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "deb check: no package in dist/; run tools/release.sh first" >&2; exit 2; }
[ "$(id -u)" = 0 ] || { echo "deb check: run it as root (it makes a chroot)" >&2; exit 2; }

cache=/var/tmp/fresh-check-root.tgz
if [ ! -f "$cache" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
  mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  [ -n "$mirror" ] || mirror=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list)
  fresh=$(mktemp -d)
  echo "deb check: making a bare Debian 12 (once; about 3 minutes)"
  debootstrap --variant=minbase --include=git,ca-certificates bookworm "$fresh" "$mirror" >/dev/null
  tar -C "$fresh" -czf "$cache.$$" . && mv "$cache.$$" "$cache" && rm -rf "$fresh"
fi
R=$(mktemp -d)
apt_cache=/var/tmp/tintwell-deb-check-apt
# The chroot has this machine's /dev mounted in it: its processes end first, and the
# folder is removed only when nothing is mounted in it any more, never through a mount.
cleanup() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$R" ] && kill -9 "${p#/proc/}" 2>/dev/null
  done
  sleep 1
  for m in var/cache/apt/archives dev/pts dev proc; do umount "$R/$m" 2>/dev/null || umount -l "$R/$m" 2>/dev/null || true; done
  if grep -q " $R/" /proc/mounts; then
    echo "deb check: $R still has mounts; left in place" >&2
  else
    rm -rf --one-file-system "$R"
  fi
}
trap cleanup EXIT
tar -C "$R" -xzf "$cache"
chmod 755 "$R"  # the archive keeps its temporary folder's mode; the chroot's users must get in
mkdir -p "$apt_cache/partial"
mount -t proc proc "$R/proc"
mount --bind /dev "$R/dev"
mount --bind /dev/pts "$R/dev/pts"
mount --bind "$apt_cache" "$R/var/cache/apt/archives"
cp /etc/resolv.conf "$R/etc/" 2>/dev/null || true
if [ -d /etc/apt/sources.list.d ]; then
  rm -f "$R/etc/apt/sources.list"
  cp /etc/apt/sources.list.d/*.sources "$R/etc/apt/sources.list.d/" 2>/dev/null || true
fi
[ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$R/etc/apt/"
cp "$deb" "$R/tmp/"
cp "$root_dir/tests/release/deb-check-inside.sh" "$R/tmp/"
echo "deb check: installing $(basename "$deb") in a bare Debian 12"
chroot "$R" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  bash /tmp/deb-check-inside.sh "/tmp/$(basename "$deb")"
[ -f "$R/tmp/edition3.xwd" ] && convert "xwd:$R/tmp/edition3.xwd" "${TW_BUILD:-$root_dir/build}/deb-check-edition3.png" 2>/dev/null &&
  echo "deb check: the screen of edition 3 is in ${TW_BUILD:-$root_dir/build}/deb-check-edition3.png"
exit 0
