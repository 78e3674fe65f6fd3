#!/usr/bin/env bash
# Builds the fuzz targets with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang) and runs each for a bounded time.
#   tools/fuzz.sh [SECONDS=60] [TARGET...]      targets: page midi (default: all)
# Work folders: /tmp/tintwell-fuzz-<target>; findings land in its crashes/ folder.
# Exit status non-zero when any target found something.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(page midi)

# fuzz_target NAME SEEDS_COMMAND SOURCES...: builds tests/fuzz/NAME_fuzz.cpp with
# the sources, seeds the corpus with SEEDS_COMMAND (run in the corpus folder), runs it.
fuzz_target() {
  local name=$1 seeds=$2
  shift 2
  local work=/tmp/tintwell-fuzz-$name
  mkdir -p "$work/corpus" "$work/crashes"
  (cd "$work/corpus" && eval "$seeds")
  clang++ -std=c++17 -g -O1 -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$root" "$root/tests/fuzz/${name}_fuzz.cpp" "${@/#/$root/}" -o "$work/${name}_fuzz"
  local status=0
  (cd "$work" && "./${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
     -artifact_prefix="$work/crashes/" corpus >"$work/fuzz.log" 2>&1) || status=$?
  grep -E "INITED|DONE|stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|${name}_fuzz:" "$work/fuzz.log" || true
  echo "fuzz $name: ${seconds} s, $(ls "$work/corpus" | wc -l) corpus files, $(ls "$work/crashes" | wc -l) findings, exit $status"
  return "$status"
}

failed=0
for target in "${targets[@]}"; do
  case $target in
    # Seeds: the page files of the repository, each behind the even byte that
    # has the target read it as a whole file.
    page) fuzz_target page "for f in \"$root\"/editions/*/pages/*; do [ -f \"\$f\" ] && { printf '\\0'; cat \"\$f\"; } >\"seed-\$(basename \"\$f\")\"; done; true" \
            page/page_file.cpp page/colours.cpp page/page_image.cpp || failed=1 ;;
    midi) bash "$root/tools/fuzz_midi.sh" "$seconds" /tmp/tintwell-fuzz-midi || failed=1 ;;
    *) echo "fuzz: unknown target $target" >&2; failed=1 ;;
  esac
done
exit "$failed"
