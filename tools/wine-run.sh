#!/usr/bin/env bash
# Runs a Windows program under Wine with the test environment (WINEPREFIX and
# DISPLAY come from tools/test.sh, which prepares both).
set -u
source "$(dirname "$0")/wine-env.sh"
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: WINEPREFIX and DISPLAY must be set; run the tests with tools/test.sh" >&2
  exit 2
fi
exec wine "$@"
