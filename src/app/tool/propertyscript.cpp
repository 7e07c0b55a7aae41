// The edit script's property commands: times, colours, font size, alignment, contents and
// links of one frame; a frame expanded over dates by weekday; frames of a date shifted; and
// whole months deleted.

#include <algorithm>
#include <iostream>

#include "app/tool/editscript.h"
#include "edit/designlists.h"
#include "edit/propertycommands.h"
#include "edit/runcommands.h"
#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/timeofday.h"

namespace mv {

namespace {

constexpr const char* kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};

// A text as stored: Shift-JIS, "\n" written in the script a line break (the byte 0x7F). The
// break is put in before the conversion, where no double-byte character can hold a "\".
std::string StoredText(const std::string& utf8) {
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8.compare(i, 2, "\\n") == 0) {
            text += '\x7F';
            ++i;
        } else {
            text += utf8[i];
        }
    }
    return FromUtf8(text);
}

}  // namespace

bool EditScript::RunPropertyCommand(const std::vector<std::string>& w, const std::string& line) {
    const std::string& verb = w[0];
    const std::size_t n = w.size();
    mDialogs.messages.clear();
    // A number in a range, or the failure naming what it should be.
    auto numberOf = [&](const std::string& text, int low, int high, const std::string& what) {
        const std::optional<int> value = ParseInt(text);
        if (!value || *value < low || *value > high) Fail(what + ", not " + text);
        return *value;
    };
    auto colourOf = [&](const std::string& text) {
        return numberOf(text, 0, 0xFFFFFF, "a colour is 0x00BBGGRR as a decimal number 0 to 16777215");
    };

    if (verb == "expand" && n == 5) {
        const Named frame = FrameOf(w[1]);
        // The dates as written (their weekdays count); the copies land on their month and day.
        const std::optional<Date> first = ParseDate(w[2]), last = ParseDate(w[3]);
        if (!first || !last) Fail("expand takes two dates YYYY/MM/DD, not " + w[2] + " " + w[3]);
        WeekdaySet weekdays = 0;
        for (std::size_t at = 0; at < w[4].size();) {
            const auto letter = std::find_if(std::begin(kWeekdays), std::end(kWeekdays),
                                             [&](const char* day) { return w[4].compare(at, 3, day) == 0; });
            if (letter == std::end(kWeekdays)) Fail("weekdays are written with the letters 日月火水木金土, not " + w[4]);
            weekdays |= 1u << (letter - std::begin(kWeekdays));
            at += 3;
        }
        mDialogs.notes.clear();
        Done(ExpandFrame(*mEdit, mDialogs, mIds, frame.date, frame.cid, *first, *last, weekdays) > 0);
        for (const std::string& note : mDialogs.notes) std::cout << note << '\n';
        return true;
    }
    if (verb == "shift" && n >= 4) {
        if (w[1] != "earlier" && w[1] != "later") Fail("shift goes earlier or later, not " + w[1]);
        std::vector<std::string> cids;
        Date date;
        for (std::size_t i = 3; i < n; ++i) {
            const Named frame = FrameOf(w[i]);
            if (i > 3 && frame.date != date) Fail("the frames to shift must be of one date: " + w[i]);
            date = frame.date;
            cids.push_back(frame.cid);
        }
        // The frames as the day list shows them (its texts go into the question and the
        // messages), read from a view of that one date.
        WorkingSet day(mDesign.Store(), mContext);
        day.Build(date, 1);
        day.LoadView();
        std::vector<DayFrameItem> chosen;
        for (DayFrameItem& item : DayFrameList(day, date))
            if (std::find(cids.begin(), cids.end(), item.cid) != cids.end()) chosen.push_back(std::move(item));
        Done(ShiftFrames(*mEdit, mDialogs, date, chosen, w[2], w[1] == "earlier") == ShiftOutcome::Shifted);
        // Frames that would leave the day were refused one by one while the others moved.
        for (const std::string& message : mDialogs.messages) std::cerr << message << '\n';
        return true;
    }
    if (verb == "times" && n == 4) {
        const Named frame = FrameOf(w[1]);
        const std::optional<int> start = ReadTypedTime(w[2], &mDialogs);
        const std::optional<int> end = start ? ReadTypedTime(w[3], &mDialogs) : std::nullopt;
        if (!start || !end) Done(false);
        const std::optional<TimeSpan> times = ResolveTimeChange(
            {frame.start, frame.end}, *start, *end, EarlyMorningShift(*start) != frame.start);
        if (!times) Fail("no frame runs from " + w[2] + " to " + w[3]);
        return Done(ChangeFrameTimes(*mEdit, frame.date, frame.cid, *times));
    }
    if (verb == "fill" && n == 3) {
        const Named frame = FrameOf(w[1]);
        return Done(SetFrameColour(*mEdit, frame.date, frame.cid, colourOf(w[2])));
    }
    if ((verb == "text-colour" || verb == "font-size" || verb == "align") && n == 4) {
        const Named frame = FrameOf(w[1]);
        const int field = FieldOf(frame, w[2]);
        if (verb == "text-colour") return Done(SetTextColour(*mEdit, frame.date, frame.cid, field, colourOf(w[3])));
        if (verb == "font-size")
            return Done(SetFontSize(*mEdit, frame.date, frame.cid, field, numberOf(w[3], 1, 99, "a font size is 1 to 99")));
        const std::vector<std::string> alignments = {"free", "left", "center", "right"};
        const auto alignment = std::find(alignments.begin(), alignments.end(), w[3]);
        if (alignment == alignments.end()) Fail("align takes free, left, center or right, not " + w[3]);
        // No text is drawn here: a field turning free starts at the frame's left edge.
        return Done(SetFieldAlignment(*mEdit, frame.date, frame.cid, field,
                                      static_cast<int>(alignment - alignments.begin()), 0));
    }
    if ((verb == "contents" || verb == "links") && n >= 2) {
        const Named frame = FrameOf(w[1]);
        const std::string text = StoredText(RestOfLine(line, 2));
        return Done(verb == "contents" ? SetContents(*mEdit, frame.date, frame.cid, text)
                                       : SetLinks(*mEdit, frame.date, frame.cid, text));
    }
    if (verb == "link" && n == 3) {
        const Named frame = FrameOf(w[1]);
        if (w[2] != "on" && w[2] != "off") Fail("link is on or off, not " + w[2]);
        return Done(SetContentsLink(*mEdit, frame.date, frame.cid, w[2] == "on"));
    }
    if (verb == "delete-month" && n >= 2) {
        std::vector<int> months;
        for (std::size_t i = 1; i < n; ++i) months.push_back(numberOf(w[i], 1, 12, "a month is 1 to 12"));
        return Done(DeleteMonths(*mEdit, mDialogs, months));
    }
    return false;
}

}  // namespace mv
