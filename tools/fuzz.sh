#!/usr/bin/env bash
# Builds the fuzz targets with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang) and runs each for a bounded time.
#   tools/fuzz.sh [SECONDS=60] [TARGET...]      targets: page midi (default: both)
#   TW_FUZZ_KEEP=1 tools/fuzz.sh 3600            also merge what was found into the kept corpus
# The kept corpus (tests/fuzz/corpus/<target>) seeds every run and is replayed by
# the unit tests. Work folders: /tmp/tintwell-fuzz-<target>; findings land in
# crashes/ there. Exit status non-zero when any target found something.
set -euo pipefail
source "$(dirname "$0")/build-env.sh"
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(page midi)

build=$(build_dir)/fuzz
echo "fuzz: building the targets in $build"
CC=clang CXX=clang++ cmake -S "$tw_root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTW_FUZZ=ON -DTW_SANITIZE=ON >"$build.log" 2>&1 || { tail -n 20 "$build.log"; exit 1; }
cmake --build "$build" --target "${targets[@]/%/_fuzz}" >>"$build.log" 2>&1 || { tail -n 40 "$build.log"; exit 1; }

# seed_target NAME DIR: the repository's own files as first inputs.
seed_target() {
  case $1 in
    # A page file behind the even byte that has the target read it whole.
    page) for f in "$tw_root"/editions/*/pages/*; do
            case "$f" in *.tsv|*.md) continue ;; esac
            { printf '\0'; cat "$f"; } >"$2/seed-$(basename "$f")"
          done ;;
    midi) cp "$tw_root"/editions/*/*.mid "$2/" ;;
  esac
}

failed=0
for target in "${targets[@]}"; do
  work=/tmp/tintwell-fuzz-$target
  kept=$tw_root/tests/fuzz/corpus/$target
  rm -rf "$work/seeds"
  mkdir -p "$work/corpus" "$work/crashes" "$work/seeds" "$kept"
  seed_target "$target" "$work/seeds"
  status=0
  (cd "$work" && "$build/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
     -artifact_prefix="$work/crashes/" corpus "$kept" seeds >"$work/fuzz.log" 2>&1) || status=$?
  grep -E "INITED|DONE|stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY" "$work/fuzz.log" || true
  echo "fuzz $target: ${seconds} s, $(ls "$work/corpus" | wc -l) corpus files, $(ls "$work/crashes" | wc -l) findings, exit $status"
  if [ "${TW_FUZZ_KEEP:-0}" = 1 ]; then
    # Only inputs that add coverage are kept, under libFuzzer's content-hash names.
    "$build/${target}_fuzz" -merge=1 "$kept" "$work/corpus" >"$work/merge.log" 2>&1
    echo "fuzz $target: kept corpus now $(ls "$kept" | wc -l) files, $(du -sh "$kept" | cut -f1)"
  fi
  [ "$status" -eq 0 ] || failed=1
done
exit "$failed"
