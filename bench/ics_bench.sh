#!/usr/bin/env bash
# iCalendar export and import against Python's icalendar package.
#
# Makes a design of the year with 100 frames a day (36,500 frames, through csv-import),
# then times as whole processes:
#   - marovelantis-tool ics-export of it, against Python building and writing the same
#     events with icalendar (its events loaded from a marshal file made beforehand);
#   - marovelantis-tool ics-import of the exported file into an empty design, against
#     Python reading the same file with icalendar and walking its events' times.
# Each figure is the best of RUNS runs (default 3), wall time and processor time.
#
# usage: bench/ics_bench.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
tool="$build/marovelantis-tool"
runs="${RUNS:-3}"
[ -x "$tool" ] || { echo "no $tool: build first (cmake --build $build)" >&2; exit 1; }
py=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import icalendar' 2>/dev/null; then py=$candidate; break; fi
done
[ -n "$py" ] || { echo "python3 with the icalendar package is needed for the comparison" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$py" - "$work" <<'PY'
import datetime, marshal, sys
work = sys.argv[1]
rows, events = [], []
day = datetime.date(2024, 1, 1)
while day.year == 2024:
    for i in range(100):
        start = 5 * 60 + i * 10
        s, e = f"{start // 60:02d}:{start % 60:02d}", f"{(start + 8) // 60:02d}:{(start + 8) % 60:02d}"
        title = f"番組 {i} の放送"
        rows.append(f"{day:%Y/%m/%d},{s},{e},{title}")
        events.append((day.isoformat(), s, e, title))
    day += datetime.timedelta(days=1)
open(f"{work}/in.csv", "wb").write(("\r\n".join(rows) + "\r\n").encode("cp932"))
marshal.dump(events, open(f"{work}/events.marshal", "wb"))
PY
printf '#Marovelantis=#Marovelantis\r\n#BaseYYYY=34\r\n' >"$work/empty.MVF"
"$tool" csv-import "$work/empty.MVF" "$work/in.csv" "$work/year.MVF" --frozen 0 --map 0,1,-,2,3 --dup keep >/dev/null

cat >"$work/write.py" <<'PY'
import datetime, marshal, sys, icalendar
cal = icalendar.Calendar(); cal.add("prodid", "-//bench//"); cal.add("version", "2.0")
for n, (day, s, e, title) in enumerate(marshal.load(open(sys.argv[1], "rb"))):
    ev = icalendar.Event(); d = datetime.date.fromisoformat(day)
    ev.add("uid", f"bench-{n}"); ev.add("summary", title)
    ev.add("dtstart", datetime.datetime.combine(d, datetime.time.fromisoformat(s)))
    ev.add("dtend", datetime.datetime.combine(d, datetime.time.fromisoformat(e)))
    ev.add("color", "silver"); cal.add_component(ev)
open(sys.argv[2], "wb").write(cal.to_ical())
PY
cat >"$work/read.py" <<'PY'
import sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
print(sum(1 for ev in cal.walk("VEVENT") if ev["DTSTART"].dt <= ev["DTEND"].dt))
PY

# Best wall and processor seconds of RUNS runs of the command.
best() {
  local label=$1; shift
  local wall=999999 cpu=999999
  for _ in $(seq "$runs"); do
    local out
    out=$( { /usr/bin/time -f '%e %U %S' "$@" >/dev/null; } 2>&1 | tail -n 1)
    read -r w u s <<<"$out"
    wall=$(echo "if ($w < $wall) $w else $wall" | bc)
    cpu=$(echo "c = $u + $s; if (c < $cpu) c else $cpu" | bc)
  done
  printf '%-40s wall %6.2f s   cpu %6.2f s\n' "$label" "$wall" "$cpu"
}
best "ics-export (36,500 events)" "$tool" ics-export "$work/year.MVF" "$work/out.ics" --tz Asia/Tokyo
best "python icalendar writing" "$py" "$work/write.py" "$work/events.marshal" "$work/py.ics"
best "ics-import (36,500 events)" "$tool" ics-import "$work/empty.MVF" "$work/out.ics" "$work/back.MVF" --tz Asia/Tokyo
best "python icalendar reading" "$py" "$work/read.py" "$work/out.ics"
