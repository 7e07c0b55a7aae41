#include "edit/runcommands.h"

#include <algorithm>

#include "edit/framechange.h"
#include "model/codec.h"
#include "model/digits.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"
#include "view/geometry/yeardates.h"

namespace mv {

namespace {

constexpr const char* kWeekdayLetters[] = {"日", "月", "火", "水", "木", "金", "土"};

bool Confirm(Dialogs& dialogs, const std::string& question) {
    return dialogs.Show(MessageKind::Question, kConfirmCaption, question, Buttons::OkCancel, Answer::Ok) == Answer::Ok;
}

}  // namespace

std::string WeekdayLetters(WeekdaySet weekdays) {
    std::string letters;
    for (int day = 0; day < 7; ++day)
        if (weekdays & (1u << day)) letters += kWeekdayLetters[day];
    return letters;
}

int ExpandFrame(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const Date& date, const std::string& cid,
                const Date& first, const Date& last, WeekdaySet weekdays) {
    if (first > last) {
        dialogs.Error(kProgramName, "展開開始日と展開終了日が逆転しています。");
        return 0;
    }
    if ((weekdays & 0x7F) == 0) {
        dialogs.Error(kProgramName, "展開曜日を指定して下さい。");
        return 0;
    }
    const std::string question = "次の条件で展開を行います。\r\n\r\n展開開始日： " + FormatDate(first) +
                                 "\r\n\r\n展開終了日： " + FormatDate(last) + "\r\n\r\n展開曜日   ： " +
                                 WeekdayLetters(weekdays) + "\r\n\r\nよろしいですか。";
    if (!Confirm(dialogs, question)) return 0;
    WorkingSet& working = context.Working();
    std::unique_ptr<TCInf> copy = ParsedFrame(working, date, cid);
    if (!copy) return 0;

    const int baseYear = working.Context().baseYear;
    std::vector<std::string> added;
    Date firstAdded, lastAdded;
    for (Date day = first; day <= last; day = AddDays(day, 1)) {
        if (!(weekdays & (1u << DayOfWeek(day)))) continue;
        // The design holds one year: a day of another year lands on its month and day.
        copy->CDate = RebaseIntoYear(day, baseYear);
        copy->Cid = ids.NewFrameId();
        std::string line = BuildRecordLine(*copy);
        working.AddLine(copy->CDate, line);
        added.push_back(std::move(line));
        // The range reported is the days as picked: one running past 31 December names the
        // days it touched, not the whole design year between them.
        if (firstAdded == Date{}) firstAdded = day;
        lastAdded = day;
    }
    if (added.empty()) {
        dialogs.Error(kProgramName, "展開された枠はありませんでした。");
        return 0;
    }
    const int count = static_cast<int>(added.size());
    // Nothing stood where the copies went: the before-lines are empty.
    context.History().RecordLines(HistoryKind::Expand, std::vector<std::string>(added.size()), added, firstAdded,
                                  lastAdded, Date{});
    context.Design().SetModified(true);
    context.ReportChanges({{firstAdded, lastAdded == firstAdded ? Date{} : lastAdded, Sjis("展開")}});
    dialogs.Information(kProgramName, "展開処理を終了しました。\r\n\r\n    展開件数 = " + std::to_string(count));
    return count;
}

std::vector<DayFrameItem> DayFrameList(const WorkingSet& working, const Date& date) {
    std::vector<const TCInf*> frames;
    if (const auto column = working.ColumnOf(date))
        for (const auto& frame : working.Column(*column).frames) frames.push_back(frame.get());
    std::stable_sort(frames.begin(), frames.end(),
                     [](const TCInf* a, const TCInf* b) { return a->StoredSTime() < b->StoredSTime(); });
    std::vector<DayFrameItem> items;
    for (const TCInf* frame : frames) {
        const std::string number = std::to_string(items.size() + 1);
        items.push_back({frame->Cid, RightAligned(number, 4) + ". " + FormatHHMM(frame->StoredSTime()) + " ～ " +
                                         FormatHHMM(frame->StoredETime()) + "  " +
                                         ToUtf8(Trim(DeriveTitle(*frame)))});
    }
    return items;
}

ShiftOutcome ShiftFrames(EditContext& context, Dialogs& dialogs, const Date& date,
                         const std::vector<DayFrameItem>& frames, const std::string& minutes, bool earlier) {
    const std::string_view typed = Trim(minutes);
    if (!std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; }) || typed.size() > 4) {
        dialogs.Error(kProgramName, "繰上・繰下の時間が不正です。");
        return ShiftOutcome::InvalidMinutes;
    }
    if (frames.empty()) {
        dialogs.Error(kProgramName, "繰上・繰下の枠を選択して下さい。");
        return ShiftOutcome::NothingSelected;
    }
    // The question repeats the minutes as typed ("030" stays "030").
    const std::string typedMinutes = typed.empty() ? "0" : std::string(typed);
    const int by = std::stoi(typedMinutes);
    const std::string way = earlier ? "繰り上げ" : "繰り下げ";
    std::string question = "下記の枠を " + typedMinutes + " 分  「" + way + "」  ます。\r\r   ＞ " + frames.front().text;
    if (frames.size() > 1) question += "\r\r         他 " + std::to_string(frames.size() - 1) + " 件";
    question += "\r\rよろしいですか？\r";
    if (!Confirm(dialogs, question)) return ShiftOutcome::Cancelled;

    WorkingSet& working = context.Working();
    std::vector<std::string> before;
    for (const DayFrameItem& item : frames) {
        const std::unique_ptr<TCInf> frame = ParsedFrame(working, date, item.cid);
        if (!frame) continue;  // gone meanwhile (another sharer)
        const int start = AddMinutes(frame->StoredSTime(), earlier ? -by : by);
        const int end = AddMinutes(frame->StoredETime(), earlier ? -by : by);
        const bool fits = earlier ? start >= kDayStart && end >= kDayStart : start <= kDayEnd && end <= kDayEnd;
        if (!fits) {
            dialogs.Error(kProgramName, "下記の枠は時刻範囲を超える為、" + way + "を行いません。\r\r   ＞ " + item.text);
            continue;
        }
        before.push_back(*working.LineOf(date, item.cid));
        ChangeFrame(working, date, item.cid, [&](TCInf& changed) {
            changed.STime = start;
            changed.ETime = end;
            changed.KeptSTime = changed.KeptETime = 0;
        });
    }
    if (before.empty()) return ShiftOutcome::NothingShifted;
    context.History().RecordShift(earlier ? HistoryKind::ShiftEarlier : HistoryKind::ShiftLater, before,
                                  std::vector<std::string>(before.size()), date);
    context.FinishEdit({date}, Sjis("繰上・繰下"));
    return ShiftOutcome::Shifted;
}

}  // namespace mv
