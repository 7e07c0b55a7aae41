#include "edit/framecommands.h"

#include "edit/framechange.h"
#include "edit/grip.h"
#include "model/codec.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"

namespace mv {

namespace {

bool Confirm(Dialogs& dialogs, const std::string& question) {
    return dialogs.Show(MessageKind::Question, kConfirmCaption, question, Buttons::OkCancel, Answer::Ok) == Answer::Ok;
}

std::string TitleSummary(const TCInf& frame) { return ToUtf8(Trim(DeriveTitle(frame))); }

}  // namespace

std::string CreateFrame(EditContext& context, FrameIdSource& ids, const Date& date, const TimeSpan& times,
                        const std::vector<std::string>& sideBySide) {
    WorkingSet& working = context.Working();
    std::unique_ptr<TCInf> frame = NewFrame(working.Context().defaults, ids.NewFrameId());
    frame->CDate = date;
    frame->STime = times.start;
    frame->ETime = times.end;
    if (!sideBySide.empty()) {
        frame->ResizePos = 0;
        frame->ResizeLen = 100;
    }
    for (std::size_t i = 0; i < sideBySide.size(); ++i)
        if (sideBySide[i].empty()) frame->LeftPri = static_cast<int>(i);
    AddField(*frame, NewField(0, 0, working.Context().defaults), false);
    frame->Title = DeriveTitle(*frame);
    context.History().RecordFrame(HistoryKind::FrameCreate, *frame);
    const std::string cid = frame->Cid;
    if (working.ColumnOf(date)) working.AddFrame(date, std::move(frame));
    else working.AddLine(date, BuildRecordLine(*frame));
    for (std::size_t i = 0; i < sideBySide.size(); ++i)
        if (TCInf* other = sideBySide[i].empty() ? nullptr : working.FrameOn(date, sideBySide[i]))
            other->LeftPri = static_cast<int>(i);
    context.FinishEdit({date}, Sjis("新規"));
    context.ShowResult(date, cid, times.start);
    return cid;
}

bool DeleteFrame(EditContext& context, Dialogs& dialogs, Date date, std::string cid) {
    WorkingSet& working = context.Working();
    const std::unique_ptr<TCInf> frame = ParsedFrame(working, date, cid);
    if (!frame) return false;
    const std::string question = "【 枠 】 を削除します。\r\r" + ToUtf8(LongDateText(date, true)) + "\r  " +
                                 FormatHHMM(frame->StoredSTime()) + " ～ " + FormatHHMM(frame->StoredETime()) +
                                 "\r\r＞  " + TitleSummary(*frame) + "\r\rよろしいですか？\r\r";
    if (!Confirm(dialogs, question)) return false;
    context.History().RecordFrame(HistoryKind::FrameDelete, *frame);
    working.RemoveFrame(date, cid);
    if (context.Selection().Cid() == cid) context.Selection().Clear();
    context.FinishEdit({date}, Sjis("削除"));
    return true;
}

bool ConnectFrame(EditContext& context, Dialogs& dialogs, const Date& date, const std::string& cid,
                  const std::vector<TimeSpan>& candidates, ConnectWay way) {
    WorkingSet& working = context.Working();
    const std::unique_ptr<TCInf> frame = ParsedFrame(working, date, cid);
    if (!frame) return false;
    const std::optional<TimeSpan> connected =
        ConnectedTimes({frame->StoredSTime(), frame->StoredETime()}, candidates, way);
    if (!connected) {
        dialogs.Error(kProgramName, "隣接できる枠がありません。\r");
        return false;
    }
    context.History().RecordFrame(HistoryKind::FrameConnect, *frame);
    ChangeFrame(working, date, cid, [&](TCInf& changed) {
        changed.STime = connected->start;
        changed.ETime = connected->end;
        changed.KeptSTime = changed.KeptETime = 0;
    });
    context.FinishEdit({date}, Sjis("隣接"));
    context.ShowResult(date, cid, connected->start);
    return true;
}

bool AddTitleField(EditContext& context, const Date& date, const std::string& cid, const std::string& text,
                   bool timeField, bool record) {
    WorkingSet& working = context.Working();
    const std::unique_ptr<TCInf> before = ParsedFrame(working, date, cid);
    if (!before) return false;
    if (record) context.History().RecordFrame(HistoryKind::TitleAdd, *before);
    int added = 0;
    ChangeFrame(working, date, cid, [&](TCInf& frame) {
        TFInf field = NewField(timeField ? kTimeFieldId : 0, 0, working.Context().defaults);
        field.FTextStr = timeField ? std::string("[time]") : Trim(text).empty() ? std::string("  ") : text;
        AddField(frame, std::move(field), false);
        frame.Title = DeriveTitle(frame);
        added = static_cast<int>(frame.Fields.size()) - 1;
    });
    context.Selection().Select(cid, date, added);
    context.FinishEdit({date}, Sjis("枠タイトル追加"));
    context.Listener().SelectionChanged();
    return true;
}

bool DeleteTitleField(EditContext& context, Dialogs& dialogs, const Date& date, const std::string& cid, int field) {
    WorkingSet& working = context.Working();
    const std::unique_ptr<TCInf> before = ParsedFrame(working, date, cid);
    if (!before || field < 0 || field >= static_cast<int>(before->Fields.size())) return false;
    const TFInf& doomed = before->Fields[field];
    const std::string shown = doomed.FID == kTimeFieldId      ? std::string("[time]")
                              : Trim(doomed.FTextStr).empty() ? std::string("・")
                                                              : ToUtf8(doomed.FTextStr);
    if (!Confirm(dialogs, "【 枠タイトル 】 を削除します。\r\n\r\n    ＞  " + shown + "\r\n\r\nよろしいですか。"))
        return false;
    context.History().RecordFrame(HistoryKind::TitleDelete, *before);
    int remaining = 0;
    ChangeFrame(working, date, cid, [&](TCInf& frame) {
        frame.Fields.erase(frame.Fields.begin() + field);
        frame.Title = DeriveTitle(frame);
        remaining = static_cast<int>(frame.Fields.size());
    });
    context.Selection().Select(cid, date, remaining == 0 ? -1 : std::min(field, remaining - 1));
    context.FinishEdit({date}, Sjis("枠タイトル削除"));
    context.Listener().SelectionChanged();
    return true;
}

bool StoreFieldText(EditContext& context, const Date& date, const std::string& cid, int field, const std::string& text) {
    WorkingSet& working = context.Working();
    const std::unique_ptr<TCInf> now = ParsedFrame(working, date, cid);
    if (!now || field < 0 || field >= static_cast<int>(now->Fields.size()) || now->Fields[field].FID == kTimeFieldId)
        return false;
    if (now->Fields[field].FTextStr == text) return true;
    ChangeFrame(working, date, cid, [&](TCInf& frame) {
        frame.Fields[field].FTextStr = text;
        frame.Title = DeriveTitle(frame);
    });
    context.Design().SetModified(true);
    context.Listener().FrameRedraw(date, cid);
    return true;
}

void FinishFieldText(EditContext& context, const FrameSnapshot& before) {
    const std::optional<std::string> now = context.Working().LineOf(before.date, before.key);
    if (!now || *now == before.line) return;
    context.History().RecordFrame(HistoryKind::TitleEdit, before);
    context.FinishEdit({before.date}, Sjis("タイトル編集"));
}

bool EditFieldText(EditContext& context, const Date& date, const std::string& cid, int field, const std::string& text,
                   const FrameSnapshot& before) {
    if (!StoreFieldText(context, date, cid, field, text)) return false;
    FinishFieldText(context, before);
    return true;
}

bool DeleteChosenFrames(EditContext& context, Dialogs& dialogs) {
    WorkingSet& working = context.Working();
    const TCInf* selected = context.Selection().Frame(working);
    const std::string question = "<< 複数枠選択 >>\r\r選択された枠を削除します。\r\r＞  " +
                                 (selected ? TitleSummary(*selected) : std::string()) + "\r＞  合計 " +
                                 std::to_string(context.Chosen().Count()) + " 個\r\rよろしいですか？\r\r";
    if (!Confirm(dialogs, question)) return false;
    std::vector<std::string> lines;
    std::vector<Date> dates;
    Date earliest;
    for (const MultiSelection::Entry& entry : context.Chosen().Entries()) {
        const std::optional<std::string> line = working.LineOf(entry.date, entry.cid);
        if (!line) continue;
        lines.push_back(*line);
        dates.push_back(entry.date);
        if (earliest == Date{} || entry.date < earliest) earliest = entry.date;
    }
    if (lines.empty()) return false;
    context.History().RecordLines(HistoryKind::MultiDelete, lines, lines, earliest, Date{}, Date{});
    for (const MultiSelection::Entry& entry : context.Chosen().Entries()) working.RemoveFrame(entry.date, entry.cid);
    if (context.Chosen().Contains(context.Selection().Cid())) context.Selection().Clear();
    context.Chosen().Clear();
    context.FinishEdit(dates, Sjis("選択枠削除"));
    context.Listener().ChosenChanged();
    return true;
}

bool ExtendFrameOnto(EditContext& context, const Date& date, const std::string& cid, const std::string& neighbourCid) {
    WorkingSet& working = context.Working();
    std::unique_ptr<TCInf> frame = ParsedFrame(working, date, cid);
    std::unique_ptr<TCInf> neighbour = ParsedFrame(working, date, neighbourCid);
    if (!frame || !neighbour || cid == neighbourCid) return false;
    const std::optional<TimeSpan> span =
        ExtendOnto({frame->StoredSTime(), frame->StoredETime()}, {neighbour->StoredSTime(), neighbour->StoredETime()});
    if (!span) return false;
    context.History().RecordFrame(HistoryKind::FrameConnect, *frame);
    frame->STime = span->start;
    frame->ETime = span->end;
    frame->KeptSTime = frame->KeptETime = 0;
    // The frame keeps its serial, so that it is found again as the same frame.
    const TCInf* shown = working.FrameOn(date, cid);
    const int serial = shown ? shown->Serial : 0;
    if (TCInf* replaced = working.ReplaceFromLine(date, BuildRecordLine(*frame)); replaced && serial)
        replaced->Serial = serial;
    context.FinishEdit({date}, Sjis("枠拡張"));
    context.ShowResult(date, cid, span->start);
    return true;
}

void FinishFieldMove(EditContext& context, const FrameSnapshot& before) {
    WorkingSet& working = context.Working();
    const TCInf* frame = working.FrameOn(before.date, before.key);
    if (!frame) return;
    context.History().RecordFrame(HistoryKind::TitleMove, before);
    context.FinishEdit({before.date}, Sjis("タイトル移動"));
}

}  // namespace mv
