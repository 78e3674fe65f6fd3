#!/usr/bin/env bash
# Rasterises a print job of the test printer as the printer would: one PPM per
# sheet at 300 dpi, the sheet's full size (device pixel + the printer's
# physical offset = image pixel). The image appears whole (written aside, then
# renamed); when ghostscript fails, OUT.failed holds its exit status and messages.
# Usage: tools/rasterise.sh JOB.ps OUT.ppm
set -u
in=$1 out=$2
rm -f "$out" "$out.failed"
if gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r300 -dFirstPage=1 -dLastPage=1 \
     -sOutputFile="$out.part" "$in" >"$out.log" 2>&1; then
  mv "$out.part" "$out"
  rm -f "$out.log"
else
  status=$?
  { echo "ghostscript exit status $status"; cat "$out.log"; } >"$out.failed"
  rm -f "$out.part" "$out.log"
fi
