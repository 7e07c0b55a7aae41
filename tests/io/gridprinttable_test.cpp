#include "io/print/gridprinttable.h"

#include <gtest/gtest.h>

#include "model/codec.h"
#include "view/geometry/monthprintcell.h"

namespace mv {
namespace {

TEST(GridPrintTable, CalendarItemsAndTheirTexts) {
    struct Case {
        std::string content;
        std::string titles;    // item texts without time, joined by "|"
        std::string withTime;  // with time
    };
    const std::vector<Case> cases = {
        {"<9:00>#" + Sjis("会議") + "%!#<13:30>#" + Sjis("表示") + "%!#", Sjis("会議") + "|" + Sjis("表示"),
         "<9:00> " + Sjis("会議") + "|<13:30> " + Sjis("表示")},
        {"", "", ""},
        {"%!#%!#", "", ""},
        {Sjis("終日の予定"), Sjis("終日の予定"), Sjis("終日の予定")},  // no time, no final separator
        {"<>#%!#", "", ""},                                           // neither time nor title: nothing shown
        {"<10:00>#%!#", "", "<10:00>"},
        {"<7:00" + Sjis("ソ") + "%!#", "<7:00" + Sjis("ソ"), "<7:00" + Sjis("ソ")},  // not an item with time
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        std::string titles, withTime;
        for (const CalendarItem& item : SplitContent(c.content)) {
            const std::string a = ItemText(item, false), b = ItemText(item, true);
            if (!a.empty()) titles += (titles.empty() ? "" : "|") + a;
            if (!b.empty()) withTime += (withTime.empty() ? "" : "|") + b;
        }
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(withTime, c.withTime);
    }
}

GridPrintRequest SmallMonth() {
    GridPrintRequest request;
    request.monthCalendar = true;
    request.grid.Resize(2, 3);
    request.grid.fixedRows = 1;
    request.grid.At(0, 0) = EncodeMonthPrintCell({true, 255, 0, Sjis("日"), false, true, ""});
    request.grid.At(0, 1) = EncodeMonthPrintCell({true, 0, 0, Sjis("月"), false, true, ""});
    request.grid.At(0, 2) = "plain, text";
    request.grid.At(1, 0) = EncodeMonthPrintCell({false, 255, 0, "31", false, false, ""});
    request.grid.At(1, 1) = EncodeMonthPrintCell(
        {false, 255, 0, "1", true, true, "<9:00>#" + Sjis("元日") + "%!#<>#%!#<12:00>#a,b%!#"});
    request.grid.At(1, 2) = EncodeMonthPrintCell({false, 0, 0, "2", false, true, ""});
    return request;
}

TEST(GridPrintTable, MonthRowsAsTextAndCsv) {
    const GridPrintRequest request = SmallMonth();
    EXPECT_EQ(GridTextLines(request, false),
              (std::vector<std::string>{Sjis("日") + "\t" + Sjis("月") + "\tplain, text",
                                        "31\t1 " + Sjis("元日") + " a,b\t2"}));
    EXPECT_EQ(GridCsvLines(request, false),
              (std::vector<std::string>{Sjis("日") + "," + Sjis("月") + ",\"plain, text\"",
                                        "31,\"1 " + Sjis("元日") + " a,b\",2"}));
}

TEST(GridPrintTable, PlainCellsAreKeptOrTrimmed) {
    GridPrintRequest request;
    request.grid.Resize(1, 2);
    request.grid.At(0, 0) = "  a b  ";
    request.grid.At(0, 1) = Sjis("　表　");  // double-byte blanks are text
    // A plain grid's cell that happens to look like a calendar cell stays as it is.
    GridPrintRequest lookalike = request;
    lookalike.grid.At(0, 0) = "1#2#3" + Sjis("○") + "x";
    EXPECT_EQ(GridTextLines(request, false), (std::vector<std::string>{"  a b  \t" + Sjis("　表　")}));
    EXPECT_EQ(GridTextLines(request, true), (std::vector<std::string>{"a b\t" + Sjis("　表　")}));
    EXPECT_EQ(GridTextLines(lookalike, false)[0].substr(0, 5), "1#2#3");
}

TEST(GridPrintTable, NumbersAreAddedAsFixedRowAndColumn) {
    StringGrid grid;
    grid.Resize(3, 3);
    grid.fixedRows = 1;
    grid.fixedCols = 1;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) grid.At(r, c) = std::string(1, static_cast<char>('a' + r * 3 + c));
    struct Case {
        bool rows, cols;
        std::vector<std::string> cells;
        int fixedRows, fixedCols;
    };
    const std::vector<Case> cases = {
        {false, false, {"a", "b", "c", "d", "e", "f", "g", "h", "i"}, 1, 1},
        {true, false, {"", "a", "b", "c", "1", "d", "e", "f", "2", "g", "h", "i"}, 1, 2},
        {false, true, {"", "1", "2", "a", "b", "c", "d", "e", "f", "g", "h", "i"}, 2, 1},
        {true, true, {"", "", "1", "2", "", "a", "b", "c", "1", "d", "e", "f", "2", "g", "h", "i"}, 2, 2},
    };
    for (const Case& c : cases) {
        const StringGrid out = NumberedGrid(grid, c.rows, c.cols);
        EXPECT_EQ(out.cells, c.cells) << c.rows << c.cols;
        EXPECT_EQ(out.rows * out.cols, static_cast<int>(out.cells.size()));
        EXPECT_EQ(out.fixedRows, c.fixedRows);
        EXPECT_EQ(out.fixedCols, c.fixedCols);
    }
}

}  // namespace
}  // namespace mv
