#!/usr/bin/env bash
# Checks the Debian package in dist/ on a bare Debian 12 (debootstrap minbase) in a
# chroot: i386 enabled, `apt install ./tintwell_*.deb` (without recommended packages,
# so the dependencies alone must do), lintian and desktop-file-validate on what it
# installs, `tintwell` without a display saying so, `tintwell 3` as an ordinary user
# on a virtual display starting edition 3 with that user's pages in place, and
# `apt remove` then `apt purge` leaving the pages. Prints the measured times.
# Where this kernel cannot run 32-bit programs the same check runs on an emulated
# computer instead (tests/release/vm.sh; about fifteen minutes), as the chroot cannot.
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

source "$root_dir/tests/release/vm.sh"
apt_cache=/var/tmp/tintwell-deb-check-apt

# Where this kernel runs no 32-bit program, Wine cannot start here: the same check runs
# on an emulated computer booting Debian's own kernel (tests/release/vm.sh), slower.
if ! vm_kernel_runs_32bit && [ "${DEB_CHECK_CHROOT:-}" != 1 ]; then
  echo "deb check: this kernel cannot run 32-bit programs: checking on an emulated Debian 12 (about fifteen minutes)"
  job=$(mktemp -d)
  trap 'rm -rf "$job"' EXIT
  cp "$deb" "$root_dir/tests/release/deb-check-inside.sh" "$job/"
  cat >"$job/run.sh" <<EOF
cp /job/$(basename "$deb") /job/deb-check-inside.sh /tmp/
DEB_CHECK_WAIT=1800 bash /tmp/deb-check-inside.sh /tmp/$(basename "$deb")
rc=\$?
[ -f /tmp/edition3.xwd ] && cp /tmp/edition3.xwd /job/
exit \$rc
EOF
  rc=0
  VM_APT_CACHE=$apt_cache vm_run bare "$job" || rc=$?
  [ -f "$job/edition3.xwd" ] && convert "xwd:$job/edition3.xwd" "${TW_BUILD:-$root_dir/build}/deb-check-edition3.png" 2>/dev/null &&
    echo "deb check: the screen of edition 3 is in ${TW_BUILD:-$root_dir/build}/deb-check-edition3.png"
  exit $rc
fi

vm_bare_archive
R=$(mktemp -d)
cleanup() { vm_release_root "$R"; }
trap cleanup EXIT
tar -C "$R" -xzf "$vm_bare_archive"
chmod 755 "$R"  # the archive keeps its temporary folder's mode; the chroot's users must get in
mkdir -p "$apt_cache/partial"
vm_prepare_chroot "$R"
mount --bind "$apt_cache" "$R/var/cache/apt/archives"
cp "$deb" "$R/tmp/"
cp "$root_dir/tests/release/deb-check-inside.sh" "$R/tmp/"
echo "deb check: installing $(basename "$deb") in a bare Debian 12"
chroot "$R" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  bash /tmp/deb-check-inside.sh "/tmp/$(basename "$deb")"
[ -f "$R/tmp/edition3.xwd" ] && convert "xwd:$R/tmp/edition3.xwd" "${TW_BUILD:-$root_dir/build}/deb-check-edition3.png" 2>/dev/null &&
  echo "deb check: the screen of edition 3 is in ${TW_BUILD:-$root_dir/build}/deb-check-edition3.png"
exit 0
