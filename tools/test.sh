#!/usr/bin/env bash
# Sets up, builds and runs every test: native unit tests, Win32 tests and
# end-to-end tests under Wine on a virtual display, then prints CTest's summary.
# Usage: tools/test.sh [ctest arguments...]
set -euo pipefail
# TW_BUILD puts the build (and its Wine prefix) elsewhere, e.g. one per engineer.
source "$(dirname "$0")/build-env.sh"
enter_tree native win32

source tools/wine-env.sh
echo "test: starting a virtual display and the Wine session"
start_test_desktop "$build"
export TW_BUILD=$build

# One CTest run over both builds, so one summary closes the output.
printf 'subdirs("native")\nsubdirs("win32")\n' >"$build/CTestTestfile.cmake"
cd "$build"
echo "test: running the tests (about six minutes)"
ctest --output-on-failure -j1 "$@"
