#pragma once
// The page table of a printed grid, in plain arithmetic: which columns and rows go on which
// page. Fixed rows are repeated at the top of every page and fixed columns at its left; the
// other columns and rows are cut into bands that fit beside and below them. A column or row
// larger than a page gets a band of its own and is clipped when drawn, so every band holds
// at least one and the cutting always ends.

#include <vector>

namespace mv {

enum class GridPageOrder {
    DownThenAcross,  // all row bands of the first column band, then the next column band
    AcrossThenDown,  // all column bands of the first row band, then the next row band
};

struct GridPagingInput {
    std::vector<int> colWidths;   // device units at 100 %
    std::vector<int> rowHeights;  // device units at 100 %
    int fixedCols = 0, fixedRows = 0;
    int pageWidth = 0, pageHeight = 0;  // the space for the grid on a page, device units
    double scale = 1.0;                 // sizes are scaled by this before they are fitted
    GridPageOrder order = GridPageOrder::DownThenAcross;
};

// A page shows the fixed columns and rows plus columns [firstCol, endCol) and rows
// [firstRow, endRow). A grid with nothing but fixed columns (or rows) has one band with an
// empty range.
struct GridPage {
    int firstCol = 0, endCol = 0;
    int firstRow = 0, endRow = 0;
    friend bool operator==(const GridPage&, const GridPage&) = default;
};

struct GridBand {
    int first = 0, end = 0;
    friend bool operator==(const GridBand&, const GridBand&) = default;
};

// Cuts sizes[first..] into bands of at most `available` (each band holds at least one).
std::vector<GridBand> SplitGridBands(const std::vector<int>& sizes, int first, int available);

// The pages in printing order; always at least one.
std::vector<GridPage> PaginateGrid(const GridPagingInput& input);

// A size at a scale, as the page table and the painter both round it.
int ScaledSize(int size, double scale);

}  // namespace mv
