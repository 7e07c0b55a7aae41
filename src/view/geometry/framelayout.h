#pragma once
// Frame rectangles of the shown dates: the linear mapping of their times, and the per-hour
// adjustment that gives short frames a readable height. Marks are shared by all dates so
// equal times line up across columns.

#include <string>
#include <vector>

#include "model/frame.h"
#include "view/geometry/viewlayout.h"

namespace mv {

struct FrameBox {
    TCInf* frame = nullptr;
    int start = 0, end = 0;  // HHMM as displayed
    PixelRect rect;          // drawing rectangle after adjustment (band excluded)
    int linearTop = 0, linearBottom = 0;
    bool valid = false;      // both times map into the grid
};

using DayBoxes = std::vector<FrameBox>;

// The frames of a date in view order: by start time, then by id.
DayBoxes OrderedBoxes(const FrameList& frames);

// Linear rectangles: x over the column's frame area, y from the start and end times.
void MapLinear(const ViewLayout& layout, int column, DayBoxes& boxes);

// Adjusts one hour row over all dates; true when some frame edge moved.
bool AdjustHourRow(const RowCell& row, std::vector<DayBoxes>& days, int minFrameHeight);
// Every row; marks the rows whose frames moved.
void AdjustAllRows(ViewLayout& layout, std::vector<DayBoxes>& days);

// Front to back: the selected frame when its area holds the point, then the frames of
// the column under x from last to first, then every column's frames from last to first.
const FrameBox* FrameAtPoint(const ViewLayout& layout, const std::vector<DayBoxes>& days, int x, int y,
                             const TCInf* selected);

// Start time to scroll to for the earliest frame: the smallest start of the first date
// that has any frame; nothing when no date has one.
std::optional<int> EarliestStart(const std::vector<DayBoxes>& days);

}  // namespace mv
