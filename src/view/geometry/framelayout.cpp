#include "view/geometry/framelayout.h"

#include <algorithm>

namespace mv {

DayBoxes OrderedBoxes(const FrameList& frames) {
    DayBoxes boxes;
    boxes.reserve(frames.size());
    for (const auto& frame : frames) {
        FrameBox box;
        box.frame = frame.get();
        box.start = frame->STime;
        box.end = frame->ETime;
        boxes.push_back(box);
    }
    std::stable_sort(boxes.begin(), boxes.end(), [](const FrameBox& a, const FrameBox& b) {
        if (a.start != b.start) return a.start < b.start;
        return a.frame->Cid < b.frame->Cid;
    });
    return boxes;
}

void MapLinear(const ViewLayout& layout, int column, DayBoxes& boxes) {
    const PixelRect area = layout.FrameArea(column);
    for (FrameBox& box : boxes) {
        auto top = layout.YOfStart(box.start);
        auto bottom = layout.YOfEnd(box.end);
        box.valid = top && bottom;
        box.linearTop = top.value_or(0);
        box.linearBottom = bottom.value_or(0);
        box.rect = {area.left, box.linearTop, area.right, box.linearBottom};
    }
}

namespace {

struct TimeMark {
    int time;
    int y;
};

class MarkTable {
public:
    void Enter(int time, int y) {
        for (TimeMark& mark : mMarks)
            if (mark.time == time) {
                mark.y = std::max(mark.y, y);
                return;
            }
        mMarks.push_back({time, y});
    }
    void Sort() {
        std::sort(mMarks.begin(), mMarks.end(), [](const TimeMark& a, const TimeMark& b) { return a.time < b.time; });
    }
    std::vector<TimeMark>& Marks() { return mMarks; }
    const TimeMark* Find(int time) const {
        for (const TimeMark& mark : mMarks)
            if (mark.time == time) return &mark;
        return nullptr;
    }

private:
    std::vector<TimeMark> mMarks;
};

// Moves marks back inside [t, b]: down when the first is above t, scaled when the last is
// below b.
void Fit(std::vector<TimeMark>& marks, int t, int b, int rowStart, int rowEnd) {
    if (marks.empty()) return;
    if (marks.front().y < t) {
        int shift = t - marks.front().y;
        for (TimeMark& mark : marks) mark.y += shift;
    }
    const int last = marks.back().y;
    if (last - t > b - t) {
        for (TimeMark& mark : marks) mark.y = t + static_cast<int>(static_cast<double>(b - t) / (last - t) * (mark.y - t));
        for (TimeMark& mark : marks) {
            if (mark.time == rowStart) mark.y = t;
            if (mark.time == rowEnd) mark.y = b;
        }
    }
}

}  // namespace

bool AdjustHourRow(const RowCell& row, std::vector<DayBoxes>& days, int minFrameHeight) {
    const int h = row.startTime / 100;
    const int t = row.rect.top, b = row.rect.bottom;
    MarkTable table;
    table.Enter(row.startTime, t);
    table.Enter(row.endTime, b);

    std::vector<FrameBox*> remembered;
    for (DayBoxes& boxes : days) {
        for (FrameBox& box : boxes) {
            if (box.end / 100 < h) continue;
            if (box.start / 100 > h) break;
            if (!box.valid) continue;
            if (box.start / 100 == h) table.Enter(box.start, box.linearTop);
            if (box.end / 100 == h) table.Enter(box.end, box.linearBottom);
            remembered.push_back(&box);
        }
    }
    table.Sort();
    std::vector<TimeMark>& marks = table.Marks();
    const int n = static_cast<int>(marks.size());
    auto joins = [&](int fromTime, int toTime) {
        return std::any_of(remembered.begin(), remembered.end(),
                           [&](const FrameBox* box) { return box->start == fromTime && box->end == toTime; });
    };

    const int half = minFrameHeight / 2;
    for (int i = n - 2; i >= 0; --i) {
        int g = marks[i + 1].y - marks[i].y;
        if (g >= half || marks[i].y >= b) continue;
        int amount = joins(marks[i].time, marks[i + 1].time) ? half - g : 2;
        marks[i].y -= amount;
        for (int j = 0; j < i; ++j)
            if (marks[j].y > marks[i].y) marks[j].y = marks[i].y - amount;
    }
    Fit(marks, t, b, row.startTime, row.endTime);
    for (int i = 1; i < n; ++i) {
        int g = marks[i].y - marks[i - 1].y;
        if (g >= minFrameHeight || marks[i].y <= t) continue;
        int amount = joins(marks[i - 1].time, marks[i].time) ? minFrameHeight + marks[i - 1].y - marks[i].y : 2;
        marks[i].y += amount;
        for (int j = i + 1; j < n; ++j)
            if (marks[j].y < marks[i].y) marks[j].y = marks[i].y + amount;
    }
    Fit(marks, t, b, row.startTime, row.endTime);

    bool changed = false;
    for (FrameBox* box : remembered) {
        if (const TimeMark* mark = table.Find(box->start)) {
            changed = changed || mark->y != box->linearTop;
            box->rect.top = mark->y;
        }
        if (const TimeMark* mark = table.Find(box->end)) {
            changed = changed || mark->y != box->linearBottom;
            box->rect.bottom = mark->y;
        }
    }
    return changed;
}

void AdjustAllRows(ViewLayout& layout, std::vector<DayBoxes>& days) {
    for (RowCell& row : layout.Rows()) row.changedByAdjustment = AdjustHourRow(row, days, layout.Metrics().minFrameHeight);
}

const FrameBox* FrameAtPoint(const ViewLayout& layout, const std::vector<DayBoxes>& days, int x, int y,
                             const TCInf* selected) {
    auto hit = [&](const FrameBox& box) { return box.valid && box.rect.Contains(x, y); };
    if (selected)
        for (const DayBoxes& boxes : days)
            for (const FrameBox& box : boxes)
                if (box.frame == selected && hit(box)) return &box;
    const int column = layout.ColumnAtX(x);
    if (column < static_cast<int>(days.size()))
        for (auto it = days[column].rbegin(); it != days[column].rend(); ++it)
            if (hit(*it)) return &*it;
    for (const DayBoxes& boxes : days)
        for (auto it = boxes.rbegin(); it != boxes.rend(); ++it)
            if (hit(*it)) return &*it;
    return nullptr;
}

std::optional<int> EarliestStart(const std::vector<DayBoxes>& days) {
    for (const DayBoxes& boxes : days) {
        if (boxes.empty()) continue;
        int earliest = boxes.front().start;
        for (const FrameBox& box : boxes) earliest = std::min(earliest, box.start);
        return earliest;
    }
    return std::nullopt;
}

}  // namespace mv
