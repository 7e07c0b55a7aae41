#!/usr/bin/env bash
# Installs what is missing, builds, and shows the sample design.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
build/marovelantis-tool info samples/sample.MVF
echo
build/marovelantis-tool frames samples/sample.MVF
