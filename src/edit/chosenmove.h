#pragma once
// Moving or copying the chosen frames together: each by the days between the dragged
// frame's date and the date it was dropped on, and by the minutes its start moved. One undo
// entry and one change report for all of them.

#include <string>

#include "edit/editcontext.h"
#include "edit/framedrop.h"

namespace mv {

class Dialogs;

struct ChosenMove {
    Date baseDate;        // the dragged frame
    std::string baseCid;
    Date targetDate;      // where it was dropped
    int offsetMinutes = 0;  // how far its start moved
    bool copy = false;
};

// A copy asks first. Times keep their length, start no earlier than 05:00 and end no later
// than the grid's last time (a frame pushed past it is moved back). The chosen frames are
// the moved frames or the copies afterwards, and the dragged one's result is selected.
// Missing when none of the chosen frames is there any more.
DropResult MoveChosenFrames(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const ChosenMove& move);

}  // namespace mv
