#include "edit/framechange.h"

#include "model/recordline.h"

namespace mv {

std::unique_ptr<TCInf> ParsedFrame(const WorkingSet& working, const Date& date, const std::string& cid) {
    const std::optional<std::string> line = working.LineOf(date, cid);
    if (!line) return nullptr;
    ParsedRecord parsed = ParseRecordLine(*line, working.Context());
    return parsed.kind == ParsedRecord::Kind::Frame ? std::move(parsed.frame) : nullptr;
}

std::unique_ptr<TCInf> ChangeFrame(WorkingSet& working, const Date& date, const std::string& cid,
                                   const std::function<void(TCInf&)>& change) {
    std::unique_ptr<TCInf> before = ParsedFrame(working, date, cid);
    if (!before) return nullptr;
    if (TCInf* shown = working.FrameOn(date, cid)) {
        change(*shown);
        return before;
    }
    TCInf after = *before;
    change(after);
    working.ReplaceFromLine(date, BuildRecordLine(after));
    return before;
}

}  // namespace mv
