// Fuzzes the reading of a clipboard block and the placing of its lines: the block's kind,
// its lines and their dates, and every line placed into a small design (a week in view,
// the other days stored) at a target date and at the lines' own dates. Each placing is
// taken back by its undo, which must leave every stored line as it was.
//
// Input: one byte choosing the target date, then the block's text (UTF-8, as the
// clipboard holds it).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "edit/blockcommands.h"
#include "edit/frameblocks.h"
#include "edit/undocommands.h"
#include "fuzz/fuzzsupport.h"
#include "model/codec.h"
#include "model/identity.h"
#include "model/textfile.h"

namespace {

using namespace mv;

struct QuietListener : EditListener {
    void DatesChanged(const std::vector<Date>&) override {}
};

// A frame on a shown date and one on a stored date, each with a field.
constexpr const char* kFrames[] = {
    "Ci_CDate=2003/07/02%!#Ci_Cid=FUZZ-20030701000000-00001%!#Ci_STime=900%!#Ci_ETime=1000%!#%!#"
    "#Filed[Fi_FID=2%!#Fi_FTextStr=A%!##Filed]",
    "Ci_CDate=2003/06/02%!#Ci_Cid=FUZZ-20030701000000-00002%!#Ci_STime=1000%!#Ci_ETime=1100%!#",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::QuietHost host;
    static fuzz::QuietDialogs dialogs;
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const BlockKind kind = KindOfBlock(text);
    const std::vector<std::string> lines = SplitLines(FromUtf8(text));
    DatesOfLines(lines);

    FrameIdSource ids(host);
    DesignDocument design(host, dialogs, ids);
    design.SetBaseYearIndex(13);
    RecordContext records;
    records.baseYear = design.BaseYear();
    records.ids = &ids;
    for (const char* line : kFrames) design.Store().AddLine(*ParseDate(std::string(line).substr(9, 10)), line);
    WorkingSet working(design.Store(), records);
    working.Build({2003, 7, 1}, 7);
    working.LoadView();
    UndoHistory history(dialogs);
    QuietListener listener;
    EditContext context(design, working, history, listener);
    working.CommitView(true);
    const std::vector<std::string> before = design.BuildFileLines();

    // Around the shown week, over the year's end too.
    const Date target = AddDays({2003, 6, 25}, data[0] % 32 + (data[0] & 0x80 ? 180 : 0));
    for (const std::optional<Date>& at : {std::optional<Date>(target), std::optional<Date>()}) {
        const int placed = PlaceLines(context, ids, lines, kind == BlockKind::None ? 0 : 4, at);
        working.CommitView(true);
        if (placed > 0 && !UndoNewest(context)) std::abort();
        working.CommitView(true);
        if (design.BuildFileLines() != before) std::abort();
    }
    return 0;
}
