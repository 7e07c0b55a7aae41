#pragma once
// Frames as they travel: the clipboard blocks (a run of days, or chosen frames, each
// record line as stored) and the partial design files; and reading a file's dates. Pure
// text work on Shift-JIS lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/linestore.h"

namespace mv {

inline constexpr std::string_view kDateRangeMark = "Marovelantis.DateRange";
inline constexpr std::string_view kChosenMark = "Marovelantis.ChoicedRange";

enum class BlockKind { None, DateRange, Chosen };
// Told by the block's first characters only.
BlockKind KindOfBlock(std::string_view text);

// Every day from `first` to `last`: a "Ci_CDate=" line naming it, then its stored lines.
std::vector<std::string> DateRangeBlock(const LineStore& store, const std::string& designPath, const Date& first,
                                        const Date& last);

// A chosen frame's record line with its date and id.
struct ChosenLine {
    Date date;
    std::string cid;
    std::string line;
};
// The frames by date and id, each date named once before its frames. `frames` is sorted.
std::vector<std::string> ChosenBlock(std::vector<ChosenLine>& frames);

// Every line stored for the days from `first` to `last`.
std::vector<std::string> LinesOfDays(const LineStore& store, const Date& first, const Date& last);

// A partial design file: the identification line, the year and minute-unit indexes, the
// record lines.
std::vector<std::string> PartialFileLines(int baseYearIndex, int minuteStepIndex, const std::vector<std::string>& records);

// Whether the first 100 characters of a file name it a design file.
bool IsDesignText(std::string_view text);

// The earliest and latest date carried by the lines (their "Ci_CDate" values); nothing when
// none carries one.
struct DateSpan {
    Date earliest, latest;
};
std::optional<DateSpan> DatesOfLines(const std::vector<std::string>& lines);

// The date a line carries in its "Ci_CDate" item, and whether anything follows it (a line
// of the date alone only separates days); nothing without a readable date.
struct LineDate {
    Date date;
    bool separatorOnly = false;
};
std::optional<LineDate> DateOfLine(std::string_view line);

}  // namespace mv
