#pragma once
// The time arithmetic of the frame commands: the times a new frame gets from the gap it is
// created in, and the neighbour a frame is connected to. Pure functions on times.

#include <optional>
#include <vector>

#include "edit/grip.h"

namespace mv {

// A frame of the pressed column as the create rule sees it.
struct GapNeighbour {
    TimeSpan span;
    int top = 0, bottom = 0;  // its rectangle's top and bottom in picture pixels
    bool coversX = true;      // its horizontal extent holds the press x
};

// The times of a frame created on empty space at y in a row running from rowStart to rowEnd:
// from the end of the frame above to the start of the frame below (the row's own times when
// there is none), at most an hour beyond the row either way, inside the grid's times. With
// automatic placement only frames under the press x count.
TimeSpan NewFrameTimes(const std::vector<GapNeighbour>& column, int y, int rowStart, int rowEnd, bool automatic,
                       int firstTime, int lastTime);

enum class ConnectWay { Up, UpMove, Down, DownMove };

// The frame's times connected to the nearest neighbour above or below among `candidates`
// (frames beside it horizontally): its start to the end of the one above, or its end to
// the start of the one below; the "move" ways keep its length. Nothing when no neighbour
// is apart from it in that direction, or the nearest already touches it.
std::optional<TimeSpan> ConnectedTimes(const TimeSpan& frame, const std::vector<TimeSpan>& candidates, ConnectWay way);

}  // namespace mv
