#include "view/geometry/headertext.h"

#include <gtest/gtest.h>

#include "model/codec.h"
#include "support/testhost.h"
#include "view/geometry/layoutretry.h"

namespace mv {
namespace {

ViewLayout Layout(const Date& start, int type, int contentWidth) {
    ViewLayout layout;
    layout.BuildWithSizes(start, type, ComputeMetrics({13, 7, 13}, type, 1920, true), contentWidth, 40);
    return layout;
}

std::vector<std::string> Texts(const MonthBandBox& box) {
    std::vector<std::string> texts;
    for (const BandText& text : box.texts) texts.push_back(ToUtf8(text.text));
    return texts;
}

const LetterSize kLetter{7, 13};

TEST(MonthBand, OneBoxPerMonthWithTheYearOnlyWhereItChanges) {
    // Two days: 2026/12/31 and 2027/01/01, each a month of its own.
    ViewLayout layout = Layout({2026, 12, 31}, 1, 200);
    auto band = MonthBand(layout, 15, kLetter, true);
    ASSERT_EQ(band.size(), 2u);
    EXPECT_EQ(Texts(band[0]), std::vector<std::string>{"2026年   12月"});
    EXPECT_EQ(Texts(band[1]), std::vector<std::string>{"2027年   1月"});
    EXPECT_EQ(band[0].rect.bottom, layout.HeaderHeight() / 3);

    ViewLayout sameYear = Layout({2026, 3, 30}, 2, 200);
    band = MonthBand(sameYear, 15, kLetter, true);
    ASSERT_EQ(band.size(), 2u);
    EXPECT_EQ(Texts(band[1]), std::vector<std::string>{"4月"});
    EXPECT_TRUE(MonthBand(sameYear, 15, kLetter, false)[0].texts.empty());
}

TEST(MonthBand, WeekTypesPutTheYearOverTheFirstColumnAndTheMonthOverTheNext) {
    ViewLayout layout = Layout({2026, 3, 30}, 6, 120);  // 3/30, 3/31, then 4/1 to 4/5
    auto band = MonthBand(layout, 15, kLetter, true);
    ASSERT_EQ(band.size(), 2u);
    ASSERT_EQ(band[0].texts.size(), 2u);
    EXPECT_EQ(ToUtf8(band[0].texts[0].text), " 2026年");
    EXPECT_EQ(band[0].texts[0].rect.left, layout.Columns()[0].rect.left);
    EXPECT_EQ(ToUtf8(band[0].texts[1].text), "3月");
    EXPECT_EQ(band[0].texts[1].rect.left, layout.Columns()[1].rect.left);
    EXPECT_EQ(Texts(band[1]), std::vector<std::string>{"4月"});  // same year: month only
    EXPECT_EQ(band[1].rect.right, layout.GridWidth());
}

TEST(MonthBand, TheFiveWeekViewShowsTheYearOnlyWhereElevenCharactersFit) {
    // Narrow columns: three days of March (48 pixels) cannot hold eleven characters at 10
    // pixels or more.
    ViewLayout layout = Layout({2026, 3, 29}, 8, 10);
    auto band = MonthBand(layout, 15, kLetter, true);
    ASSERT_EQ(band.size(), 3u);
    EXPECT_EQ(band[0].rect.Width(), 48);
    EXPECT_EQ(Texts(band[0]), std::vector<std::string>{" 3月"});
    EXPECT_EQ(Texts(band[1]), std::vector<std::string>{" 4月"});
    EXPECT_TRUE(band[0].texts[0].leftAligned);
    // Wide enough from the start of a month.
    ViewLayout wide = Layout({2026, 1, 1}, 8, 30);
    EXPECT_EQ(Texts(MonthBand(wide, 15, kLetter, true)[0]), std::vector<std::string>{" 2026年 1月 "});
    EXPECT_TRUE(MonthBand(Layout({2026, 1, 1}, 9, 30), 15, kLetter, true).empty());
}

TEST(HeaderTexts, DayCellsLabelsAndHours) {
    EXPECT_EQ(DayCellText({2026, 3, 5}, false), "05");
    EXPECT_EQ(DayCellText({2026, 3, 21}, true), "21*");
    EXPECT_EQ(ToUtf8(WeekdayHeaderText({2026, 3, 23})), "月曜日");
    EXPECT_EQ(ToUtf8(ColumnLabel({2026, 3, 23}, 6, 200, 7)), " 3月 23日(月)");
    EXPECT_EQ(ToUtf8(ColumnLabel({2026, 3, 23}, 6, 70, 7)), "3/23 月");
    EXPECT_EQ(ColumnLabel({2026, 3, 23}, 8, 200, 7), "");
    RowCell row;
    row.labelHour = 25;
    EXPECT_EQ(HourRowText(row, true), "1");
    EXPECT_EQ(HourRowText(row, false), "U");
    row.labelHour = 5;
    EXPECT_EQ(HourRowText(row, false), "A");
}

TEST(LayOutWithRetry, ShrinksTheCellsAndTellsTheUserAfterTenRetries) {
    ViewLayout layout = Layout({2026, 3, 23}, 6, 200);
    test::FakeDialogs dialogs;
    std::vector<std::pair<int, int>> tried;
    auto failing = [&](const ViewLayout& l) {
        tried.emplace_back(l.ColumnWidth(), l.RowHeightPx());
        return false;
    };
    EXPECT_FALSE(LayOutWithRetry(layout, failing, dialogs));
    ASSERT_EQ(tried.size(), 11u);
    EXPECT_EQ(tried[1], std::make_pair(180, 40));  // 200 - 20; 40 - 0
    EXPECT_EQ(tried[2], std::make_pair(144, 40));  // 180 - 36; 40 - trunc(0.8)
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown[0].text, "システム資源が足りない為、正しく描画できません。");
    EXPECT_EQ(layout.Columns().size(), 7u);  // the layout keeps what it has

    ViewLayout second = Layout({2026, 3, 23}, 6, 200);
    test::FakeDialogs quiet;
    int calls = 0;
    EXPECT_TRUE(LayOutWithRetry(second, [&](const ViewLayout&) { return ++calls == 3; }, quiet));
    EXPECT_TRUE(quiet.shown.empty());
    EXPECT_EQ(second.ColumnWidth(), 144);
}

}  // namespace
}  // namespace mv
