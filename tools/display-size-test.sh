#!/usr/bin/env bash
# Runs the display-size end-to-end tests on virtual displays of 640x480,
# 800x600 and 1024x768, each with its own Wine session.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
e2e=$1
source "$root/tools/build-env.sh"
source "$root/tools/wine-env.sh"
base_prefix=${WINEPREFIX:?run through tools/test.sh}.pristine
status=0
for size in 640x480x16 800x600x16 1024x768x16; do
  work=$(mktemp -d)
  cp -a "$base_prefix" "$work/prefix"
  (
    export WINEPREFIX=$work/prefix
    unset WINE_IDLE_PID
    start_xvfb "$size"
    trap 'stop_wine_session; kill $XVFB_PID 2>/dev/null; rm -rf "$work"' EXIT
    start_wine_session "$(build_dir)/win32/wineidle.exe"
    echo "== display $size"
    # Wine itself now and then dies of a signal while a process ends; that is
    # not a test result, so such a run is repeated once.
    for attempt in 1 2; do
      rc=0
      wine "$e2e" --gtest_filter='DisplaySize*' || rc=$?
      [ "$rc" -lt 128 ] && break
      echo "(wine ended by signal $((rc - 128)); running again)"
    done
    exit "$rc"
  ) || status=1
done
exit $status
