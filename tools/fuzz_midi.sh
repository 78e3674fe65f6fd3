#!/usr/bin/env bash
# Fuzzes the MIDI loader and sequencer with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer for a bounded time.
#   tools/fuzz_midi.sh [SECONDS=60] [WORKDIR=/tmp/tintwell-fuzz-midi]
# Seeds: the five editions' songs. Findings land in WORKDIR/crashes; exit status non-zero if any.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
work=${2:-/tmp/tintwell-fuzz-midi}
mkdir -p "$work/corpus" "$work/crashes"
cp "$root"/editions/*/tntwl*.mid "$work/corpus/"

clang++ -std=c++17 -g -O1 -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I "$root" \
  "$root/tests/fuzz/midi_fuzz.cpp" \
  "$root/sound/midifile.cpp" "$root/sound/sequencer.cpp" "$root/sound/virtual_midi.cpp" \
  -o "$work/midi_fuzz"

cd "$work"
status=0
./midi_fuzz -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/crashes/" \
  -max_len=8192 corpus >"$work/fuzz.log" 2>&1 || status=$?
grep -E "INITED|DONE|stat::|ERROR|SUMMARY|midi_fuzz:" "$work/fuzz.log" || true
echo "fuzz_midi: $(ls corpus | wc -l) corpus files, $(ls crashes | wc -l) findings, exit $status"
exit "$status"
