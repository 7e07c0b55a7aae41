#include "view/geometry/monthprintcell.h"

#include <charconv>

#include "model/codec.h"

namespace mv {
namespace {

const std::string& InMonthMark() {
    static const std::string mark = Sjis("○");
    return mark;
}
const std::string& OutsideMark() {
    static const std::string mark = Sjis("×");
    return mark;
}

// Reads a decimal integer up to the next "#" and moves past that "#".
bool TakeColour(std::string_view& text, int& colour) {
    const std::size_t hash = text.find('#');
    if (hash == std::string_view::npos || hash == 0) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + hash, colour);
    if (ec != std::errc{} || end != text.data() + hash) return false;
    text.remove_prefix(hash + 1);
    return true;
}

}  // namespace

std::string EncodeMonthPrintCell(const MonthPrintCell& cell) {
    std::string text = std::to_string(cell.numberColour) + "#";
    if (cell.header) return text + cell.day;
    text += std::to_string(cell.contentColour) + "#" + cell.day;
    if (cell.holiday) text += "*";
    text += cell.inMonth ? InMonthMark() : OutsideMark();
    return text + cell.content;
}

std::optional<MonthPrintCell> DecodeMonthPrintCell(std::string_view text, bool header) {
    MonthPrintCell cell;
    cell.header = header;
    if (!TakeColour(text, cell.numberColour)) return std::nullopt;
    if (header) {
        cell.day = std::string(text);
        return cell;
    }
    if (!TakeColour(text, cell.contentColour)) return std::nullopt;
    std::size_t digits = 0;
    while (digits < text.size() && digits < 2 && text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits == 0) return std::nullopt;
    cell.day = std::string(text.substr(0, digits));
    text.remove_prefix(digits);
    if (!text.empty() && text.front() == '*') {
        cell.holiday = true;
        text.remove_prefix(1);
    }
    if (text.starts_with(InMonthMark())) {
        text.remove_prefix(InMonthMark().size());
    } else if (text.starts_with(OutsideMark())) {
        cell.inMonth = false;
        text.remove_prefix(OutsideMark().size());
    } else {
        return std::nullopt;
    }
    cell.content = std::string(text);
    return cell;
}

}  // namespace mv
