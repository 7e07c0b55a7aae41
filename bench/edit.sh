#!/usr/bin/env bash
# Editing figures: the window's drag step, a move's commit and its undo on the five-week
# view of a design with 40 frames a day (edit-bench, offscreen, CPU time); date ranges, the
# chosen frames, a frame expanded over the year, the day list, and 35 days through the
# clipboard and a partial design file on the five-week view of a year of 100 frames a day
# (range-bench, property-bench, block-bench, wall clock); and the edit verb
# running 1,000 moves each followed by its undo on that year, as a whole process, against
# resave of the same design.
#
#   bench/edit.sh [BUILD_DIR]      (default: build/ beside this folder; MV_BENCH_RUNS=5)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
for program in marovelantis-tool generate-design edit-bench range-bench property-bench block-bench; do
  if [ ! -x "$build/$program" ]; then
    echo "edit.sh: $build/$program is missing; build first (cmake --build $build)" >&2
    exit 2
  fi
done
runs=${MV_BENCH_RUNS:-5}
work=$(mktemp -d "${TMPDIR:-/tmp}/mv-edit-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "Generating designs in $work ..."
"$build/generate-design" "$work/week40.MVF" --frames-per-day 40
"$build/generate-design" "$work/year.MVF" --frames-per-day 100

echo
echo "In the window (five-week view, 40 frames a day):"
QT_QPA_PLATFORM=offscreen "$build/edit-bench" "$work/week40.MVF" 2>/dev/null

echo
echo "Group operations in the window (five-week view, a year of 100 frames a day; wall clock):"
QT_QPA_PLATFORM=offscreen "$build/range-bench" "$work/year.MVF" 2>/dev/null

echo
echo "Property window commands in the window (five-week view, a year of 100 frames a day; wall clock):"
QT_QPA_PLATFORM=offscreen "$build/property-bench" "$work/year.MVF" 2>/dev/null

echo
echo "The clipboard and partial design files in the window (five-week view, a year of 100 frames a day; wall clock):"
QT_QPA_PLATFORM=offscreen "$build/block-bench" "$work/year.MVF" 2>/dev/null

# 1,000 moves of a date's first frame to the next date, each taken back at once.
python3 - "$work/script.txt" <<'PY'
import datetime, sys
first = datetime.date(2026, 1, 1)
with open(sys.argv[1], "w") as script:
    for i in range(1000):
        day = first + datetime.timedelta(days=i % 360)
        after = day + datetime.timedelta(days=1)
        script.write(f"move {day:%Y/%m/%d}@05:00 {after:%Y/%m/%d} 05:30\nundo\n")
PY

# Mean wall time in seconds of a command over $runs runs, after a warm-up.
mean_time() {
  "$@" >/dev/null
  local total=0 begin end
  for _ in $(seq "$runs"); do
    begin=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    total=$(awk -v t="$total" -v a="$begin" -v b="$end" 'BEGIN { print t + b - a }')
  done
  awk -v t="$total" -v n="$runs" 'BEGIN { printf "%.3f", t / n }'
}

resave=$(mean_time "$build/marovelantis-tool" resave "$work/year.MVF" "$work/resaved.MVF")
edit=$(mean_time "$build/marovelantis-tool" edit "$work/year.MVF" "$work/edited.MVF" "$work/script.txt")
echo
echo "The edit verb on a year of 100 frames a day ($(du -m "$work/year.MVF" | cut -f1) MiB), whole processes:"
printf '  resave                      %8s s\n' "$resave"
printf '  edit: 1,000 moves + undos   %8s s  (%s times resave)\n' "$edit" \
  "$(awk -v a="$edit" -v b="$resave" 'BEGIN { printf "%.1f", a / b }')"
echo "($runs runs each; load average $(cut -d' ' -f1-3 /proc/loadavg))"
