#pragma once
// Frame rectangles of the shown dates: the linear mapping of their times, and the per-hour
// adjustment that gives short frames a readable height. Marks are shared by all dates so
// equal times line up across columns.

#include <string>
#include <vector>

#include "model/frame.h"
#include "view/geometry/viewlayout.h"

namespace mv {

// What a field of a frame drew, for hit-testing and the selection outline.
struct FieldBox {
    PixelRect textBox;    // left, top, right, bottom of the drawn text
    int topMargin = 0;
    int charWidth = 0;    // of the field's font
    int lineHeight = 0;
    int lineCount = 0;    // lines drawn
    int widthChars = 0;   // width of the text area in characters
    std::string wrapped;  // the wrapped lines joined by 0x7F
    bool drewText() const { return lineCount > 0; }
};

struct FrameBox {
    TCInf* frame = nullptr;
    int start = 0, end = 0;  // HHMM as displayed
    PixelRect rect;          // drawing rectangle after adjustment (band excluded)
    int linearTop = 0, linearBottom = 0;
    bool valid = false;      // both times map into the grid
    // Side-by-side placement (see placement.h): lane 0 uses the whole area, lanes 1..count
    // share it; span is the number of lanes the frame covers after widening.
    int lane = 0, laneCount = 1, laneSpan = 1;
    int leftPri = 0;         // the order used for the lanes (a compacted frame takes its neighbour's)
    std::vector<FieldBox> fields;  // one per field of the frame, filled when it is drawn
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
