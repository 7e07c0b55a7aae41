#include "io/html/htmlknr.h"

#include <algorithm>

namespace mv {

namespace {

// Index of the first boundary at or after a time.
int RowOf(const std::vector<int>& boundaries, int time) {
    return static_cast<int>(std::lower_bound(boundaries.begin(), boundaries.end(), time) - boundaries.begin());
}

bool IsGapEntry(const HtmlLane& lane, int value) {
    return value >= 0 && lane.entries[value].kind == HtmlCellKind::Gap;
}

}  // namespace

int HtmlLaneOf(int p, int g, int b) {
    if (p < 1) p = 1;
    if (g < 1) g = 1;
    if (b % 2 == 0) return (p - 1) * (b / g);
    int h = (p - 1) * ((b + 1) / g);
    if (b % g > 1 && h > 0) --h;
    return h;
}

int THtmlKnr::LaneTotal() const {
    int total = 0;
    for (const HtmlColumnGroup& group : Columns) total += static_cast<int>(group.lanes.size());
    return total;
}

void THtmlKnr::Build(const HtmlSource& source) {
    Columns.clear();
    Boundaries.clear();
    GapGroups.clear();
    for (const HtmlHourRow& row : source.hours) Boundaries.push_back(row.start);
    AddHourColumn(source);
    for (int d = 0; d < static_cast<int>(source.dates.size()); ++d) AddDate(source, d);
    AddHourColumn(source);
    std::sort(Boundaries.begin(), Boundaries.end());
    Boundaries.erase(std::unique(Boundaries.begin(), Boundaries.end()), Boundaries.end());
    MapRows();
    for (std::size_t g = 1; g + 1 < Columns.size(); ++g) {
        if (Columns[g].lanes.size() > 1) Widen(Columns[g]);
        GroupGaps(Columns[g]);
    }
}

void THtmlKnr::AddHourColumn(const HtmlSource& source) {
    HtmlLane lane;
    for (const HtmlHourRow& row : source.hours) {
        HtmlCellEntry entry;
        entry.kind = HtmlCellKind::Hour;
        entry.start = row.start;
        entry.end = row.end;
        lane.entries.push_back(entry);
    }
    Columns.push_back({{std::move(lane)}});
}

void THtmlKnr::AddDate(const HtmlSource& source, int dateIndex) {
    const HtmlDate& date = source.dates[dateIndex];
    HtmlColumnGroup group;
    if (source.hours.empty()) {
        Columns.push_back({{HtmlLane{}}});
        return;
    }
    const int gridStart = source.hours.front().start;
    const int gridEnd = source.hours.back().end;
    int b = 1;
    for (const HtmlFrame& frame : date.frames) b = std::max(b, frame.lane);
    for (int l = 0; l < b; ++l) {
        HtmlLane lane;
        int prev = gridStart;
        auto addGap = [&](int from, int to, const char* text) {
            Boundaries.push_back(from);
            if (!lane.entries.empty() && lane.entries.back().kind == HtmlCellKind::Gap &&
                lane.entries.back().start == from && lane.entries.back().end == to)
                return;
            HtmlCellEntry gap;
            gap.kind = HtmlCellKind::Gap;
            gap.start = from;
            gap.end = to;
            gap.laneCount = b;
            gap.laneNo = l + 1;
            gap.dateIndex = dateIndex;
            gap.text = text;
            lane.entries.push_back(gap);
        };
        for (int f = 0; f < static_cast<int>(date.frames.size()); ++f) {
            const HtmlFrame& frame = date.frames[f];
            if (HtmlLaneOf(frame.lane, frame.laneCount, b) != l) continue;
            // A frame reaching outside the hour rows, or into the frame before it in its
            // lane, is cut to what is left, so every lane fills the rows exactly once.
            const int start = std::max({frame.start, prev, gridStart});
            const int end = std::min(frame.end, gridEnd);
            if (start >= end) continue;
            if (prev != start) addGap(prev, start, "");
            Boundaries.push_back(start);
            HtmlCellEntry entry;
            entry.kind = HtmlCellKind::Frame;
            entry.start = start;
            entry.end = end;
            entry.laneCount = b;
            entry.laneNo = std::max(1, frame.lane);
            entry.dateIndex = dateIndex;
            entry.frameIndex = f;
            lane.entries.push_back(entry);
            prev = end;
        }
        if (prev != gridEnd) addGap(prev, gridEnd, "Limit");
        group.lanes.push_back(std::move(lane));
    }
    Columns.push_back(std::move(group));
}

void THtmlKnr::MapRows() {
    const int rows = RowCount();
    for (HtmlColumnGroup& group : Columns) {
        for (HtmlLane& lane : group.lanes) {
            lane.rowMap.assign(rows, kHtmlRowFree);
            for (int e = 0; e < static_cast<int>(lane.entries.size()); ++e) {
                HtmlCellEntry& entry = lane.entries[e];
                const int first = RowOf(Boundaries, entry.start);
                const int last = RowOf(Boundaries, entry.end);
                entry.rowSpan = std::max(0, last - first);
                for (int r = first; r < last; ++r) {
                    if (lane.rowMap[r] != kHtmlRowFree) continue;
                    if (entry.kind == HtmlCellKind::Gap) lane.rowMap[r] = e;
                    else lane.rowMap[r] = r == first ? e : kHtmlRowCovered;
                }
                if (entry.kind == HtmlCellKind::Gap) entry.rowSpan = 1;
            }
        }
    }
}

void THtmlKnr::Widen(HtmlColumnGroup& group) {
    const int lanes = static_cast<int>(group.lanes.size());
    for (int l = 0; l + 1 < lanes; ++l) {
        HtmlLane& lane = group.lanes[l];
        for (int r = 0; r < RowCount(); ++r) {
            const int value = lane.rowMap[r];
            if (value < 0 || lane.entries[value].kind != HtmlCellKind::Frame) continue;
            HtmlCellEntry& entry = lane.entries[value];
            for (int next = l + 1; next < lanes; ++next) {
                HtmlLane& other = group.lanes[next];
                bool free = true;
                for (int s = r; s < r + entry.rowSpan && free; ++s) free = IsGapEntry(other, other.rowMap[s]);
                if (!free) break;
                for (int s = r; s < r + entry.rowSpan; ++s) other.rowMap[s] = kHtmlRowCovered;
                ++entry.colSpan;
            }
        }
    }
}

void THtmlKnr::GroupGaps(HtmlColumnGroup& group) {
    const int rows = RowCount();
    for (HtmlLane& lane : group.lanes) {
        for (int r = 0; r < rows; ++r) {
            if (!IsGapEntry(lane, lane.rowMap[r])) continue;
            const int index = static_cast<int>(GapGroups.size());
            GapGroups.push_back({1, 1, Boundaries[r]});
            lane.rowMap[r] = kHtmlGroupBase - index;
            while (r + 1 < rows && IsGapEntry(lane, lane.rowMap[r + 1])) {
                ++r;
                lane.rowMap[r] = kHtmlRowCovered;
                ++GapGroups[index].rowSpan;
            }
        }
    }
    const int lanes = static_cast<int>(group.lanes.size());
    for (int l = 0; l + 1 < lanes; ++l) {
        for (int r = 0; r < rows; ++r) {
            const int value = group.lanes[l].rowMap[r];
            if (!IsHtmlGroupRef(value)) continue;
            HtmlGapGroup& groupHere = GapGroups[HtmlGroupIndex(value)];
            for (int next = l + 1; next < lanes; ++next) {
                int& other = group.lanes[next].rowMap[r];
                if (!IsHtmlGroupRef(other) || GapGroups[HtmlGroupIndex(other)].rowSpan != groupHere.rowSpan) break;
                groupHere.colSpan += GapGroups[HtmlGroupIndex(other)].colSpan;
                other = kHtmlRowCovered;
            }
        }
    }
}

}  // namespace mv
