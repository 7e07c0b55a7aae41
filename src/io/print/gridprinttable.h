#pragma once
// What the grid print window receives and the texts it makes of it, without Qt: the request,
// the items of a calendar cell, the cell texts of the text and CSV files, and the grid with
// row and column numbers added. Texts are Shift-JIS bytes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "view/geometry/monthcalendar.h"
#include "view/geometry/stringgrid.h"

namespace mv {

struct GridPrintRequest {
    StringGrid grid;
    std::string title;
    std::array<std::string, 3> headings;  // empty ones are left out
    bool monthCalendar = false;           // cells follow the month encoding (monthprintcell.h)
};

// Blanks (and control bytes) removed from both ends; a double-byte blank stays.
std::string TrimmedCell(std::string_view text);

// A cell as a person reads it: for a month calendar the day name of a header cell, or the
// day number and the item titles of a day cell, separated by blanks; any other cell as it
// stands (trimmed when asked).
std::string ReadableCell(const GridPrintRequest& request, int row, int col, bool trimSpace);

// The rows of the grid for a text file (cells joined by a tab) and for a CSV file (the
// program's CSV line format).
std::vector<std::string> GridTextLines(const GridPrintRequest& request, bool trimSpace);
std::vector<std::string> GridCsvLines(const GridPrintRequest& request, bool trimSpace);

// The grid with a fixed column of row numbers at the left (1 for the first row after the
// fixed ones) and a fixed row of column numbers at the top (1 for the first column after the
// fixed ones), each when asked; fixed cells of the number row and column stay empty.
StringGrid NumberedGrid(const StringGrid& grid, bool rowNumbers, bool colNumbers);

}  // namespace mv
