#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the sample design.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
sample="$PWD/samples/sample.MVF"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on; here is the sample design's summary instead:"
  exec build/marovelantis-tool info "$sample"
fi
# On the first run, start the view at the sample's first week rather than today.
settings=build/Marovelantis.Env
if [ ! -e "$settings" ]; then
  printf 'Max_TimeTable_01=False\r\nCmb_DispDate=2\r\nBase_Date=2026/03/23\r\n' > "$settings"
fi
exec build/marovelantis "$sample"
