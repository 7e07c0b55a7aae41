#include "edit/chosenmove.h"

#include <algorithm>

#include "model/codec.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"

namespace mv {

namespace {

constexpr int kEarliestStart = 500;
constexpr int kLatestEnd = 2900;

// The frame's times moved by the offset, keeping their length inside 05:00 to 29:00.
void ShiftTimes(TCInf& frame, int offsetMinutes) {
    if (offsetMinutes == 0) return;
    const int length = MinutesBetween(frame.StoredSTime(), frame.StoredETime());
    const int earliest = ToMinutes(kEarliestStart), latest = ToMinutes(kLatestEnd);
    int start = std::max(earliest, ToMinutes(frame.StoredSTime()) + offsetMinutes);
    if (start + length > latest) start = std::max(earliest, latest - length);
    frame.STime = FromMinutes(start);
    frame.ETime = FromMinutes(std::min(latest, start + length));
    frame.KeptSTime = frame.KeptETime = 0;
}

}  // namespace

DropResult MoveChosenFrames(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const ChosenMove& move) {
    if (move.copy && dialogs.Show(MessageKind::Question, kConfirmCaption,
                                  "<< 複数枠選択 >>\r\rこの枠を基準にして他の枠もこの位置に複写します。      \r\r"
                                  "よろしいですか？\r\r",
                                  Buttons::OkCancel, Answer::Ok) != Answer::Ok)
        return DropResult::Cancelled;

    WorkingSet& working = context.Working();
    const int days = DaySerial(move.targetDate) - DaySerial(move.baseDate);
    struct Moved {
        MultiSelection::Entry from, to;
        std::string before, after;
        int serial = 0;
        int start = 0;
    };
    std::vector<Moved> moved;
    for (const MultiSelection::Entry& entry : context.Chosen().Entries()) {
        const std::optional<std::string> line = working.LineOf(entry.date, entry.cid);
        if (!line) continue;
        ParsedRecord parsed = ParseRecordLine(*line, working.Context());
        if (parsed.kind != ParsedRecord::Kind::Frame) continue;
        TCInf& frame = *parsed.frame;
        frame.CDate = AddDays(entry.date, days);
        ShiftTimes(frame, move.offsetMinutes);
        if (move.copy) frame.Cid = ids.NewFrameId();
        const TCInf* shown = working.FrameOn(entry.date, entry.cid);
        moved.push_back({entry, {frame.Cid, frame.CDate}, *line, BuildRecordLine(frame), shown ? shown->Serial : 0, frame.STime});
    }
    if (moved.empty()) return DropResult::Missing;

    std::vector<std::string> before, after;
    Date earliest = moved.front().from.date;
    for (const Moved& m : moved) {
        before.push_back(m.before);
        after.push_back(m.after);
        earliest = std::min(earliest, m.from.date);
    }
    context.History().RecordLines(move.copy ? HistoryKind::MultiCopy : HistoryKind::MultiMove, before, after, earliest,
                                  Date{}, AddDays(earliest, days));

    std::vector<Date> touched;
    if (!move.copy)
        for (const Moved& m : moved) {
            working.RemoveFrame(m.from.date, m.from.cid);
            touched.push_back(m.from.date);
        }
    context.Chosen().Clear();
    for (const Moved& m : moved) {
        // A moved frame stays the same frame: it keeps its serial.
        if (TCInf* added = working.AddLine(m.to.date, m.after); added && !move.copy && m.serial) added->Serial = m.serial;
        touched.push_back(m.to.date);
        context.Chosen().Toggle(m.to.cid, m.to.date);
    }
    context.Design().SetModified(true);
    context.Report(touched, Sjis("複数枠の移動"));
    context.Listener().ChosenChanged();
    for (const Moved& m : moved)
        if (m.from.cid == move.baseCid && m.from.date == move.baseDate)
            context.ShowResult(m.to.date, m.to.cid, m.start);
    return DropResult::Done;
}

}  // namespace mv
