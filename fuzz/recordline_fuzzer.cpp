// Fuzzes the readers of single record lines: the key lookups of every type in both forms,
// the record-line and summary parsers, the line edits, and the text conversions.
//
// Input: one byte choosing the base year and whether a fresh id is asked for, then the line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "fuzz/fuzzsupport.h"
#include "model/codec.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/textfile.h"

namespace {

using namespace mv;

void LookUpEverything(std::string_view line, std::string_view key) {
    for (std::string_view separator : {kSep, kPlain}) {
        std::string text;
        int number = 0;
        bool flag = false;
        Date date;
        Rect rect;
        GetText(line, key, separator, text);
        GetInt(line, key, separator, number);
        GetBool(line, key, separator, flag);
        GetDate(line, key, separator, date);
        GetRect(line, key, separator, rect);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static fuzz::QuietHost host;
    static FrameIdSource ids(host);
    const std::uint8_t control = data[0];
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);

    RecordContext context;
    context.baseYear = 2000 + control % 8;  // leap and common years
    context.ids = &ids;
    ParsedRecord parsed = ParseRecordLine(line, context, (control & 0x80) != 0);
    if (parsed.frame) {
        // A line written from a frame always carries the frame's date first.
        const std::string built = BuildRecordLine(*parsed.frame);
        ParsedRecord again = ParseRecordLine(built, context);
        if (!again.frame || again.frame->CDate != parsed.frame->CDate) std::abort();
        DeriveTitle(*parsed.frame);
    }
    ParseRecordSummary(line);

    // One key a run, chosen by the control byte: every lookup of an absent key walks the
    // whole line, and a dozen of them a run would slow the fuzzer down for nothing.
    static constexpr std::string_view kKeys[] = {"Ci_CDate",  "ci_stime",  "Ci_Title", "Fi_FTextStr",
                                                 "#Priority", "#BaseYYYY", "FPS_Main", "Plot_Gray",
                                                 "",          " ",         "=",        "%!#"};
    LookUpEverything(line, kKeys[(control >> 3) % std::size(kKeys)]);
    // The line's own first item name as the key, so that found values are common.
    LookUpEverything(line, line.substr(0, line.find('=')));

    FindKey(line, "CI_CDATE", control % 16);
    RedateLine(line, Date{2004, 2, 29});
    ReplaceItemValue(line, "Ci_STime", "930");
    ReplaceItemValue(line, line.substr(0, control % 8), "x");
    StripTrailingBreaks(line);
    CrLfToBreaks(BreaksToCrLf(line));
    SplitLines(line);
    ToUtf8(line);
    FromUtf8(line);
    return 0;
}
