#include "io/csv/csvgridlayout.h"

#include <gtest/gtest.h>

#include "io/csv/csvtable.h"

namespace mv {
namespace {

TEST(CsvGridLayout, ThousandsSeparators) {
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {{0, "0"},         {7, "7"},           {999, "999"},     {1000, "1,000"},
                 {12345, "12,345"}, {100000, "100,000"}, {1234567, "1,234,567"}, {-1234, "-1,234"},
                 {INT64_MIN, "-9,223,372,036,854,775,808"}};
    for (const auto& c : cases) EXPECT_EQ(ThousandsText(c.value), c.text) << c.value;
}

TEST(CsvGridLayout, FrozenLinesNeverCoverEveryLine) {
    const struct {
        int choice, lines, frozen;
    } cases[] = {{0, 100, 0}, {1, 100, 1}, {3, 100, 3}, {10, 100, 10}, {3, 3, 2}, {10, 4, 3},
                 {5, 1, 0},   {5, 0, 0},   {11, 100, 0}, {-1, 100, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(FrozenLinesFor(c.choice, c.lines), c.frozen) << c.choice << " of " << c.lines;
}

TEST(CsvGridLayout, FilterLeadsWithTheProposedExtension) {
    const struct {
        const char* proposal;
        const char* filter;
    } cases[] = {{"", "(*.csv)|*.csv|(*.*)|*.*"},
                 {"/data/list", "(*.csv)|*.csv|(*.*)|*.*"},
                 {"/data/list.", "(*.csv)|*.csv|(*.*)|*.*"},
                 {"/data/list.txt", "(*.txt)|*.txt|(*.csv)|*.csv|(*.*)|*.*"},
                 {"/data/*.csv", "(*.csv)|*.csv|(*.csv)|*.csv|(*.*)|*.*"},
                 {"/データ/予定.tsv", "(*.tsv)|*.tsv|(*.csv)|*.csv|(*.*)|*.*"}};
    for (const auto& c : cases) EXPECT_EQ(CsvFileFilter(c.proposal), c.filter) << c.proposal;
}

TEST(CsvGridLayout, ColumnWidthsFollowTheLongestTextUpToTheCap) {
    CsvTable table;
    table.LoadLines({"a,bbbbbb", "", std::string(200, 'x') + ",,c,\x93\xfa\x96\x7b"});
    // Column 0 is capped; column 1: "bbbbbb" + 2; column 2 holds only "c", so its number
    // decides as much; column 3: a double-byte word of 4 bytes + 2.
    EXPECT_EQ(CsvColumnChars(table), (std::vector<int>{kMaxColumnChars, 8, 3, 6}));
    EXPECT_TRUE(CsvColumnChars(CsvTable()).empty());

    // Twelve columns: the numbers from 10 on are two digits wide.
    table.LoadLines({"1,2,3,4,5,6,7,8,9,10,11,12"});
    EXPECT_EQ(CsvColumnChars(table).back(), 4);
}

TEST(CsvGridLayout, ColumnWidthsOfALargeTableSeeItsLastLine) {
    std::vector<std::string> lines(50000, "a,b");
    lines.back() = "a,b," + std::string(30, 'w');
    CsvTable table;
    table.LoadLines(lines);
    EXPECT_EQ(CsvColumnChars(table, 100), (std::vector<int>{3, 3, 32}));
    // A wide line in the middle is seen when the sample reaches it.
    lines.back() = "a,b";
    lines[25000] = "a," + std::string(10, 'm');
    table.LoadLines(lines);
    EXPECT_EQ(CsvColumnChars(table, 50000)[1], 12);
}

}  // namespace
}  // namespace mv
