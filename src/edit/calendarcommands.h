#pragma once
// What the month calendar does to the design: move or copy the selected frame (or the
// chosen frames) to a day picked in it, and the date-range commands on its days, which
// share the date range of the design window's date header.

#include <string>

#include "edit/editcontext.h"

namespace mv {

class Dialogs;
class FrameIdSource;

// The date header's range items as the range stands: captions without their numbers
// (UTF-8) and whether each is enabled.
struct RangeMenuState {
    std::string first = "範囲";  // with a range, "：　" and its first date follow
    std::string fix = "確定";    // with a range, "：　" and its last date follow
    bool firstEnabled = true;    // no range yet
    bool fixEnabled = false;     // while picking
    bool rangeEnabled = false;   // clear, move and copy: while picking or fixed
};
RangeMenuState DateRangeMenuState(const DateRange& range);

struct CalendarPick {
    Date sourceDate;   // the selected frame's date
    std::string cid;   // the selected frame
    Date picked;       // the day clicked in the calendar
    bool copy = false;
};

// Asks, then moves or copies the frame to the picked day (a copy gets a new id), or, when
// frames are chosen, all of them keeping their distances in days. False when cancelled or
// the frame is gone, so that the calendar stays ready for another pick.
bool TransferToPickedDate(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const CalendarPick& pick);

// The calendar's range items on a day: start a range there, fix it with its other end
// there, clear it.
void CalendarRangeStart(DateRange& range, const Date& day);
void CalendarRangeFix(DateRange& range, const Date& day);
// Move, copy or delete the range's days (the day alone when no range is picked) with the
// day as target. False when cancelled or nothing changed.
enum class RangeOperation { Move, Copy, Delete };
bool CalendarRangeOperation(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const Date& day,
                            RangeOperation operation);

}  // namespace mv
