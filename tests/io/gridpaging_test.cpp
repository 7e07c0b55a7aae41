#include "io/print/gridpaging.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

// Pages written as "cols first-end / rows first-end" (end exclusive), in printing order.
std::string Describe(const std::vector<GridPage>& pages) {
    std::string text;
    for (const GridPage& p : pages) {
        if (!text.empty()) text += " | ";
        text += "c" + std::to_string(p.firstCol) + "-" + std::to_string(p.endCol) + " r" + std::to_string(p.firstRow) +
                "-" + std::to_string(p.endRow);
    }
    return text;
}

TEST(GridPaging, PagesForATableOfGrids) {
    struct Case {
        const char* what;
        GridPagingInput input;
        const char* pages;
    };
    const std::vector<Case> cases = {
        {"all on one page", {{10, 10, 10}, {5, 5}, 0, 0, 30, 10}, "c0-3 r0-2"},
        {"one column too many goes to a second page across",
         {{10, 10, 10}, {5, 5}, 0, 0, 29, 10},
         "c0-2 r0-2 | c2-3 r0-2"},
        {"fixed column and row repeat, pages go down first",
         // fixed width 10 leaves 20 across (two columns), fixed height 4 leaves 6 down (two rows)
         {{10, 10, 10, 10, 10}, {4, 3, 3, 3}, 1, 1, 30, 10},
         "c1-3 r1-3 | c1-3 r3-4 | c3-5 r1-3 | c3-5 r3-4"},
        {"across first when asked",
         {{10, 10, 10, 10, 10}, {4, 3, 3, 3}, 1, 1, 30, 10, 1.0, GridPageOrder::AcrossThenDown},
         "c1-3 r1-3 | c3-5 r1-3 | c1-3 r3-4 | c3-5 r3-4"},
        {"a column wider than the page gets a page of its own",
         {{5, 50, 5}, {5}, 0, 0, 20, 10},
         "c0-1 r0-1 | c1-2 r0-1 | c2-3 r0-1"},
        {"fixed columns wider than the page: one data column per page, no endless loop",
         {{40, 5, 5}, {5, 5}, 1, 0, 20, 10},
         "c1-2 r0-2 | c2-3 r0-2"},
        {"half scale fits twice as much",
         {{10, 10, 10, 10}, {10, 10, 10, 10}, 0, 0, 20, 20, 0.5},
         "c0-4 r0-4"},
        {"double scale fits half as much",
         {{10, 10}, {10}, 0, 0, 20, 20, 2.0},
         "c0-1 r0-1 | c1-2 r0-1"},
        {"only fixed columns: one empty band",
         {{10, 10}, {5, 5, 5}, 2, 1, 30, 10},
         "c2-2 r1-2 | c2-2 r2-3"},
        {"fixed counts beyond the grid are clamped", {{10}, {5}, 3, 3, 30, 10}, "c1-1 r1-1"},
        {"an empty grid still has one page", {{}, {}, 0, 0, 30, 10}, "c0-0 r0-0"},
        {"zero-sized rows all fit", {{10}, {0, 0, 0}, 0, 0, 30, 1}, "c0-1 r0-3"},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(PaginateGrid(c.input)), c.pages) << c.what;
}

TEST(GridPaging, EveryDataColumnAndRowIsPrintedExactlyOnce) {
    GridPagingInput input;
    for (int i = 0; i < 37; ++i) input.colWidths.push_back(3 + (i * 7) % 11);
    for (int i = 0; i < 53; ++i) input.rowHeights.push_back(2 + (i * 5) % 9);
    input.fixedCols = 2;
    input.fixedRows = 1;
    input.pageWidth = 40;
    input.pageHeight = 30;
    input.scale = 1.3;
    std::vector<int> colSeen(37), rowSeen(53);
    const auto pages = PaginateGrid(input);
    for (const GridPage& p : pages) {
        int width = 0;  // fixed columns at the scale, then the band's
        for (int c = 0; c < 2; ++c) width += ScaledSize(input.colWidths[c], input.scale);
        for (int c = p.firstCol; c < p.endCol; ++c) width += ScaledSize(input.colWidths[c], input.scale);
        EXPECT_TRUE(width <= input.pageWidth || p.endCol - p.firstCol == 1) << p.firstCol;
        if (p.firstRow == 1)
            for (int c = p.firstCol; c < p.endCol; ++c) ++colSeen[c];
        if (p.firstCol == 2)
            for (int r = p.firstRow; r < p.endRow; ++r) ++rowSeen[r];
    }
    for (int c = 2; c < 37; ++c) EXPECT_EQ(colSeen[c], 1) << c;
    for (int r = 1; r < 53; ++r) EXPECT_EQ(rowSeen[r], 1) << r;
}

}  // namespace
}  // namespace mv
