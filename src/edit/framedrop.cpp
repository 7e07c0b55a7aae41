#include "edit/framedrop.h"

#include "model/codec.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/sharedmode.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"

namespace mv {

DropResult CommitFrameDrop(EditContext& context, Dialogs& dialogs, FrameIdSource& ids, const FrameDrop& drop) {
    WorkingSet& working = context.Working();
    const std::optional<std::string> sourceLine = working.LineOf(drop.date, drop.cid);
    if (!sourceLine) return DropResult::Missing;
    ParsedRecord parsed = ParseRecordLine(*sourceLine, working.Context());
    if (parsed.kind != ParsedRecord::Kind::Frame) return DropResult::Missing;
    std::unique_ptr<TCInf> frame = std::move(parsed.frame);

    if (drop.start >= drop.end) {
        dialogs.Error(kProgramName, "開始時刻と終了時刻にに矛盾があります。\r\r   開始時刻 " + FormatHHMM(drop.start) +
                                        "\r" + "   終了時刻 " + FormatHHMM(drop.end));
        return DropResult::Refused;
    }
    const bool body = drop.grip == GripKind::Body;
    const bool copy = body && drop.copy;
    if (copy && dialogs.Show(MessageKind::Question, kConfirmCaption,
                             "この位置に枠を複写します。\r\rよろしいですか？\r", Buttons::OkCancel,
                             Answer::Ok) != Answer::Ok)
        return DropResult::Cancelled;

    // The drag's source, for the undo of a move or resize and the reselection after a copy.
    THistOrgObj source;
    if (const TCInf* shown = working.FrameOn(drop.date, drop.cid)) {
        source.serial = shown->Serial;
        source.column = shown->Column;
        source.index = shown->IndexInColumn;
    }
    source.cid = drop.cid;
    source.date = drop.date;
    source.start = frame->StoredSTime();
    source.line = *sourceLine;

    const Date target = body && drop.targetDate != Date{} ? drop.targetDate : drop.date;
    if (copy) frame->Cid = ids.NewFrameId();
    frame->CDate = target;
    frame->STime = drop.start;
    frame->ETime = drop.end;
    frame->KeptSTime = frame->KeptETime = 0;
    if (drop.place) {
        frame->ResizePos = drop.place->position;
        frame->ResizeLen = drop.place->length;
    }
    for (std::size_t i = 0; i < drop.sideBySide.size(); ++i)
        if (drop.sideBySide[i].empty()) frame->LeftPri = static_cast<int>(i);
    const HistoryKind kind = !body ? HistoryKind::FrameResize : copy ? HistoryKind::FrameCopy : HistoryKind::FrameMove;
    context.History().RecordFrame(kind, *frame, &source);

    const std::string line = BuildRecordLine(*frame);
    const std::string resultCid = frame->Cid;
    if (!copy && target == drop.date) {
        // On its own date the frame keeps its place among the date's frames, and its serial.
        if (TCInf* replaced = working.ReplaceFromLine(target, line); replaced && source.serial)
            replaced->Serial = source.serial;
    } else {
        if (!copy) working.RemoveFrame(drop.date, drop.cid);
        // A move to another date keeps the serial too, so that it is found again as the same frame.
        if (!copy && source.serial) frame->Serial = source.serial;
        if (working.ColumnOf(target)) working.AddFrame(target, std::move(frame));
        else working.AddLine(target, line);
    }

    // The neighbours' order is shown-date state, stored with their lines.
    for (std::size_t i = 0; i < drop.sideBySide.size(); ++i)
        if (TCInf* other = drop.sideBySide[i].empty() ? nullptr : working.FrameOn(target, drop.sideBySide[i]))
            other->LeftPri = static_cast<int>(i);

    context.Design().SetModified(true);
    std::vector<DateChange> report = {{drop.date, Date{}, Sjis("単独移動元")}};
    if (target != drop.date) report.push_back({target, Date{}, Sjis("単独移動先")});
    context.ReportChanges(report);
    context.ShowResult(target, resultCid, drop.start);
    return DropResult::Done;
}

}  // namespace mv
