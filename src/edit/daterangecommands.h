#pragma once
// Everything on a run of dates at once: deleted, or moved or copied to start at another
// date (the days keeping their gaps; a target overlapping the source loses nothing). One
// undo step and one change report each.

#include "edit/editcontext.h"

namespace mv {

class Dialogs;
class FrameIdSource;

// Asks, then empties the days. False when cancelled or the days held nothing.
bool DeleteDateRange(EditContext& context, Dialogs& dialogs, const Date& first, const Date& last);

// Empties the days without asking (one undo step); false when they held nothing.
bool EmptyDateRange(EditContext& context, const Date& first, const Date& last);

// Asks (all frames of this date), then empties the one day; the date range is left alone.
bool ClearDate(EditContext& context, Dialogs& dialogs, const Date& date);

// Asks, then moves or copies the days' lines to the days from `target`; copies get new ids.
// The date range then covers the target days. False when cancelled or nothing moved.
bool TransferDateRange(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const Date& first,
                       const Date& last, const Date& target, bool copy);

}  // namespace mv
