#pragma once
// What the property window changes on one frame: its times as typed, its colours and font
// size, a title field's alignment and place, its contents, link flag and links. Each change
// goes through the working set, records its undo entry where it has one, and reports the
// frame's date; texts are Shift-JIS with line breaks as 0x7F.

#include <optional>
#include <string>
#include <string_view>

#include "edit/editcontext.h"
#include "edit/grip.h"

namespace mv {

class Dialogs;

// A time as people type it ("9:30", "930", "09：30" with full-width characters, "25:30"
// for half past one at night), read as HHMM from 0 to 2359; the hours 24 to 29 are read
// as 0 to 5. Nothing, with the message shown when dialogs is given, when it is no time.
std::optional<int> ReadTypedTime(std::string_view utf8, Dialogs* dialogs);

// The frame's new times from the two typed times: hours 0 to 4 run on after midnight, an
// end at the grid's first hour means the grid's end, and a start typed past the end moves
// the end with it (an end typed before the start, the start), keeping the duration inside
// the grid. Nothing when no sensible frame results.
std::optional<TimeSpan> ResolveTimeChange(const TimeSpan& old, int typedStart, int typedEnd, bool startChanged);

// Sets the frame's times, recorded as one time change; the frame is selected and shown.
bool ChangeFrameTimes(EditContext& context, const Date& date, const std::string& cid, const TimeSpan& times);

// The colours and the font size, each recorded on its own. The text colour goes to the
// frame and to the field; the font size (points, 1 to 99) to the field.
bool SetFrameColour(EditContext& context, const Date& date, const std::string& cid, int colour);
bool SetTextColour(EditContext& context, const Date& date, const std::string& cid, int field, int colour);
bool SetFontSize(EditContext& context, const Date& date, const std::string& cid, int field, int points);

// The field's alignment (0 free, 1 left, 2 centre, 3 right). Turning free keeps the field
// where it is drawn now: `drawnOffset` is its text's distance from the frame's left edge.
bool SetFieldAlignment(EditContext& context, const Date& date, const std::string& cid, int field, int alignment,
                       int drawnOffset);

// Contents, its link flag and the link list (one "name = address" per line). Not recorded.
// A text typed key by key is stored with `report` false (the frame redrawn, nothing sent to
// the other sharers) and reported once by ReportFrameChange when the editor is left.
bool SetContents(EditContext& context, const Date& date, const std::string& cid, const std::string& text,
                 bool report = true);
bool SetContentsLink(EditContext& context, const Date& date, const std::string& cid, bool link);
bool SetLinks(EditContext& context, const Date& date, const std::string& cid, const std::string& text,
              bool report = true);
void ReportFrameChange(EditContext& context, const Date& date);

// Puts the field at the frame's top left corner, or just below the frame (its height in
// pixels plus the reference font's). Not recorded.
bool ResetFieldPosition(EditContext& context, const Date& date, const std::string& cid, int field, bool belowFrame,
                        int frameHeight, int referenceFontHeight);

}  // namespace mv
