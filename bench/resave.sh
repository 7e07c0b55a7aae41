#!/usr/bin/env bash
# Measures `marovelantis-tool resave` against `cp` of the same file, both as whole
# processes, on two generated designs: a year of 100 frames a day, and the stress design of
# 200,000 frames. Prints the mean times (hyperfine when installed, else /usr/bin/time over a
# few runs), their ratio, and the peak memory (GNU time) against the file size.
#
#   bench/resave.sh [BUILD_DIR]      (default: build/ beside this folder; MV_BENCH_RUNS=10)
#
# resave reads the design into the line store and writes it back through the atomic
# writer, which flushes the file to disk (fsync) before renaming it over the target; a
# third row, "cp + sync", shows what a copy costs when it is flushed the same way.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
tool=$build/marovelantis-tool
generate=$build/generate-design
for program in "$tool" "$generate"; do
  if [ ! -x "$program" ]; then
    echo "resave.sh: $program is missing; build first (cmake --build $build)" >&2
    exit 2
  fi
done
if [ ! -x /usr/bin/time ]; then
  echo "resave.sh: /usr/bin/time (Debian package \"time\") is needed for the peak memory" >&2
  exit 2
fi

runs=${MV_BENCH_RUNS:-10}
work=$(mktemp -d "${TMPDIR:-/tmp}/mv-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "Generating designs in $work ..."
"$generate" "$work/year.MVF" --frames-per-day 100
"$generate" "$work/stress.MVF" --stress

# Mean wall time in seconds of a command, over $runs runs after a warm-up.
mean_time() {
  if command -v hyperfine >/dev/null; then
    local shell_option=()
    if hyperfine --help 2>/dev/null | grep -- '--shell' >/dev/null; then shell_option=(-N); fi
    local command
    printf -v command '%q ' "$@"
    hyperfine "${shell_option[@]}" --style none --warmup 2 --runs "$runs" \
      --export-csv "$work/time.csv" "$command" >/dev/null 2>&1
    awk -F, 'NR == 2 { print $2 }' "$work/time.csv"
  else
    "$@" >/dev/null
    local total=0 t
    for _ in $(seq "$runs"); do
      t=$( { /usr/bin/time -f '%e' "$@" >/dev/null; } 2>&1 | tail -n 1)
      total=$(awk -v a="$total" -v b="$t" 'BEGIN { print a + b }')
    done
    awk -v a="$total" -v n="$runs" 'BEGIN { print a / n }'
  fi
}

# Peak resident memory in KB of one run (the highest of three).
peak_kb() {
  local best=0 kb
  for _ in 1 2 3; do
    kb=$( { /usr/bin/time -f '%M' "$@" >/dev/null; } 2>&1 | tail -n 1)
    [ "$kb" -gt "$best" ] && best=$kb
  done
  echo "$best"
}

# One row of the table: command, time, peak KB (or -); uses name, size, size_mb, cp_time.
row() {
  local ratio mb times
  ratio=$(awk -v a="$2" -v b="$cp_time" 'BEGIN { printf "%.1f", a / b }')
  if [ "$3" = - ]; then
    mb=-
    times=-
  else
    mb=$(awk -v k="$3" 'BEGIN { printf "%.1f", k / 1024 }')
    times=$(awk -v k="$3" -v s="$size" 'BEGIN { printf "%.2f", k * 1024 / s }')
  fi
  printf '%-8s %9s %-9s %9.3f %9s %11s %11s\n' "$name" "$size_mb" "$1" "$2" "$ratio" "$mb" "$times"
}

verdict() { awk -v v="$1" -v limit="$2" 'BEGIN { print (v <= limit) ? "met" : "MISSED" }'; }

# A copy flushed to disk, as the atomic writer flushes its file.
printf '#!/bin/sh\ncp "$1" "$2" && sync "$2"\n' >"$work/cpsync.sh"

summary=()
printf '\n%-8s %9s %-9s %9s %9s %11s %11s\n' design "size MiB" command "time s" "x cp" "peak MiB" "x size"
for name in year stress; do
  file=$work/$name.MVF
  size=$(stat -c %s "$file")
  size_mb=$(awk -v s="$size" 'BEGIN { printf "%.1f", s / 1048576 }')
  cp_time=$(mean_time cp "$file" "$work/copy.MVF")
  sync_time=$(mean_time sh "$work/cpsync.sh" "$file" "$work/copy.MVF")
  resave_time=$(mean_time "$tool" resave "$file" "$work/resaved.MVF")
  cp_kb=$(peak_kb cp "$file" "$work/copy.MVF")
  resave_kb=$(peak_kb "$tool" resave "$file" "$work/resaved.MVF")
  row cp "$cp_time" "$cp_kb"
  row "cp + sync" "$sync_time" -
  row resave "$resave_time" "$resave_kb"
  if [ "$name" = stress ]; then
    time_ratio=$(awk -v a="$resave_time" -v b="$cp_time" 'BEGIN { printf "%.1f", a / b }')
    mem_ratio=$(awk -v k="$resave_kb" -v s="$size" 'BEGIN { printf "%.2f", k * 1024 / s }')
    summary+=("stress: resave time ${time_ratio}x cp (target 4x): $(verdict "$time_ratio" 4)")
    summary+=("stress: resave peak memory ${mem_ratio}x file size (target 3x): $(verdict "$mem_ratio" 3)")
  fi
done
echo
printf '%s\n' "${summary[@]}"
echo "($runs runs each; load average $(cut -d' ' -f1-3 /proc/loadavg))"
