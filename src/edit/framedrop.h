#pragma once
// The end of a frame drag: a resize by the top or bottom edge, a move or copy of the body,
// on the frame's own date or another. Validated, recorded for undo, applied to the frames of
// the shown dates or the stored lines of the others, and reported in one change report.
// The window's drag preview, and the command-line tool's move, copy and resize, end here.

#include <optional>
#include <string>
#include <vector>

#include "edit/editcontext.h"
#include "edit/grip.h"

namespace mv {

class Dialogs;

struct FrameDrop {
    Date date;         // where the frame is
    std::string cid;   // its Ci_Cid
    GripKind grip = GripKind::Body;  // Top or Bottom resize; Body moves or copies
    bool copy = false;
    Date targetDate;   // the date the body was dropped on (the frame's own when unset)
    int start = 0;     // the times the frame gets (HHMM)
    int end = 0;
    // Set by drags that place the frame across its column (edges, body, a new frame).
    std::optional<HorizontalPlace> place;
    // The target date's frames in their new side-by-side order ("" is the dropped frame);
    // empty leaves the order as it is.
    std::vector<std::string> sideBySide;
};

enum class DropResult {
    Done,
    Missing,     // the frame is gone (another sharer removed it): nothing written
    Refused,     // start not before end: the message was shown, nothing changed
    Cancelled,   // the copy question was answered Cancel
};

// With a copy the user is asked first; the copy gets a new id from `ids`. The frame as it
// ends up is selected through the listener.
DropResult CommitFrameDrop(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const FrameDrop& drop);

}  // namespace mv
