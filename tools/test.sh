#!/usr/bin/env bash
# Sets up, builds and runs every test: native unit tests, Win32 tests and
# end-to-end tests under Wine on a virtual display, then prints CTest's summary.
# Usage: tools/test.sh [ctest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh

# TW_BUILD puts the build (and its Wine prefix) elsewhere, e.g. one per engineer.
build=${TW_BUILD:-$root/build}
cmake -S . -B "$build/native" -G Ninja >/dev/null
cmake --build "$build/native" -j"$(nproc)"
cmake -S . -B "$build/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win32" -j"$(nproc)"

source tools/wine-env.sh
start_test_desktop "$build"
export TW_BUILD=$build

# One CTest run over both builds, so one summary closes the output.
printf 'subdirs("native")\nsubdirs("win32")\n' >"$build/CTestTestfile.cmake"
cd "$build"
ctest --output-on-failure -j1 "$@"
