#!/usr/bin/env bash
# Builds and runs every benchmark and prints their figures: native ones
# (tests/bench/*_bench.cpp) directly, Win32 ones (*_wbench.cpp) under Wine on a
# virtual display. Benchmarks measure; they never fail on a figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
build=${TW_BUILD:-$root/build}
cmake -S . -B "$build/native-release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/native-release" -j"$(nproc)" >/dev/null
cmake -S . -B "$build/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win32" -j"$(nproc)" >/dev/null

for bench in "$build"/native-release/*_bench; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
done

source tools/wine-env.sh
start_test_desktop "$build"
for bench in "$build"/win32/*_wbench.exe; do
  [ -f "$bench" ] || continue
  echo "== $(basename "$bench" .exe) (under Wine)"
  wine "$bench" 2>/dev/null </dev/null
done
