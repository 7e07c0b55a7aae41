#include "io/csv/csvdefinition.h"

#include <algorithm>

#include "io/csv/csvmapping.h"
#include "model/codec.h"
#include "model/keyvalueline.h"
#include "platform/dialogs.h"

namespace mv {

namespace {

constexpr std::size_t kExportPadding = 100;  // blanks between a heading and its item number

// The line without its leading " n. " number.
std::string_view WithoutNumber(std::string_view line) {
    const std::size_t dot = line.find(". ");
    return dot == std::string_view::npos ? line : line.substr(dot + 2);
}

}  // namespace

std::string KeyCellText(const std::string& columnLine) { return " " + std::string(Trim(columnLine)); }

CsvTexts KeyCellTexts(const CsvColumns& importCol, const std::vector<std::string>& columnLines) {
    CsvTexts cells;
    for (int item = 0; item < kCsvItemCount; ++item) {
        const int column = importCol[item];
        if (column >= 0 && column < static_cast<int>(columnLines.size())) cells[item] = KeyCellText(columnLines[column]);
    }
    return cells;
}

CsvColumns ImportColFromKeyCells(const CsvTexts& cells) {
    CsvColumns importCol{-1, -1, -1, -1, -1};
    for (int item = 0; item < kCsvItemCount; ++item) {
        const std::string_view cell = cells[item];
        if (cell.empty()) continue;
        const auto number = ParseInt(Trim(cell.substr(0, cell.find('.'))));
        if (number && *number > 0) importCol[item] = *number - 1;
    }
    return importCol;
}

bool PlaceKeyCell(CsvTexts& cells, int item, const std::string& columnLine, Dialogs& dialogs) {
    if (item < 0 || item >= kCsvItemCount) return false;
    const std::string cell = KeyCellText(columnLine);
    if (std::find(cells.begin(), cells.end(), cell) != cells.end()) {
        dialogs.Information(kConfirmCaption,
                            "既に同じ列が選択されています。\r\n\r\n    ＞" + ToUtf8(Trim(columnLine)));
        return false;
    }
    cells[item] = cell;
    return true;
}

bool ClearKeyCell(CsvTexts& cells, int item) {
    if (item < 0 || item >= kCsvItemCount || cells[item].empty()) return false;
    cells[item].clear();
    return true;
}

CsvTexts AutoMappedKeyCells(const std::vector<std::string>& columnLines, const CsvTexts& taiou) {
    return KeyCellTexts(AutoMapColumns(columnLines, taiou), columnLines);
}

std::vector<std::string> ExportListLines(const CsvColumns& exportCol, const CsvTexts& taiou) {
    const CsvColumns order = ExportOrder(exportCol);
    std::vector<std::string> lines;
    for (int column = 0; column < kCsvItemCount; ++column) {
        const int item = order[column];
        lines.push_back(" " + std::to_string(column + 1) + ". " + taiou[item] + std::string(kExportPadding, ' ') + "#" +
                        std::to_string(item));
    }
    return lines;
}

std::string ExportListCaption(const std::string& line) {
    const std::size_t mark = line.rfind('#');
    std::string_view caption = mark == std::string::npos ? std::string_view(line) : std::string_view(line).substr(0, mark);
    while (!caption.empty() && caption.back() == ' ') caption.remove_suffix(1);
    return std::string(caption);
}

int ExportListItem(const std::string& line) {
    const std::size_t mark = line.rfind('#');
    if (mark == std::string::npos) return -1;
    const auto item = ParseInt(std::string_view(line).substr(mark + 1));
    return item && *item >= 0 && *item < kCsvItemCount ? *item : -1;
}

void MoveExportListLine(std::vector<std::string>& lines, int from, int to) {
    const int count = static_cast<int>(lines.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
    std::string moved = std::move(lines[from]);
    lines.erase(lines.begin() + from);
    // Above: before the target, which keeps its index. Below: after it, which has moved up
    // one, so at the target's old index.
    lines.insert(lines.begin() + to, std::move(moved));
    RenumberExportListLines(lines);
}

void RenumberExportListLines(std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = " " + std::to_string(i + 1) + ". " + std::string(WithoutNumber(lines[i]));
}

CsvColumns ExportColFromListLines(const std::vector<std::string>& lines) {
    CsvColumns exportCol{0, 1, 2, 3, 4};
    for (int column = 0; column < kCsvItemCount && column < static_cast<int>(lines.size()); ++column) {
        const int item = ExportListItem(lines[column]);
        if (item >= 0) exportCol[column] = item;
    }
    return exportCol;
}

}  // namespace mv
