#include "io/print/gridprinttable.h"

#include "io/csv/csvformat.h"
#include "model/keyvalueline.h"
#include "view/geometry/monthprintcell.h"

namespace mv {

std::vector<CalendarItem> SplitCalendarItems(std::string_view content) {
    std::vector<CalendarItem> items;
    // "%!#" and "<", ">", "#" are below 0x40, so no trail byte is ever taken for them.
    while (!content.empty()) {
        const std::size_t end = content.find(kSep);
        std::string_view piece = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view{} : content.substr(end + kSep.size());
        if (piece.empty()) continue;
        CalendarItem item;
        const std::size_t close = piece.find(">#");
        if (piece.front() == '<' && close != std::string_view::npos) {
            item.time = std::string(piece.substr(1, close - 1));
            item.title = std::string(piece.substr(close + 2));
        } else {
            item.title = std::string(piece);
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::string CalendarItemText(const CalendarItem& item, bool withTime) {
    if (!withTime || item.time.empty()) return item.title;
    std::string text = "<" + item.time + ">";
    if (!item.title.empty()) text += " " + item.title;
    return text;
}

std::string TrimmedCell(std::string_view text) { return std::string(Trim(text)); }

std::string ReadableCell(const GridPrintRequest& request, int row, int col, bool trimSpace) {
    const std::string& cell = request.grid.At(row, col);
    if (request.monthCalendar) {
        if (auto decoded = DecodeMonthPrintCell(cell, row < request.grid.fixedRows)) {
            if (decoded->header) return decoded->day;
            std::string text = decoded->day;
            for (const CalendarItem& item : SplitCalendarItems(decoded->content))
                if (!item.title.empty()) text += " " + item.title;
            return text;
        }
    }
    return trimSpace ? TrimmedCell(cell) : cell;
}

namespace {
std::vector<std::vector<std::string>> ReadableRows(const GridPrintRequest& request, bool trimSpace) {
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(request.grid.rows));
    for (int r = 0; r < request.grid.rows; ++r)
        for (int c = 0; c < request.grid.cols; ++c) rows[r].push_back(ReadableCell(request, r, c, trimSpace));
    return rows;
}
}  // namespace

std::vector<std::string> GridTextLines(const GridPrintRequest& request, bool trimSpace) {
    std::vector<std::string> lines;
    for (const auto& row : ReadableRows(request, trimSpace)) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) line += '\t';
            line += row[c];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> GridCsvLines(const GridPrintRequest& request, bool trimSpace) {
    std::vector<std::string> lines;
    for (const auto& row : ReadableRows(request, trimSpace)) lines.push_back(JoinCsvFields(row));
    return lines;
}

StringGrid NumberedGrid(const StringGrid& grid, bool rowNumbers, bool colNumbers) {
    const int dr = colNumbers ? 1 : 0, dc = rowNumbers ? 1 : 0;
    StringGrid out;
    out.Resize(grid.rows + dr, grid.cols + dc);
    out.fixedRows = grid.fixedRows + dr;
    out.fixedCols = grid.fixedCols + dc;
    for (int r = 0; r < grid.rows; ++r)
        for (int c = 0; c < grid.cols; ++c) out.At(r + dr, c + dc) = grid.At(r, c);
    if (rowNumbers)
        for (int r = grid.fixedRows; r < grid.rows; ++r) out.At(r + dr, 0) = std::to_string(r - grid.fixedRows + 1);
    if (colNumbers)
        for (int c = grid.fixedCols; c < grid.cols; ++c) out.At(0, c + dc) = std::to_string(c - grid.fixedCols + 1);
    return out;
}

}  // namespace mv
