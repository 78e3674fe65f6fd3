#!/usr/bin/env bash
# Sets up, builds and runs one edition under Wine in play/editionN/, a folder
# holding that edition's pages and music (the child's colouring stays there
# between runs). Usage: tools/run.sh [edition 1-5]
# With no display (no $DISPLAY), it runs on a virtual 800x600 display, saves
# screenshots of the intro card and the colouring screen, and quits.
set -euo pipefail
edition=${1:-1}
case "$edition" in 1|2|3|4|5) ;; *) echo "usage: tools/run.sh [1-5]" >&2; exit 2 ;; esac
source "$(dirname "$0")/build-env.sh"
enter_tree win32
exe=tintwell$([ "$edition" = 1 ] || echo "$edition").exe

play=$tw_root/play/edition$edition
mkdir -p "$play"
# Pages and music are copied once; later runs keep the child's colouring.
for f in editions/"$edition"/pages/* editions/"$edition"/*.mid; do
  [ -f "$f" ] || continue
  case "$f" in *.tsv|*.md) continue ;; esac
  cp -n "$f" "$play/"
done
cp "$build/win32/$exe" "$play/"

source tools/wine-env.sh
headless=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then headless=1; fi
cleanup() {
  [ "$headless" = 1 ] && stop_wine_session
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
}
trap cleanup EXIT
[ "$headless" = 1 ] && start_xvfb 800x600x16
wine_prefix_init "$build/wineprefix-play"

# Music: Wine plays MIDI through the ALSA sequencer, so with a sound device a
# FluidSynth synthesiser runs as a sequencer client for the length of the run
# (it quits when this script ends and its input closes). It takes what Wine
# sends to any MIDI output, Midi Through included.
if [ -e /dev/snd ]; then
  unset ALSA_CONFIG_PATH  # the real sound device, not the silent one of the tests
  coproc TW_MUSIC {
    exec fluidsynth -q -a alsa -m alsa_seq -o midi.autoconnect=1 -g 0.5 \
      /usr/share/sounds/sf2/FluidR3_GM.sf2 >/dev/null 2>&1
  }
  # Wine lists the MIDI outputs once, when the program opens one: wait for the synthesiser.
  music=off synth=${TW_MUSIC_PID:-}
  for _ in $(seq 50); do
    [ -n "$synth" ] && kill -0 "$synth" 2>/dev/null || break
    grep -q "FLUID Synth ($synth)" /proc/asound/seq/clients 2>/dev/null && music=on && break
    sleep 0.1
  done
  [ "$music" = on ] || echo "The synthesiser (fluidsynth) did not start: music is off."
else
  echo "No sound device (/dev/snd): music is off."
fi

cd "$play"
if [ "$headless" = 0 ]; then
  echo "run: playing edition $edition in $play"
  wine "$exe"
  exit
fi

echo "run: no display, so edition $edition runs on a virtual one for a few seconds"
wine "$exe" >/dev/null 2>&1 &
pid=$!
shot() { sleep "$1"; import -window root "$2" 2>/dev/null || xwd -root -silent | convert xwd:- "$2"; }
shot 4 "$play/screenshot-intro.png"
xdotool key Return
shot 3 "$play/screenshot-colouring.png"
xdotool key q
wait "$pid" || true
echo "No display: ran on a virtual one. Screenshots:"
echo "  $play/screenshot-intro.png"
echo "  $play/screenshot-colouring.png"
