#!/usr/bin/env bash
# CSV import and export against Python's csv module.
#
# Generates a Shift-JIS CSV file of 100,000 rows (heading line plus one row per frame,
# Japanese titles, some with commas, some running past midnight), then times as whole
# processes:
#   - marovelantis-tool csv-import of it into an empty design, against a Python process
#     that reads the same rows with csv.reader and the cp932 codec;
#   - marovelantis-tool csv-export of the imported design, against Python writing the same
#     rows with csv.writer and the cp932 codec (its rows are loaded from a marshal file made
#     beforehand; both the whole process and the writing alone are reported).
# Each figure is the best of RUNS runs (default 5), as wall time and as processor time
# (user + system): on a busy machine the wall time mostly measures the other processes.
#
# usage: bench/csv_bench.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
tool="$build/marovelantis-tool"
runs="${RUNS:-5}"
rows="${ROWS:-100000}"
[ -x "$tool" ] || { echo "no $tool: build first (cmake --build $build)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "python3 is needed for the comparison" >&2; exit 1; }
# The interpreter itself, not a launcher in front of it that would slow Python down.
py="$(python3 -c 'import sys; print(sys.executable)')"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The rows, shared by the generator and the Python writer.
cat > "$work/rows.py" <<'EOF'
import datetime

TITLES = ["定例会議", "打ち合わせ", "出張（大阪）", "研修", "来客対応", "資料作成",
          "Weekly sync", "面談, 評価", "移動", "夜間作業"]

def rows(count):
    start_day = datetime.date(2024, 1, 1)
    yield ["開始日", "開始時刻", "終了日", "終了時刻", "件名"]
    for i in range(count):
        day = start_day + datetime.timedelta(days=i % 366)
        start = 5 * 60 + (i * 35) % (19 * 60)      # 05:00 .. 23:55
        end = start + 30 + (i * 45) % 240           # up to 4 h later, maybe after midnight
        end_day = day + datetime.timedelta(days=end // (24 * 60))
        end %= 24 * 60
        yield [day.strftime("%Y/%m/%d"), "%02d:%02d:00" % divmod(start, 60),
               end_day.strftime("%Y/%m/%d"), "%02d:%02d:00" % divmod(end, 60),
               "%s %d" % (TITLES[i % len(TITLES)], i)]
EOF

cat > "$work/generate.py" <<'EOF'
import csv, sys
sys.path.insert(0, sys.argv[1])
from rows import rows
with open(sys.argv[2], "w", encoding="cp932", newline="") as f:
    csv.writer(f, lineterminator="\r\n").writerows(rows(int(sys.argv[3])))
EOF

cat > "$work/pyread.py" <<'EOF'
import csv, sys
with open(sys.argv[1], encoding="cp932", newline="") as f:
    n = sum(1 for _ in csv.reader(f))
print(n)
EOF

# The writer gets its rows from a marshal file made beforehand, so that its process
# spends its time on writing rather than on making up the rows.
cat > "$work/pyrows.py" <<'EOF'
import marshal, sys
sys.path.insert(0, sys.argv[1])
from rows import rows
with open(sys.argv[2], "wb") as f:
    marshal.dump(list(rows(int(sys.argv[3]))), f)
EOF

cat > "$work/pywrite.py" <<'EOF'
import csv, marshal, sys, time
with open(sys.argv[1], "rb") as f:
    data = marshal.load(f)
t = time.perf_counter()
with open(sys.argv[2], "w", encoding="cp932", newline="") as f:
    csv.writer(f, lineterminator="\r\n").writerows(data)
print("%.3f" % (time.perf_counter() - t), file=sys.stderr)
EOF

"$py" "$work/generate.py" "$work" "$work/rows.csv" "$rows"
"$py" "$work/pyrows.py" "$work" "$work/rows.marshal" "$rows"
printf '#Marovelantis=#Marovelantis\r\n#BaseYYYY=34\r\n' > "$work/empty.MVF"

# Best wall time and best processor time (user + system) in seconds of RUNS runs.
best() {
    local wall="" cpu="" w c
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >/dev/null 2>"$work/stderr"
        read -r w u s < "$work/time"
        c=$(echo "$u + $s" | bc -l)
        if [ -z "$wall" ] || [ "$(echo "$w < $wall" | bc -l)" = 1 ]; then wall=$w; fi
        if [ -z "$cpu" ] || [ "$(echo "$c < $cpu" | bc -l)" = 1 ]; then cpu=$c; fi
    done
    printf '%8.2f s %8.2f s' "$wall" "$cpu"
}
# Best of the times a Python writer reports for its writing alone.
best_inner() {
    local best_time="" t
    for _ in $(seq "$runs"); do
        "$py" "$work/pywrite.py" "$work/rows.marshal" "$work/py.csv" 2>"$work/inner" >/dev/null
        t=$(cat "$work/inner")
        if [ -z "$best_time" ] || [ "$(echo "$t < $best_time" | bc -l)" = 1 ]; then best_time=$t; fi
    done
    printf '%8.2f s' "$best_time"
}

imported=$("$tool" csv-import "$work/empty.MVF" "$work/rows.csv" "$work/design.MVF")
exported=$("$tool" csv-export "$work/design.MVF" "$work/export.csv")
size=$(stat -c %s "$work/rows.csv")

ours_import=$(best "$tool" csv-import "$work/empty.MVF" "$work/rows.csv" "$work/design.MVF")
py_read=$(best "$py" "$work/pyread.py" "$work/rows.csv")
ours_export=$(best "$tool" csv-export "$work/design.MVF" "$work/export.csv")
py_write=$(best "$py" "$work/pywrite.py" "$work/rows.marshal" "$work/py.csv")
py_write_inner=$(best_inner)

echo "CSV file: $rows rows + heading, $size bytes; imported rows: $imported; exported lines: $exported"
printf '%-50s %10s %10s\n' "" "wall" "processor"
printf '%-50s %s\n' "csv-import into an empty design (whole process)" "$ours_import"
printf '%-50s %s\n' "Python csv.reader, cp932 (whole process)" "$py_read"
printf '%-50s %s\n' "csv-export of the result (whole process)" "$ours_export"
printf '%-50s %s\n' "Python csv.writer, cp932 (whole process)" "$py_write"
printf '%-50s %s\n' "Python csv.writer, cp932 (writing alone)" "$py_write_inner"
