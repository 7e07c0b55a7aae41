#!/usr/bin/env bash
# Builds the test programs with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs them; any report fails the run.
#
# Only the test programs are built (with the programs their tests start), not the design
# program and the benchmarks. Debug (-O0) compiles fastest; _GLIBCXX_ASSERTIONS adds the
# standard library's own checks (an index past a container's size but inside its capacity,
# front() of an empty string), which the sanitizers do not see.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=build-sanitize
gtests=(mv_model_tests mv_io_tests mv_geometry_tests mv_edit_tests mv_app_tests mv_render_tests mv_auxiliary_tests)
qttests=(mv_view_tests mv_window_tests mv_dialog_tests mv_property_tests mv_block_tests mv_calendar_tests mv_gridprint_tests mv_timeprint_tests mv_csvdefinition_tests mv_csvgrid_tests mv_browse_tests mv_environment_tests)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DMV_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >/dev/null
cmake --build "$build" -j2 --target "${gtests[@]}" "${qttests[@]}"

# The programs are run directly rather than through ctest, which would start one process
# per test case, each paying the sanitizers' start-up. The settings also reach the tool
# and the sharer programs the tests start. No suppressions: the Qt tests, offscreen, leave
# no leak reports either. UBSan would only print and go on without halt_on_error.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
for t in "${gtests[@]}"; do
  echo "== $t"
  "$build/tests/$t" --gtest_brief=1 || status=1
done
for t in "${qttests[@]}"; do
  echo "== $t"
  "$build/tests/$t" -silent || status=1
done
exit $status
