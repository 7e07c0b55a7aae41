#include "edit/framecommands.h"

#include "edit/grip.h"
#include "model/codec.h"
#include "model/recordline.h"

namespace mv {

namespace {

std::unique_ptr<TCInf> ParsedFrame(const WorkingSet& working, const Date& date, const std::string& cid) {
    const std::optional<std::string> line = working.LineOf(date, cid);
    if (!line) return nullptr;
    ParsedRecord parsed = ParseRecordLine(*line, working.Context());
    return parsed.kind == ParsedRecord::Kind::Frame ? std::move(parsed.frame) : nullptr;
}

}  // namespace

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
