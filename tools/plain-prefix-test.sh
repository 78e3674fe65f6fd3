#!/usr/bin/env bash
# Runs the plain-prefix end-to-end tests in a Wine prefix made with
# `wineboot -i` and nothing else (no window-manager or renderer setting), as a
# new user's would be: made once per build, copied fresh for every run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
e2e=$1
source "$root/tools/build-env.sh"
source "$root/tools/wine-env.sh"
plain=$(build_dir)/wineprefix-plain
if [ ! -f "$plain/.tintwell-plain" ]; then
  rm -rf "$plain"
  mkdir -p "$plain"
  WINEPREFIX=$plain wineboot -i >/dev/null 2>&1
  WINEPREFIX=$plain wineserver -w
  touch "$plain/.tintwell-plain"
fi
work=$(mktemp -d)
cp -a "$plain" "$work/prefix"
export WINEPREFIX=$work/prefix
unset WINE_IDLE_PID XVFB_PID
trap 'stop_wine_session; [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
start_xvfb 800x600x16
start_wine_session "$(build_dir)/win32/wineidle.exe"
wine "$e2e" --gtest_filter='PlainPrefix*'
