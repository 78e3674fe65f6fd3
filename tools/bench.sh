#!/usr/bin/env bash
# Builds and runs every benchmark and prints their figures: native ones
# (tests/bench/*_bench.cpp) directly, Win32 ones (*_wbench.cpp) under Wine on a
# virtual display. Benchmarks measure; they never fail on a figure.
#   tools/bench.sh [NAME...]   only the benchmarks whose names hold a NAME
# The soak benchmark takes SOAK_ACTIONS (default 1000), SOAK_SEED and SOAK_KINDS from
# the environment. Each benchmark also prints its main figures as "table: | ... |"
# lines; the run ends with them gathered in one table (Markdown, for the README).
set -euo pipefail
wanted() {
  [ ${#names[@]} -eq 0 ] && return 0
  local n
  for n in "${names[@]}"; do [[ $1 == *"$n"* ]] && return 0; done
  return 1
}
names=("$@")
failed=0
rows=$(mktemp -d)
out=$(mktemp)
trap 'rm -rf "$rows" "$out"' EXIT
# run NAME COMMAND...: one benchmark, its output shown and its table rows kept
# in $rows/NAME.
run() {
  local name=$1 status
  shift
  echo "== $name"
  set +e
  # A benchmark that finds a fault (the soak's crash, hang or damaged page) says so
  # and exits non-zero; the others still run, and so does this script's exit code.
  "$@" </dev/null | sed -u 's/\r$//' | tee "$out"
  status=${PIPESTATUS[0]}
  set -e
  sed -n 's/^table: //p' "$out" >"$rows/$name"
  if [ "$status" -ne 0 ]; then
    echo "== $name FAILED"
    [ -s "$rows/$name" ] || echo "| $name | FAILED (exit code $status) | |" >"$rows/$name"
    failed=1
  fi
}
source "$(dirname "$0")/build-env.sh"
enter_tree win32
build_tree native "$build/native-release" -DCMAKE_BUILD_TYPE=Release

for bench in "$build"/native-release/*_bench; do
  [ -x "$bench" ] && wanted "$(basename "$bench")" || continue
  run "$(basename "$bench")" "$bench"
done

source tools/wine-env.sh
start_test_desktop "$build"
trap 'rm -rf "$rows" "$out"; stop_wine_session; [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true' EXIT
for bench in "$build"/win32/*_wbench.exe; do
  [ -f "$bench" ] && wanted "$(basename "$bench")" || continue
  run "$(basename "$bench" .exe)" wine "$bench" 2>/dev/null
done

echo
echo "== Summary: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(nproc) cores; $(. /etc/os-release && echo "$PRETTY_NAME"), Debian $(cat /etc/debian_version); $(wine --version)"
echo
echo "| Figure | Measured | Target |"
echo "|---|---|---|"
# The rows in a fixed order: start-up first, the soak last.
for name in startup page walk_pace fill undo midi timer idle dialog print soak; do
  for file in "$rows"/*"$name"*; do
    [ -f "$file" ] && cat "$file" && rm "$file"
  done
done
cat "$rows"/* 2>/dev/null || true  # any other benchmark's
exit $failed
