#!/usr/bin/env bash
# Builds every fuzz target with clang into build-fuzz/ and runs each for a while
# (default 30 seconds). Installs clang and its sanitizer and libFuzzer runtimes when
# missing.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev
# Optimised, the targets run about three times as many inputs in the same time; the
# standard library's own checks stay on.
CXX=clang++ cmake -S . -B build-fuzz -DMV_BUILD_FUZZERS=ON -DMV_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >/dev/null
# Crash files go into the build folder rather than the sources.
cd build-fuzz
exec ../fuzz/run.sh . "${1:-30}"
