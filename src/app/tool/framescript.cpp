// The edit script's frame commands: create, delete, connect, title fields, the chosen
// frames and their moves, copies and deletion, and the month calendar's picked day.

#include "app/tool/editscript.h"

#include "edit/calendarcommands.h"
#include "edit/chosenmove.h"
#include "edit/daterangecommands.h"
#include "edit/framecommands.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "model/keyvalueline.h"
#include "model/timeofday.h"

namespace mv {

std::string RestOfLine(const std::string& line, int words) {
    std::size_t at = 0;
    for (int i = 0; i < words; ++i) {
        at = line.find_first_not_of(" \t", at);
        at = line.find_first_of(" \t", at);
        if (at == std::string::npos) return {};
    }
    const std::size_t first = line.find_first_not_of(" \t", at);
    return first == std::string::npos ? std::string() : line.substr(first);
}

bool EditScript::Done(bool ok) {
    if (!ok) Fail(mDialogs.messages.empty() ? std::string("not done") : mDialogs.messages.back());
    return true;
}

int EditScript::FieldOf(const Named& frame, const std::string& number) {
    const std::optional<int> n = ParseInt(number);
    const std::optional<std::string> current = mWorking->LineOf(frame.date, frame.cid);
    const ParsedRecord parsed = ParseRecordLine(*current, mContext);
    if (!n || *n < 1 || *n > static_cast<int>(parsed.frame->Fields.size())) Fail("the frame has no field " + number);
    return *n - 1;
}

std::vector<TimeSpan> EditScript::TimesOn(const Date& date, const std::string& except) {
    std::vector<TimeSpan> times;
    for (const std::string& line : mDesign.Store().Slot(SlotOfDate(date))) {
        ParsedRecord parsed = ParseRecordLine(line, mContext);
        if (parsed.kind == ParsedRecord::Kind::Frame && parsed.frame->CDate == date && parsed.frame->Cid != except)
            times.push_back({parsed.frame->StoredSTime(), parsed.frame->StoredETime()});
    }
    return times;
}

bool EditScript::RunFrameCommand(const std::vector<std::string>& w, const std::string& line) {
    const std::string& verb = w[0];
    const std::size_t n = w.size();
    mDialogs.messages.clear();
    if (verb == "new" && n == 3) {
        // A press on empty space at that time: the gap between the frames around it.
        const Date date = DateOf(w[1]);
        const int at = TimeOf(w[2]);
        std::vector<GapNeighbour> column;
        for (const TimeSpan& span : TimesOn(date, {}))
            column.push_back({span, ToMinutes(span.start), ToMinutes(span.end), true});
        const int hour = at / 100 * 100;
        CreateFrame(*mEdit, mIds, date,
                    NewFrameTimes(column, ToMinutes(at), hour, hour + 100, false, kDayStart, kDayEnd));
        return true;
    }
    if (verb == "new-on" && n == 2) {
        const Named frame = FrameOf(w[1]);
        CreateFrame(*mEdit, mIds, frame.date, {frame.start, frame.end});
        return true;
    }
    if (verb == "delete" && n == 2) {
        const Named frame = FrameOf(w[1]);
        return Done(DeleteFrame(*mEdit, mDialogs, frame.date, frame.cid));
    }
    if (verb == "connect" && n == 3) {
        const Named frame = FrameOf(w[1]);
        const std::vector<std::pair<const char*, ConnectWay>> ways = {
            {"up", ConnectWay::Up}, {"up-move", ConnectWay::UpMove}, {"down", ConnectWay::Down},
            {"down-move", ConnectWay::DownMove}};
        for (const auto& [word, way] : ways)
            if (w[2] == word) return Done(ConnectFrame(*mEdit, mDialogs, frame.date, frame.cid, TimesOn(frame.date, frame.cid), way));
        Fail("connect goes up, up-move, down or down-move, not " + w[2]);
    }
    if ((verb == "title-add" && n >= 3) || (verb == "time-add" && n == 2)) {
        const Named frame = FrameOf(w[1]);
        return Done(AddTitleField(*mEdit, frame.date, frame.cid, FromUtf8(RestOfLine(line, 2)), verb == "time-add"));
    }
    if ((verb == "title-delete" && n == 3) || (verb == "title-edit" && n >= 3)) {
        const Named frame = FrameOf(w[1]);
        const int field = FieldOf(frame, w[2]);
        if (verb == "title-delete") return Done(DeleteTitleField(*mEdit, mDialogs, frame.date, frame.cid, field));
        const ParsedRecord parsed = ParseRecordLine(*mWorking->LineOf(frame.date, frame.cid), mContext);
        const FrameSnapshot before = SnapshotOf(*parsed.frame, mDesign.Modified());
        if (!EditFieldText(*mEdit, frame.date, frame.cid, field, FromUtf8(RestOfLine(line, 3)), before))
            Fail("field " + w[2] + " is the time field");
        return true;
    }
    if (verb == "select" && n == 2) {
        const Named frame = FrameOf(w[1]);
        mEdit->Chosen().Toggle(frame.cid, frame.date);
        return true;
    }
    if (verb == "clear-selection" && n == 1) {
        mEdit->Chosen().Clear();
        return true;
    }
    if ((verb == "move-selection" || verb == "copy-selection") && n == 4) {
        const Named frame = FrameOf(w[1]);
        if (!mEdit->Chosen().Contains(frame.cid)) Fail("the frame is not selected: " + w[1]);
        const ChosenMove move{frame.date, frame.cid, DateOf(w[2]), MinutesBetween(frame.start, TimeOf(w[3])),
                              verb == "copy-selection"};
        return Done(MoveChosenFrames(*mEdit, mDialogs, mIds, move) == DropResult::Done);
    }
    if ((verb == "range-move" || verb == "range-copy") && n == 4) {
        const Date first = DateOf(w[1]), last = DateOf(w[2]);
        if (last < first) Fail("the range's last date is before its first");
        return Done(TransferDateRange(*mEdit, mDialogs, mIds, first, last, DateOf(w[3]), verb == "range-copy"));
    }
    if (verb == "range-delete" && n == 3) {
        const Date first = DateOf(w[1]), last = DateOf(w[2]);
        if (last < first) Fail("the range's last date is before its first");
        return Done(DeleteDateRange(*mEdit, mDialogs, first, last));
    }
    if ((verb == "calendar-move" || verb == "calendar-copy") && n == 3) {
        const Named frame = FrameOf(w[1]);
        return Done(TransferToPickedDate(*mEdit, mDialogs, mIds,
                                         {frame.date, frame.cid, DateOf(w[2]), verb == "calendar-copy"}));
    }
    if (verb == "delete-selection" && n == 1) {
        if (mEdit->Chosen().Count() == 0) Fail("nothing is selected");
        return Done(DeleteChosenFrames(*mEdit, mDialogs));
    }
    return false;
}

}  // namespace mv
