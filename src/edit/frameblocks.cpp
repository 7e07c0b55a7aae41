#include "edit/frameblocks.h"

#include <algorithm>
#include <tuple>

#include "model/codec.h"
#include "model/dayslot.h"
#include "model/keyvalueline.h"

namespace mv {

namespace {
constexpr std::string_view kDateKey = "CI_CDATE=";
}  // namespace

BlockKind KindOfBlock(std::string_view text) {
    if (text.substr(0, kDateRangeMark.size()) == kDateRangeMark) return BlockKind::DateRange;
    if (text.substr(0, kChosenMark.size()) == kChosenMark) return BlockKind::Chosen;
    return BlockKind::None;
}

std::vector<std::string> DateRangeBlock(const LineStore& store, const std::string& designPath, const Date& first,
                                        const Date& last) {
    std::vector<std::string> block = {std::string(kDateRangeMark), Sjis("日付範囲  (") + designPath + ")",
                                      FormatDate(first), FormatDate(last)};
    for (Date day = first; day <= last; day = AddDays(day, 1)) {
        block.push_back("Ci_CDate=" + FormatDate(day));
        const LineList& lines = store.Slot(SlotOfDate(day));
        block.insert(block.end(), lines.begin(), lines.end());
    }
    return block;
}

std::vector<std::string> ChosenBlock(std::vector<ChosenLine>& frames) {
    std::sort(frames.begin(), frames.end(),
              [](const ChosenLine& a, const ChosenLine& b) { return std::tie(a.date, a.cid) < std::tie(b.date, b.cid); });
    std::vector<std::string> block = {std::string(kChosenMark),
                                      Sjis("選択枠  (") + std::to_string(frames.size()) + Sjis(" 個)"),
                                      frames.empty() ? std::string() : FormatDate(frames.front().date),
                                      frames.empty() ? std::string() : FormatDate(frames.back().date)};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (i == 0 || frames[i].date != frames[i - 1].date) block.push_back("Ci_CDate=" + FormatDate(frames[i].date));
        block.push_back(frames[i].line);
    }
    return block;
}

std::vector<std::string> LinesOfDays(const LineStore& store, const Date& first, const Date& last) {
    std::vector<std::string> lines;
    for (Date day = first; day <= last; day = AddDays(day, 1)) {
        const LineList& stored = store.Slot(SlotOfDate(day));
        lines.insert(lines.end(), stored.begin(), stored.end());
    }
    return lines;
}

std::vector<std::string> PartialFileLines(int baseYearIndex, int minuteStepIndex, const std::vector<std::string>& records) {
    std::vector<std::string> lines = {"#Marovelantis=#Marovelantis", IntItem("#BaseYYYY", baseYearIndex),
                                      IntItem("#MoveMM", minuteStepIndex)};
    lines.insert(lines.end(), records.begin(), records.end());
    return lines;
}

bool IsDesignText(std::string_view text) {
    return text.substr(0, 100).find("#Marovelantis") != std::string_view::npos;
}

std::optional<LineDate> DateOfLine(std::string_view line) {
    const std::size_t at = FindKey(line, kDateKey);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view value = line.substr(at + kDateKey.size(), 10);
    // A date written shorter ("2003/7/1") ends at the item's separator.
    value = value.substr(0, value.find(kSep.front()));
    const std::optional<Date> date = ParseDate(Trim(value));
    if (!date) return std::nullopt;
    const std::size_t rest = at + kDateKey.size() + value.size();
    return LineDate{*date, Trim(line.substr(std::min(rest, line.size()))).empty()};
}

std::optional<DateSpan> DatesOfLines(const std::vector<std::string>& lines) {
    std::optional<DateSpan> span;
    for (const std::string& line : lines) {
        const std::optional<LineDate> carried = DateOfLine(line);
        if (!carried || carried->date.year <= 0) continue;
        if (!span) span = DateSpan{carried->date, carried->date};
        span->earliest = std::min(span->earliest, carried->date);
        span->latest = std::max(span->latest, carried->date);
    }
    return span;
}

}  // namespace mv
