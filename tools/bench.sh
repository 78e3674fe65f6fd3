#!/usr/bin/env bash
# Builds and runs every benchmark and prints their figures: native ones
# (tests/bench/*_bench.cpp) directly, Win32 ones (*_wbench.cpp) under Wine on a
# virtual display. Benchmarks measure; they never fail on a figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
source tools/build-env.sh
build=$(build_dir)
build_tree native "$build/native-release" -DCMAKE_BUILD_TYPE=Release
build_tree win32 "$build/win32"

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
