#pragma once
// How the calendar window hands a month to the grid print window: one text per cell.
//   header cell: colour "#" day name                       e.g. "16777215#Mon"
//   day cell:    number colour "#" content colour "#" day, "*" on a holiday, then "○" for a
//                day of the month or "×" for one outside it, then the day's content text
//                (items "<" time ">#" title "%!#")      e.g. "16777215#0#24○<9:00>#会議%!#"
// Colours are 0x00BBGGRR values written as decimal integers. Texts are CP932 bytes.

#include <optional>
#include <string>
#include <string_view>

namespace mv {

struct MonthPrintCell {
    bool header = false;
    int numberColour = 0;   // header: the text colour
    int contentColour = 0;  // day cells only
    std::string day;        // header: the day name; day cells: the day of the month
    bool holiday = false;
    bool inMonth = true;
    std::string content;    // day cells only
};

std::string EncodeMonthPrintCell(const MonthPrintCell& cell);
// Nothing when the text does not follow the encoding above (a plain grid's cell).
std::optional<MonthPrintCell> DecodeMonthPrintCell(std::string_view text, bool header);

}  // namespace mv
