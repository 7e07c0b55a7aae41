#include "edit/daterangecommands.h"

#include "model/codec.h"
#include "model/dayslot.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "platform/dialogs.h"
#include "view/geometry/yeardates.h"

namespace mv {

namespace {

constexpr int kProgressLines = 100;  // more lines than this show their progress
constexpr int kProgressDays = 10;    // every this many days

std::vector<Date> DaysOf(const Date& first, const Date& last) {
    std::vector<Date> days;
    for (Date date = first; date <= last; date = AddDays(date, 1)) days.push_back(date);
    return days;
}

bool Ask(Dialogs& dialogs, const std::string& operation, const Date& first, const Date& last, const Date* target) {
    std::string text = "日付範囲の 【 " + operation + " 】 を行います。\r\r     " + ToUtf8(FormatDate(first)) + " ～ " +
                       ToUtf8(FormatDate(last));
    if (target) text += " → " + ToUtf8(FormatDate(*target));
    text += "\r\rよろしいですか？\r\r";
    return dialogs.Show(MessageKind::Question, kConfirmCaption, text, Buttons::OkCancel, Answer::Ok) == Answer::Ok;
}

// The stored lines of a day, with the frames shown for it stored first.
LineList& DayLines(WorkingSet& working, LineStore& store, const Date& date) {
    working.StoreDay(date);
    return store.Slot(SlotOfDate(date));
}

void ReportProgress(EditContext& context, std::size_t lines, std::size_t day, std::size_t days) {
    if (lines > kProgressLines && day % kProgressDays == 0) context.Listener().Progress(static_cast<int>(day), static_cast<int>(days));
}

}  // namespace

bool EmptyDateRange(EditContext& context, const Date& first, const Date& last) {
    WorkingSet& working = context.Working();
    LineStore& store = context.Design().Store();
    const std::vector<Date> days = DaysOf(first, last);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < days.size(); ++i) {
        ReportProgress(context, lines.size(), i, days.size());
        LineList& day = DayLines(working, store, days[i]);
        for (std::string& line : day) lines.push_back(std::move(line));
        day.clear();
        working.LoadDay(days[i]);
    }
    context.Listener().Progress(0, 0);
    if (lines.empty()) return false;
    context.History().RecordLines(HistoryKind::DateDelete, lines, lines, first, last, Date{});
    context.Design().SetModified(true);
    context.ReportChanges({{first, last == first ? Date{} : last, Sjis("選択日付削除")}});
    return true;
}

bool DeleteDateRange(EditContext& context, Dialogs& dialogs, const Date& first, const Date& last) {
    if (!Ask(dialogs, "削除", first, last, nullptr) || !EmptyDateRange(context, first, last)) return false;
    context.Range().Clear();
    return true;
}

bool ClearDate(EditContext& context, Dialogs& dialogs, const Date& date) {
    const std::string question = "【 この日付のすべての枠 】 を削除します。\r\n\r\n    ＞  " +
                                 std::to_string(100 + date.month).substr(1) + " 月 " +
                                 std::to_string(100 + date.day).substr(1) + " 日\r\n\r\nよろしいですか。";
    if (dialogs.Show(MessageKind::Question, kConfirmCaption, question, Buttons::OkCancel, Answer::Ok) != Answer::Ok)
        return false;
    return EmptyDateRange(context, date, date);
}

bool TransferDateRange(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const Date& first,
                       const Date& last, const Date& target, bool copy) {
    if (!Ask(dialogs, copy ? "複写" : "移動", first, last, &target)) return false;
    WorkingSet& working = context.Working();
    LineStore& store = context.Design().Store();
    const int baseYear = working.Context().baseYear;
    const std::vector<Date> days = DaysOf(first, last);
    const int offset = DaySerial(target) - DaySerial(first);
    const Date targetLast = AddDays(target, static_cast<int>(days.size()) - 1);
    // The shown frames of the source and target days are stored first, each day once.
    std::vector<Date> stored = days;
    for (const Date& day : DaysOf(target, targetLast))
        if (day < first || day > last) stored.push_back(day);
    for (const Date& day : stored) working.StoreDay(day);

    // Every source day is set aside and emptied first, so that a target overlapping the
    // source never takes a line that is still to be moved.
    std::vector<LineList> aside(days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        LineList& day = store.Slot(SlotOfDate(days[i]));
        aside[i] = std::move(day);
        day.clear();
    }
    std::vector<std::string> before, after;
    std::vector<Date> reload;  // shown days whose frames are rebuilt from their lines
    for (std::size_t i = 0; i < days.size(); ++i) {
        ReportProgress(context, before.size(), i, days.size());
        for (const std::string& line : aside[i]) {
            ParsedRecord parsed = ParseRecordLine(line, working.Context());
            if (!parsed.frame || parsed.frame->CDate == Date{}) {
                // A line without a date stays on its day.
                if (!copy) store.Slot(SlotOfDate(days[i])).push_back(line);
                continue;
            }
            std::unique_ptr<TCInf>& frame = parsed.frame;
            const Date from = frame->CDate;
            frame->CDate = RebaseIntoYear(AddDays(from, offset), baseYear);
            if (copy && !frame->IsColumnRecord()) frame->Cid = ids.NewFrameId();
            std::string moved = BuildRecordLine(*frame);
            store.AddLine(frame->CDate, moved);
            before.push_back(line);
            after.push_back(std::move(moved));
            // The shown days follow without parsing their lines again: a moved frame leaves
            // its shown day, and the parsed frame joins the shown day it went to.
            if (frame->IsColumnRecord()) {
                reload.push_back(from);
                reload.push_back(frame->CDate);
                continue;
            }
            if (!copy) working.TakeFrame(from, frame->Cid);
            const Date to = frame->CDate;
            if (working.ColumnOf(to)) working.AddFrame(to, std::move(frame));
        }
    }
    if (copy)
        for (std::size_t i = 0; i < days.size(); ++i)
            for (std::string& line : aside[i]) store.Slot(SlotOfDate(days[i])).push_back(std::move(line));
    for (const Date& day : reload) working.LoadDay(day);
    context.Listener().Progress(0, 0);
    if (after.empty()) return false;

    context.History().RecordLines(copy ? HistoryKind::DateCopy : HistoryKind::DateMove, before, after, first, last,
                                  target);
    context.Design().SetModified(true);
    std::vector<DateChange> report;
    if (!copy) report.push_back({first, last == first ? Date{} : last, Sjis("選択日付移動元")});
    report.push_back({target, targetLast == target ? Date{} : targetLast, Sjis("選択日付移動先")});
    context.ReportChanges(report);
    context.Range().Cover(target, targetLast);
    return true;
}

}  // namespace mv
