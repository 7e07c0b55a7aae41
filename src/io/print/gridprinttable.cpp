#include "io/print/gridprinttable.h"

#include "io/csv/csvformat.h"
#include "model/keyvalueline.h"
#include "view/geometry/monthprintcell.h"

namespace mv {

std::string TrimmedCell(std::string_view text) { return std::string(Trim(text)); }

std::string ReadableCell(const GridPrintRequest& request, int row, int col, bool trimSpace) {
    const std::string& cell = request.grid.At(row, col);
    if (request.monthCalendar) {
        if (auto decoded = DecodeMonthPrintCell(cell, row < request.grid.fixedRows)) {
            if (decoded->header) return decoded->day;
            std::string text = decoded->day;
            for (const CalendarItem& item : SplitContent(decoded->content))
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
