#!/usr/bin/env bash
# Makes docs/printing/printed-pages.png: edition 1's colouring screen with a few
# areas painted, beside the sheets the tests' virtual printer prints from it by
# the Default, Alternate 1 and Alternate 2 methods (rasterised at 300 dpi by
# tools/rasterise.sh, scaled to the screen's height).
# Usage: tools/print-picture.sh   (after a build; runs under Wine on a virtual display)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source tools/build-env.sh
build=$(build_dir)
cmake --build "$build/win32" --target tintwell printer_setup wineidle >/dev/null
source tools/wine-env.sh
start_test_desktop "$build"
job=$build/printer/job.ps
work=$(mktemp -d)
trap 'stop_wine_session; kill "$XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
cp editions/1/pages/*.col "$work/"
cp "$build/win32/tintwell.exe" "$work/"

job_complete() { [ -f "$job" ] && tail -c 16 "$job" | grep -q '%%EOF'; }
wait_for() { local i; for i in $(seq 1 600); do "$@" && return 0; sleep 0.1; done; echo "timed out: $*" >&2; return 1; }
window_shown() { xdotool search --name "^Tintwell$" >/dev/null 2>&1; }
no_window() { ! window_shown; }

# One run of the program: dismiss the intro card, do what is asked, print with
# the method, quit (which saves the colouring for the next run).
print_run() {
  local option=$1 sheet=$2; shift 2
  printf "\\x$(printf %02x "$option")\\x00\\x00\\x00" >"$work/printer.dta"
  (cd "$work" && wine tintwell.exe >/dev/null 2>&1 &)
  wait_for window_shown
  sleep 3
  xdotool key Return
  sleep 3
  "$@"
  rm -f "$job"
  xdotool key p
  sleep 3
  xdotool key Return  # the print dialog's Print button
  wait_for job_complete
  sleep 1
  tools/rasterise.sh "$job" "$sheet"
  xdotool key q
  wait_for no_window
  sleep 1
}

paint() {
  local swatch_x=$1 swatch_y=$2 x=$3 y=$4
  xdotool mousemove "$swatch_x" "$swatch_y" click 1
  sleep 0.5
  xdotool mousemove "$x" "$y" click 1
  sleep 4
}

colour_the_airplane() {
  paint 188 34 160 105   # red upper wing
  paint 238 34 450 440   # blue lower wing
  paint 289 34 380 370   # yellow engine
  paint 510 34 540 180   # green tail fin
  paint 561 34 650 280   # orange fuselage
  xdotool mousemove 790 590
  sleep 1
  import -window root "$work/screen.png"
}

print_run 0 "$work/default.ppm" colour_the_airplane
print_run 1 "$work/alternate1.ppm" true
print_run 2 "$work/alternate2.ppm" true

mkdir -p docs/printing
convert "$work/screen.png" \
  \( "$work/default.ppm" -resize x600 -bordercolor '#999999' -border 1 \) \
  \( "$work/alternate1.ppm" -resize x600 -bordercolor '#999999' -border 1 \) \
  \( "$work/alternate2.ppm" -resize x600 -bordercolor '#999999' -border 1 \) \
  -background white -splice 16x0 +append -strip docs/printing/printed-pages.png
cp "$work/default.ppm" "$build/printer/sheet-default.ppm"
echo "docs/printing/printed-pages.png"
