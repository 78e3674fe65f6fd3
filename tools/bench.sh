#!/usr/bin/env bash
# Builds and runs every benchmark and prints their figures: native ones
# (tests/bench/*_bench.cpp) directly, Win32 ones (*_wbench.cpp) under Wine on a
# virtual display. Benchmarks measure; they never fail on a figure.
#   tools/bench.sh [NAME...]   only the benchmarks whose names hold a NAME
# The soak benchmark takes SOAK_ACTIONS (default 1000) and SOAK_SEED from the environment.
set -euo pipefail
wanted() {
  [ ${#names[@]} -eq 0 ] && return 0
  local n
  for n in "${names[@]}"; do [[ $1 == *"$n"* ]] && return 0; done
  return 1
}
names=("$@")
failed=0
source "$(dirname "$0")/build-env.sh"
enter_tree win32
build_tree native "$build/native-release" -DCMAKE_BUILD_TYPE=Release

for bench in "$build"/native-release/*_bench; do
  [ -x "$bench" ] && wanted "$(basename "$bench")" || continue
  echo "== $(basename "$bench")"
  "$bench"
done

source tools/wine-env.sh
start_test_desktop "$build"
for bench in "$build"/win32/*_wbench.exe; do
  [ -f "$bench" ] && wanted "$(basename "$bench")" || continue
  echo "== $(basename "$bench" .exe) (under Wine)"
  # A benchmark that finds a fault (the soak's crash, hang or damaged page) says so
  # and exits non-zero; the others still run, and so does this script's exit code.
  wine "$bench" 2>/dev/null </dev/null || { echo "== $(basename "$bench" .exe) FAILED"; failed=1; }
done
exit $failed
