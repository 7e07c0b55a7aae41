#!/usr/bin/env bash
# Runs each fuzz target for a while, seeded from the shipped sample design.
#
#   fuzz/run.sh BUILD_DIR [SECONDS]      (default 60 seconds a target)
#
# BUILD_DIR is a build configured with clang and -DMV_BUILD_FUZZERS=ON (see README.md).
# Crashes are written as crash-* files into the current folder; the corpora grow in
# BUILD_DIR/fuzz/corpus and are kept for the next run.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}" && pwd)
seconds=${2:-60}
sample=$here/../samples/sample.MVF

cmake --build "$build" --target recordline_fuzzer designfile_fuzzer blockread_fuzzer icsimport_fuzzer -j2

records=$build/fuzz/corpus/recordline
designs=$build/fuzz/corpus/designfile
blocks=$build/fuzz/corpus/blockread
calendars=$build/fuzz/corpus/icsimport
mkdir -p "$records" "$designs" "$blocks" "$calendars"
# Seeds: some record lines of the sample, each after a control byte, and the head of the
# sample as small design files.
i=0
while IFS= read -r line && [ $i -lt 40 ]; do
  printf '\x03%s' "${line%$'\r'}" >"$records/seed-$i"
  i=$((i + 1))
done < <(grep -a '^Ci_CDate' "$sample" | awk 'NR % 11 == 1')
head -c 2000 "$sample" >"$designs/seed-head"
head -n 12 "$sample" >"$designs/seed-lines"
printf '#Marovelantis=#Marovelantis\r\n' >"$designs/seed-empty"
# Blocks: a run of days holding some of the sample's lines (the first byte picks the
# target), and two chosen frames.
{
  printf '\x05Marovelantis.DateRange\r\n(sample)\r\n2026/03/23\r\n2026/03/25\r\nCi_CDate=2026/03/23\r\n'
  awk '/^Ci_CDate=2026\/03\/2[34]/ && n++ < 6' "$sample"
  printf 'Ci_CDate=2026/03/25\r\n'
} >"$blocks/seed-days"
{
  printf '\x83Marovelantis.ChoicedRange\r\nx\r\n2026/03/23\r\n2026/03/30\r\n'
  awk '/^Ci_CDate=2026\/03\/(23|30)/ && !seen[substr($0, 1, 19)]++' "$sample"
} >"$blocks/seed-chosen"
# Calendars (the first byte picks the duplicate rule): a timed event in a zone, a day
# event, and a recurrence with an excluded and an added date.
{
  printf '\x01BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;TZID=Europe/Paris:20240510T090000\r\n'
  printf 'DTEND;TZID=Europe/Paris:20240510T103000\r\nSUMMARY:Meeting\r\nCOLOR:navy\r\nEND:VEVENT\r\n'
  printf 'BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20240401\r\nDTEND;VALUE=DATE:20240403\r\nSUMMARY:Trip\r\nEND:VEVENT\r\n'
  printf 'END:VCALENDAR\r\n'
} >"$calendars/seed-events"
{
  printf '\x02BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:c\r\nDTSTART:20241228T200000Z\r\nDURATION:PT1H\r\n'
  printf 'RRULE:FREQ=DAILY;INTERVAL=2\r\nEXDATE:20241230T200000Z\r\nRDATE:20240101T050000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n'
} >"$calendars/seed-recurring"

# The fuzzer's own status decides: its whole output goes to a log, of which the summary
# lines are shown, and the whole report when it failed.
run() {
  local target=$1 corpus=$2 log=$build/fuzz/$1.log status=0
  shift 2
  echo "== $target for $seconds s"
  "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -dict="$here/recordline.dict" \
    -print_final_stats=1 "$@" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==ERROR|SUMMARY|Done)' "$log" || true
  if [ $status -ne 0 ]; then
    echo "$target failed (status $status):"
    grep -v -E '^#[0-9]+' "$log" | tail -n 60
  fi
  return $status
}

status=0
run recordline_fuzzer "$records" -max_len=4096 || status=1
run designfile_fuzzer "$designs" -max_len=8192 || status=1
run blockread_fuzzer "$blocks" -max_len=8192 || status=1
run icsimport_fuzzer "$calendars" -max_len=8192 || status=1
exit $status
