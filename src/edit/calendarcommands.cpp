#include "edit/calendarcommands.h"

#include "edit/chosenmove.h"
#include "edit/daterangecommands.h"
#include "model/codec.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"
#include "view/geometry/yeardates.h"

namespace mv {

namespace {

std::string MonthDay(const Date& date) {
    return std::to_string(100 + date.month).substr(1) + "/" + std::to_string(100 + date.day).substr(1);
}

bool AskTransfer(Dialogs& dialogs, const CalendarPick& pick, int start) {
    const std::string text = std::string(pick.copy ? "指定の枠をこの日に複写します。" : "指定の枠をこの日に移動します。") +
                             "\r\r[ " + MonthDay(pick.sourceDate) + "  " + FormatHHMM(start) + " ]  →  " +
                             MonthDay(pick.picked) + "\r\rよろしいですか？\r\r";
    return dialogs.Show(MessageKind::Question, kConfirmCaption, text, Buttons::OkCancel, Answer::Ok) == Answer::Ok;
}

}  // namespace

RangeMenuState DateRangeMenuState(const DateRange& range) {
    RangeMenuState state;
    const DateRange::State current = range.CurrentState();
    if (current != DateRange::None) {
        state.first += "：　" + ToUtf8(FormatDate(range.First()));
        state.fix += "：　" + ToUtf8(FormatDate(range.Last()));
    }
    state.firstEnabled = current == DateRange::None;
    state.fixEnabled = current == DateRange::Selecting;
    state.rangeEnabled = current != DateRange::None;
    return state;
}

bool TransferToPickedDate(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const CalendarPick& pick) {
    WorkingSet& working = context.Working();
    const std::optional<std::string> line = working.LineOf(pick.sourceDate, pick.cid);
    if (!line) return false;
    ParsedRecord parsed = ParseRecordLine(*line, working.Context());
    if (parsed.kind != ParsedRecord::Kind::Frame) return false;
    std::unique_ptr<TCInf> frame = std::move(parsed.frame);
    if (!AskTransfer(dialogs, pick, frame->StoredSTime())) return false;

    // The calendar may show another year: the frame goes to the same day of the design's.
    const Date target = RebaseIntoYear(pick.picked, working.Context().baseYear);
    if (!context.Chosen().Entries().empty()) {
        const ChosenMove move{pick.sourceDate, pick.cid, target, 0, pick.copy};
        return MoveChosenFrames(context, dialogs, ids, move) == DropResult::Done;
    }

    if (pick.copy) frame->Cid = ids.NewFrameId();
    frame->CDate = target;
    const std::string moved = BuildRecordLine(*frame);
    context.History().RecordLines(pick.copy ? HistoryKind::CalendarCopy : HistoryKind::CalendarMove, {*line}, {moved},
                                  pick.sourceDate, pick.sourceDate, target);
    if (!pick.copy) working.RemoveFrame(pick.sourceDate, pick.cid);
    const std::string resultCid = frame->Cid;
    if (working.ColumnOf(target)) working.AddFrame(target, std::move(frame));
    else working.AddLine(target, moved);
    if (!pick.copy || target == pick.sourceDate) context.Selection().Select(resultCid, target);
    context.Design().SetModified(true);
    std::vector<DateChange> report;
    if (!pick.copy) report.push_back({pick.sourceDate, Date{}, Sjis("選択日付移動元")});
    if (target != pick.sourceDate || pick.copy) report.push_back({target, Date{}, Sjis("選択日付移動先")});
    context.ReportChanges(report);
    return true;
}

void CalendarRangeStart(DateRange& range, const Date& day) { range.Start(day); }

void CalendarRangeFix(DateRange& range, const Date& day) {
    if (range.CurrentState() == DateRange::None) range.Start(day);
    else range.ExtendTo(day);
    range.Fix();
}

bool CalendarRangeOperation(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const Date& day,
                            RangeOperation operation) {
    // A plain press on the date header leaves its day in the range's dates without picking
    // a range: only a range being picked or fixed stands for the days to work on.
    const DateRange& range = context.Range();
    const bool picked = range.CurrentState() != DateRange::None;
    // The calendar may show another year; the days worked on are those of the design's
    // year, where the shown columns and the stored lines are.
    const int baseYear = context.Working().Context().baseYear;
    const Date target = RebaseIntoYear(day, baseYear);
    const Date first = picked ? RebaseIntoYear(range.First(), baseYear) : target;
    const Date last = picked ? RebaseIntoYear(range.Last(), baseYear) : target;
    if (operation == RangeOperation::Delete) return DeleteDateRange(context, dialogs, first, last);
    return TransferDateRange(context, dialogs, ids, first, last, target, operation == RangeOperation::Copy);
}

}  // namespace mv
