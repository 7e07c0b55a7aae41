#!/usr/bin/env bash
# Configures and builds into build/ (Release with assertions kept off, two jobs).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/setup.sh"
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j2
