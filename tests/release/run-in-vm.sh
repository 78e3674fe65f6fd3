#!/usr/bin/env bash
# Runs tests/release/run.sh against the real 32-bit installer and zips in dist/ on an
# emulated Debian 12 (tests/release/vm.sh), for a host whose kernel cannot run 32-bit
# programs. The 32-bit test programs are built here, in $build/vm/win32; the emulated
# computer gets the sources, that tree and dist/ at the same paths, and is about ten
# times slower than the host, so every time limit in the tests is stretched to match.
# Run it as root after tools/release.sh, under the Wine lock as it is CPU heavy:
#   flock /tmp/tintwell-wine.lock tests/release/run-in-vm.sh [gtest arguments...]
set -euo pipefail
source "$(dirname "$0")/../../tools/build-env.sh"
source "$tw_root/tests/release/vm.sh"
[ -f "$tw_root/dist/tintwell-setup.exe" ] || { echo "release test: no release in dist/; run tools/release.sh first" >&2; exit 2; }
[ "$(id -u)" = 0 ] || { echo "release test: run it as root (it makes a chroot)" >&2; exit 2; }
enter_tree
vm_build=$build/vm
TW_WIN_ARCH=i686 build_tree win32 "$vm_build/win32"

job=$(mktemp -d)
trap 'rm -rf "$job"' EXIT
echo "release test: packing the sources, the 32-bit test programs and the release"
{
  git -C "$tw_root" ls-files | sed "s|^|$tw_root/|"
  echo "$vm_build/win32"
  echo "$tw_root/dist"
} | sed 's|^/||' | tar -C / -cf "$job/src.tar" -T -
cat >"$job/run.sh" <<EOF
tar -C / -xf /job/src.tar
cd $(printf %q "$tw_root")
source tests/release/vm.sh
# The image was set up by an earlier tools/setup.sh; this one adds what it lacks.
tools/setup.sh
vm_kernel_runs_32bit && echo "vm: this kernel runs 32-bit programs: \$(/usr/lib/wine/wine --version)"
TW_BUILD=$(printf %q "$vm_build") TW_TEST_SLOWDOWN=\${TW_TEST_SLOWDOWN:-10} tests/release/run.sh $(printf '%q ' "$@")
EOF
start=$SECONDS
rc=0
VM_APT_CACHE=/var/tmp/tintwell-deb-check-apt vm_run dev "$job" || rc=$?
echo "release test: the emulated run ended with exit $rc after $(( SECONDS - start )) s"
exit $rc
