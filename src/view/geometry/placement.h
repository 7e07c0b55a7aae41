#pragma once
// Horizontal placement of a date's frames inside the column's drawing area: either where
// each frame's own position and length put it (free placement), or side by side in lanes
// when frames overlap in time (automatic placement). Pure arithmetic over a whole day.

#include <vector>

#include "view/geometry/framelayout.h"

namespace mv {

enum PlacementMode { kFreePlacement = 0, kAutomaticPlacement = 1 };

// A percentage of a width as a pixel offset, snapped down to 4 pixels; the whole width
// when the snapped value comes within 4 pixels of it.
int SnapPercent(int width, int percent);

// The x range of a freely placed frame: unset (negative) position and length stand for the
// whole width; at least three characters wide and inside the area.
PixelRect FreePlacement(const PixelRect& area, int position, int length, int charWidth);

// Two frames overlap when they share time; frames that only touch do not. `earlier` is the
// one that comes first in the date's start order.
bool FramesOverlap(int earlierStart, int earlierEnd, int laterStart, int laterEnd);

struct LaneFrame {
    int start = 0, end = 0;  // HHMM
    int leftPri = 0;         // Ci_LeftPri
};

struct LaneSlot {
    int lane = 0;       // 0: alone in its time, uses the whole area; else 1..count
    int count = 1;      // lanes of its cluster after compaction
    int span = 1;       // lanes covered after widening
    int leftPri = 0;    // the order it was laid out by
};

// Lanes of a date's frames, given in start order: overlapping frames form clusters, each
// cluster is ordered by Ci_LeftPri, compacted (a frame moves into the lane on its left when
// the earlier frame there does not overlap it) and widened over free lanes to its right.
std::vector<LaneSlot> AssignLanes(const std::vector<LaneFrame>& frames);

// The x range of lane `lane` of `count` covering `span` lanes; the last lane runs to the
// area's right edge so no pixel is lost to truncation.
PixelRect LaneRect(const PixelRect& area, int lane, int count, int span);

// Places one date's frames (after MapLinear, before AdjustAllRows): sets each box's left,
// right, lane, lane count, span and order. Only x changes, so it commutes with the per-hour
// adjustment, which only moves y.
void PlaceFrames(const ViewLayout& layout, int column, DayBoxes& boxes, int placementMode);

// The whole frame layout of the shown dates: linear mapping and placement of every date,
// then the per-hour adjustment of all rows.
void LayOutFrames(ViewLayout& layout, std::vector<DayBoxes>& days, int placementMode);

// After an edit of some dates whose boxes the caller has rebuilt (OrderedBoxes): maps and
// places those dates again and re-runs the per-hour adjustment. Returns, per column, the
// hour rows whose frames moved on the other dates (those need their cells and frames
// redrawn); the edited columns themselves get empty lists, as they are redrawn whole.
std::vector<std::vector<int>> RelayOutEditedDates(ViewLayout& layout, std::vector<DayBoxes>& days,
                                                  const std::vector<int>& editedColumns, int placementMode);

}  // namespace mv
