#pragma once
// Commands on one frame: create, delete, connect to a neighbour, add and delete title
// fields, stretch onto a neighbour (the Shift-drag), the record of a field dragged inside
// its frame; and the deletion of the chosen frames. Each records its undo entry, changes
// the frame through the working set and reports its date.

#include <optional>
#include <string>
#include <vector>

#include "edit/editcontext.h"
#include "edit/framerules.h"

namespace mv {

// Stretches the frame up to the neighbour on its date: its end to the neighbour's start
// when the neighbour lies below, its start to the neighbour's end when above. False (and
// nothing changed) when either is gone or the two overlap in time.
bool ExtendFrameOnto(EditContext& context, const Date& date, const std::string& cid, const std::string& neighbourCid);

// A field was dragged inside the frame: records the frame as it was (`before`, taken when
// the drag began) for undo and reports the date.
void FinishFieldMove(EditContext& context, const FrameSnapshot& before);

class Dialogs;
class FrameIdSource;

// A new frame on a date with these times and one blank title field; with `sideBySide` (the
// date's frames in their new order, "" for the new one) it is placed across the whole
// column in that order. Selected; its Ci_Cid is returned.
std::string CreateFrame(EditContext& context, FrameIdSource& ids, const Date& date, const TimeSpan& times,
                        const std::vector<std::string>& sideBySide = {});

// Asks, then deletes the frame. False when cancelled or the frame is gone. The frame is
// named by value: it is usually the selection, which the deletion clears.
bool DeleteFrame(EditContext& context, Dialogs& dialogs, Date date, std::string cid);

// Connects the frame to its nearest neighbour among `candidates` (the date's frames beside
// it). Without one, the message and false.
bool ConnectFrame(EditContext& context, Dialogs& dialogs, const Date& date, const std::string& cid,
                  const std::vector<TimeSpan>& candidates, ConnectWay way);

// Adds a title field with the text (two blanks when it is blank), or a time field ("[time]"),
// and selects it. `record` false: no undo entry of its own (the frame's creation covers it).
bool AddTitleField(EditContext& context, const Date& date, const std::string& cid, const std::string& text,
                   bool timeField, bool record = true);
// Asks, then deletes the field; the selected field stays at its index, or the last one.
bool DeleteTitleField(EditContext& context, Dialogs& dialogs, const Date& date, const std::string& cid, int field);

// Sets a title field's text, recorded as one title edit from `before` (the frame as the
// editing began; the in-place editor stores its text as it is typed). False when the field
// is gone or is the time field.
bool EditFieldText(EditContext& context, const Date& date, const std::string& cid, int field, const std::string& text,
                   const FrameSnapshot& before);
// The two halves of that for the in-place editor: the text stored as it is typed (modified
// set, the frame redrawn; nothing recorded), and on leaving, the one undo entry and the
// change report when the frame's line differs from `before`.
bool StoreFieldText(EditContext& context, const Date& date, const std::string& cid, int field, const std::string& text);
void FinishFieldText(EditContext& context, const FrameSnapshot& before);

// Asks, then deletes every chosen frame in one undo step and lets them go. False when
// cancelled or none was there.
bool DeleteChosenFrames(EditContext& context, Dialogs& dialogs);

}  // namespace mv
