#pragma once
// A table of texts handed to the grid print window by the calendar window and the help
// viewer: the first `fixedRows` rows and `fixedCols` columns are headings. Cells hold CP932
// bytes, like every text of the model.

#include <cassert>
#include <string>
#include <vector>

namespace mv {

struct StringGrid {
    int rows = 0, cols = 0;
    int fixedRows = 0, fixedCols = 0;
    std::vector<std::string> cells;  // row by row

    void Resize(int rowCount, int colCount) {
        rows = rowCount;
        cols = colCount;
        cells.assign(static_cast<std::size_t>(rows) * cols, std::string{});
    }
    std::string& At(int row, int col) {
        assert(row >= 0 && row < rows && col >= 0 && col < cols);
        return cells[static_cast<std::size_t>(row) * cols + col];
    }
    const std::string& At(int row, int col) const {
        assert(row >= 0 && row < rows && col >= 0 && col < cols);
        return cells[static_cast<std::size_t>(row) * cols + col];
    }
};

}  // namespace mv
