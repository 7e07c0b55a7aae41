#pragma once
// The pack display: every date's frames shown as a list of one-hour blocks from the start
// of the day, whatever their real times. The real times are kept in the frames (KeptSTime,
// KeptETime), which is what is stored while the display is packed.

#include <utility>
#include <vector>

#include "model/frame.h"

namespace mv {

// Display times (HHMM) of the first `count` frames of a date: one-hour blocks from 05:00
// under a limit at 16:00 that moves an hour later with every block that would pass it, so
// that from 15:00 on two blocks share each hour; nothing ends after 29:00.
std::vector<std::pair<int, int>> PackTimes(int count);

// Packs one date's frames in their real start order (then by id): keeps the real times
// when not kept yet and sets the packed ones. Applying it again gives the same times.
void ApplyPackTiming(FrameList& frames);

// Restores the kept times (a frame whose kept start is 0 or less keeps its current times)
// and forgets them.
void UndoPackTiming(FrameList& frames);

}  // namespace mv
