#include "io/print/timepages.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

// 24 rows of 10 units each; the layout is 100 units wide and the paper 200 device units wide,
// so every layout unit takes two device units.
PageInput Rows(int first, int last, double printableHeight) {
    PageInput input;
    for (int r = 0; r < 24; ++r) input.rows.push_back({10 * r, 10 * r + 10});
    input.firstRow = first;
    input.lastRow = last;
    input.layoutWidth = 100;
    input.printableWidth = 200;
    input.printableHeight = printableHeight;
    input.headingHeight = 15;
    return input;
}

// Pages written as "first-last" hour rows, "closing" for a page of closing rows only.
std::string Describe(const PageTable& table) {
    std::string text;
    for (const PrintPage& p : table.pages) {
        if (!text.empty()) text += " | ";
        text += p.closingOnly ? "closing" : std::to_string(p.firstRow) + "-" + std::to_string(p.lastRow);
    }
    return text;
}

TEST(TimePages, PageTableFromTheLayout) {
    struct Case {
        const char* what;
        PageInput input;
        const char* pages;
    };
    auto with = [](PageInput input, auto change) {
        change(input);
        return input;
    };
    // 100 layout units of height: heading 15 leaves 85, eight rows and the closing rows.
    const std::vector<Case> cases = {
        {"one hour is one page", Rows(9, 9, 200), "9-9"},
        {"the whole day on one tall page", Rows(0, 23, 2 * 300), "0-23"},
        {"the first row that does not fit starts the next page", Rows(0, 23, 200),
         "0-7 | 8-15 | 16-23 | closing"},
        {"first after last is swapped", Rows(20, 3, 2 * 300), "3-20"},
        {"closing rows share the last page when they fit", Rows(0, 9, 200), "0-7 | 8-9"},
        {"closing rows get a page of their own when the last is full", Rows(0, 15, 200), "0-7 | 8-15 | closing"},
        {"the header only on page 1 leaves later pages more room",
         with(Rows(0, 23, 200), [](PageInput& i) { i.headerHeight = 25; }), "0-5 | 6-13 | 14-21 | 22-23"},
        {"the header on every page", with(Rows(0, 23, 200), [](PageInput& i) {
             i.headerHeight = 25;
             i.headerOnAllPages = true;
         }),
         "0-5 | 6-11 | 12-17 | 18-23 | closing"},
        {"the boundary band on later pages", with(Rows(0, 23, 200), [](PageInput& i) { i.boundaryBand = 6; }),
         "0-7 | 8-14 | 15-21 | 22-23"},
        {"a row taller than the page still gets a page",
         with(Rows(0, 2, 20), [](PageInput& i) { i.headingHeight = 0; }), "0-0 | 1-1 | 2-2"},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(ComposePages(c.input)), c.pages) << c.what;
}

TEST(TimePages, PagesKeepTheirRowsAndBands) {
    PageInput input = Rows(4, 23, 200);
    input.headerHeight = 25;
    input.boundaryBand = 5;
    const PageTable table = ComposePages(input);
    ASSERT_GE(table.pages.size(), 2u);
    const PrintPage& first = table.pages[0];
    const PrintPage& second = table.pages[1];
    // Page 1 starts after hour row 0, so it carries the band too; the header is on it only.
    EXPECT_EQ(first.BodyTop(15), 25 + 15 + 5);
    EXPECT_EQ(second.BodyTop(15), 15 + 5);
    EXPECT_EQ(first.top, 40);
    EXPECT_EQ(second.top, first.bottom);
    EXPECT_DOUBLE_EQ(table.scale, 2.0);
    EXPECT_DOUBLE_EQ(table.printableHeight, 100.0);
}

TEST(TimePages, AtMostAHundredAndOnePages) {
    PageInput input = Rows(0, 23, 0);
    input.rows.assign(300, PrintRow{});
    for (int r = 0; r < 300; ++r) input.rows[static_cast<std::size_t>(r)] = {10 * r, 10 * r + 10};
    input.lastRow = 299;
    const PageTable table = ComposePages(input);
    EXPECT_EQ(table.pages.size(), static_cast<std::size_t>(kMaxPrintPages));
    EXPECT_TRUE(table.truncated);
}

TEST(TimePages, ScaleToPaperAndMargins) {
    EXPECT_DOUBLE_EQ(ScaleToPaper(300, 100), 3.0);
    EXPECT_DOUBLE_EQ(ScaleToPaper(50, 100), 0.5);  // a wide layout is shrunk to the width
    EXPECT_DOUBLE_EQ(ScaleToPaper(50, 0), 1.0);
    const MarginsMm margins = MarginsFromIndexes(3, 20);
    EXPECT_EQ(margins.left, 15);
    EXPECT_EQ(margins.top, 100);
    EXPECT_EQ(margins.right, 5);
    EXPECT_EQ(margins.bottom, 5);
    EXPECT_EQ(MarginsFromIndexes(-1, 99).top, 100);
}

TEST(TimePages, PreviewScales) {
    const std::vector<std::string> entries = PreviewScaleEntries(true);
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0], " 20 %");
    EXPECT_EQ(entries[kFitScaleEntry], " 画面に");
    EXPECT_EQ(entries[kHundredScaleEntry], " 100 %");
    EXPECT_EQ(entries[15], " 300 %");
    EXPECT_EQ(PreviewScaleEntries(false)[15], " 300");
    EXPECT_DOUBLE_EQ(PreviewScale(kHundredScaleEntry + 1, 0, 0, 1, 1), 1.2);
    EXPECT_NEAR(PreviewScale(kFitScaleEntry, 1000, 500, 100, 100), 4.95, 1e-9);
    // 表示切替 cycles 100 % -> restore -> fit -> 100 %.
    EXPECT_EQ(NextScaleEntry(kHundredScaleEntry, 8), 8);
    EXPECT_EQ(NextScaleEntry(8, 8), kFitScaleEntry);
    EXPECT_EQ(NextScaleEntry(kFitScaleEntry, 8), kHundredScaleEntry);
    EXPECT_EQ(NextScaleEntry(2, 8), kHundredScaleEntry);
}

TEST(TimePages, Texts) {
    EXPECT_EQ(PaperText(9, kLandscape), "A4 横");
    EXPECT_EQ(PaperText(13, kPortrait), "B5 縦");
    EXPECT_EQ(PaperText(1, 0), "? ?");  // letter
    EXPECT_FALSE(SupportedPaper(1));
    EXPECT_TRUE(SupportedPaper(12));
    EXPECT_EQ(PaperCodeByName("B4"), 12);
    EXPECT_EQ(PaperCodeByName("Letter"), 0);
    EXPECT_EQ(PrintRange(3, 2), std::make_pair(2, 3));
    EXPECT_EQ(PageCaption(2, 5), " Page  2 / 5 ");
}

}  // namespace
}  // namespace mv
