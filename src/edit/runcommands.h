#pragma once
// Frames made and moved in runs from the property window: one frame copied onto every
// chosen weekday of a date range, and frames of one date shifted earlier or later.

#include <string>
#include <vector>

#include "edit/editcontext.h"

namespace mv {

class Dialogs;
class FrameIdSource;

// Weekdays as bits, Sunday the lowest: 1 << DayOfWeek(date).
using WeekdaySet = unsigned;

// The weekdays written with the letters 日月火水木金土 (UTF-8), in that order.
std::string WeekdayLetters(WeekdaySet weekdays);

// Checks and asks, then adds a copy of the frame (new id) on every day from `first` to
// `last` whose weekday is chosen, the frame's own date included; added, never replacing.
// One undo step; says how many were made, or that none was. The number made.
int ExpandFrame(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const Date& date, const std::string& cid,
                const Date& first, const Date& last, WeekdaySet weekdays);

// One frame of a date as the day list shows it.
struct DayFrameItem {
    std::string cid;
    std::string text;  // "   1. 09:00 ～ 10:00  title", UTF-8
};
// The date's frames by start time.
std::vector<DayFrameItem> DayFrameList(const WorkingSet& working, const Date& date);

enum class ShiftOutcome { InvalidMinutes, NothingSelected, Cancelled, NothingShifted, Shifted };
// Checks the minutes (digits, blank for 0) and asks, then moves every listed frame of the
// date `minutes` earlier or later; a frame that would leave the grid is refused with its
// message while the others move. One undo step for those moved.
ShiftOutcome ShiftFrames(EditContext& context, Dialogs& dialogs, const Date& date,
                         const std::vector<DayFrameItem>& frames, const std::string& minutes, bool earlier);

}  // namespace mv
