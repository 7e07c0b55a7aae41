// The definition window's lists without widgets: the mapping cells and ImportCol, the
// export order lines and ExportCol.
#include <gtest/gtest.h>

#include "io/csv/csvdefinition.h"
#include "io/csv/csvmapping.h"
#include "support/testhost.h"

namespace mv {
namespace {

const std::vector<std::string> kColumns = ColumnListLines({"Date", "Start", "End", "Title"}, 4);

TEST(CsvDefinition, KeyCellsShowTheTrimmedColumnLineAndNothingBeyondTheColumns) {
    const CsvTexts cells = KeyCellTexts({1, -1, 7, 0, 3}, kColumns);
    EXPECT_EQ(cells, (CsvTexts{" 2. Start", "", "", " 1. Date", " 4. Title"}));
    // A mapping beyond the columns shows empty, and reading the cells back drops it.
    EXPECT_EQ(ImportColFromKeyCells(cells), (CsvColumns{1, -1, -1, 0, 3}));
}

TEST(CsvDefinition, ImportColIsTheNumberBeforeTheFirstDotMinusOne) {
    struct Case {
        std::string cell;
        int column;
    };
    const Case cases[] = {
        {"", -1},          {" 1. Date", 0},      {"  12. a.b. c", 11}, {"   3. ", 2},
        {" Date", -1},     {" 0. zero", -1},     {" x. y", -1},
    };
    for (const Case& c : cases) {
        CsvTexts cells;
        cells[2] = c.cell;
        EXPECT_EQ(ImportColFromKeyCells(cells)[2], c.column) << '"' << c.cell << '"';
    }
}

TEST(CsvDefinition, APlacedLineShowsOnceAndADuplicateIsRefusedWithTheMessage) {
    test::FakeDialogs dialogs;
    CsvTexts cells;
    ASSERT_TRUE(PlaceKeyCell(cells, 0, kColumns[0], dialogs));
    ASSERT_TRUE(PlaceKeyCell(cells, 4, kColumns[3], dialogs));
    EXPECT_TRUE(dialogs.shown.empty());

    // The same line on another row, or again on its own row: refused, nothing changes.
    for (int item : {2, 0}) {
        dialogs.shown.clear();
        EXPECT_FALSE(PlaceKeyCell(cells, item, kColumns[0], dialogs));
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, "確認");
        EXPECT_EQ(dialogs.shown[0].text, "既に同じ列が選択されています。\r\n\r\n    ＞1. Date");
        EXPECT_EQ(ImportColFromKeyCells(cells), (CsvColumns{0, -1, -1, -1, 3}));
    }

    // Another line replaces a row's mapping; clearing unmaps it, once.
    EXPECT_TRUE(PlaceKeyCell(cells, 0, kColumns[1], dialogs));
    EXPECT_EQ(ImportColFromKeyCells(cells), (CsvColumns{1, -1, -1, -1, 3}));
    EXPECT_TRUE(ClearKeyCell(cells, 4));
    EXPECT_FALSE(ClearKeyCell(cells, 4));
    EXPECT_FALSE(ClearKeyCell(cells, 5));
    EXPECT_EQ(ImportColFromKeyCells(cells), (CsvColumns{1, -1, -1, -1, -1}));
}

TEST(CsvDefinition, AutoMappingAllowsTwoItemsOnOneColumnAndLeavesEmptyHeadingsUnmapped) {
    const std::vector<std::string> lines = ColumnListLines({"Title", "StartTime", "Date", "Date again"}, 5);
    const CsvTexts cells = AutoMappedKeyCells(lines, {"Date", "Time", "Date", "", "Nothing"});
    EXPECT_EQ(cells, (CsvTexts{" 3. Date", " 2. StartTime", " 3. Date", "", ""}));
    EXPECT_EQ(ImportColFromKeyCells(cells), (CsvColumns{2, 1, 2, -1, -1}));
}

TEST(CsvDefinition, ExportLinesCarryTheirItemBehindOneHundredBlanks) {
    const std::vector<std::string> lines = ExportListLines({4, 0, 1, 2, 3}, {"Date", "Start", "EDate", "End", "Title"});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], " 1. Title" + std::string(100, ' ') + "#4");
    EXPECT_EQ(ExportListCaption(lines[1]), " 2. Date");
    EXPECT_EQ(ExportListItem(lines[1]), 0);
    EXPECT_EQ(ExportColFromListLines(lines), (CsvColumns{4, 0, 1, 2, 3}));
    // A damaged order gives each column its own item.
    EXPECT_EQ(ExportColFromListLines(ExportListLines({-1, 9, 2, 3, 4}, {})), (CsvColumns{0, 1, 2, 3, 4}));
    EXPECT_EQ(ExportListItem(" 1. no number"), -1);
}

TEST(CsvDefinition, AMovedExportLineGoesBeforeALineAboveAndAfterALineBelow) {
    struct Case {
        int from, to;
        CsvColumns order;
    };
    const Case cases[] = {
        {4, 0, {4, 0, 1, 2, 3}},  // onto the first line: before it
        {0, 2, {1, 2, 0, 3, 4}},  // onto a line below: after it
        {3, 1, {0, 3, 1, 2, 4}},  // onto a line above: before it
        {0, 4, {1, 2, 3, 4, 0}},  // onto the last line: after it
        {2, 2, {0, 1, 2, 3, 4}},  // onto itself: nothing
        {1, 5, {0, 1, 2, 3, 4}},  // beyond the lines: nothing
    };
    const CsvTexts taiou{"A", "B", "C", "D", "E"};
    for (const Case& c : cases) {
        std::vector<std::string> lines = ExportListLines({0, 1, 2, 3, 4}, taiou);
        MoveExportListLine(lines, c.from, c.to);
        EXPECT_EQ(ExportColFromListLines(lines), c.order) << c.from << " -> " << c.to;
        // Renumbered 1..5 with each heading kept beside its item.
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(ExportListCaption(lines[i]), " " + std::to_string(i + 1) + ". " + taiou[c.order[i]]);
    }
}

}  // namespace
}  // namespace mv
