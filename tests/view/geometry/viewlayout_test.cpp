#include "view/geometry/viewlayout.h"

#include <gtest/gtest.h>

#include "model/codec.h"
#include "view/geometry/displaytype.h"

namespace mv {
namespace {

// A 10-point reference font at 96 dpi ("A" 7 x 13) on a 1920 x 1080 screen.
const ReferenceFont kFont{13, 7, 13};
WindowSizes Sizes() { return WindowSizes{1280, 1920, 1080, 30, 90, kYearBoxHeight}; }

TEST(ViewMetrics, DeriveFromTheReferenceFont) {
    ViewMetrics m = ComputeMetrics(kFont, 6, 1280, false);
    EXPECT_EQ(m.timeColumnWidth, 28);
    EXPECT_EQ(m.headerHeight, 66);  // trunc(13 * 1.7 * 3)
    EXPECT_EQ(m.fullBandWidth, 18);
    EXPECT_EQ(m.bandWidth, 18);
    EXPECT_EQ(m.minFrameHeight, 16);
    EXPECT_EQ(m.smallFontHeight, 11);
    EXPECT_EQ(m.labelFontHeight, 15);
    EXPECT_EQ(ComputeMetrics(kFont, kWeekdayType, 1280, false).headerHeight, 32);
}

TEST(ViewMetrics, WideTypesCapTheBandByWindowWidthExceptForPrinting) {
    EXPECT_EQ(ComputeMetrics(kFont, 8, 1280, false).bandWidth, 16);   // 1280 / 80
    EXPECT_EQ(ComputeMetrics(kFont, 7, 600, false).bandWidth, 10);    // 600 / 60
    EXPECT_EQ(ComputeMetrics(kFont, 6, 600, false).bandWidth, 12);    // 600 / 50
    EXPECT_EQ(ComputeMetrics(kFont, 2, 600, false).bandWidth, 18);    // no cap below type 6
    EXPECT_EQ(ComputeMetrics(kFont, 8, 1280, true).bandWidth, 18);
}

struct WidthCase {
    int type;
    int horizontal;
    int dateWidthIndex;
    int expectedWidth;
    int expectedGridWidth;
};

class ColumnWidths : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ColumnWidths, FollowTypeScaleAndSizeIndex) {
    const WidthCase& c = GetParam();
    ViewMetrics m = ComputeMetrics(kFont, c.type, 1280, false);
    ScaleState scale;
    scale.horizontal = c.horizontal;
    scale.dateWidthIndex = c.dateWidthIndex;
    ViewLayout layout;
    layout.Build({2003, 7, 1}, c.type, scale, m, Sizes());
    EXPECT_EQ(layout.ColumnWidth(), c.expectedWidth);
    EXPECT_EQ(layout.GridWidth(), c.expectedGridWidth);
    EXPECT_EQ(static_cast<int>(layout.Columns().size()), DisplayTypeOf(c.type).columns);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ColumnWidths,
    ::testing::Values(
        // One week at 100: seven columns of the screen width, scaled by 1.5 * 0.9.
        WidthCase{6, kHorz100, 9, 329, 7 * (329 + 18)},
        // Two weeks at 100 size their columns as seven, so fourteen need scrolling.
        WidthCase{7, kHorz100, 9, 329, 14 * (329 + 18)},
        // At Fit all fourteen share the window.
        WidthCase{7, kHorzFit, 9, 66, 14 * (66 + 18)},
        // One day is 0.75 of the window whatever the size index and the scale button.
        WidthCase{0, kHorz100, 29, 878, 878 + 18},
        WidthCase{0, kHorzFit, 0, 878, 878 + 18},
        // Five weeks: only the first and last column carry a band.
        WidthCase{8, kHorz100, 9, 141, 35 * 141 + 2 * 16},
        // The first size-list entry still leaves one pixel per column.
        WidthCase{6, kHorz100, 0, 1, 7 * (1 + 18)}),
    [](const ::testing::TestParamInfo<WidthCase>& info) {
        const WidthCase& c = info.param;
        return "type" + std::to_string(c.type) + (c.horizontal == kHorzFit ? "Fit" : "At100") + "Size" +
               std::to_string(c.dateWidthIndex);
    });

TEST(ColumnWidths, TypesUpToSixDaysAlwaysFit) {
    ScaleState scale;
    scale.horizontal = kHorz100;
    EXPECT_EQ(EffectiveScale(2, scale).horizontal, kHorzFit);
    EXPECT_EQ(EffectiveScale(6, scale).horizontal, kHorz100);
}

TEST(RowHeights, FollowVerticalStateAndSizeIndex) {
    ViewMetrics m = ComputeMetrics(kFont, 6, 1280, false);
    // (1080 - 30 - 90 - 66 - 21 - 13) / 24 = 35.83 pixels fit one hour.
    ScaleState scale;
    EXPECT_EQ(RowHeight(scale, m, Sizes()), 187);  // * 5.8 * 0.9
    scale.vertical = kVertFit;
    EXPECT_EQ(RowHeight(scale, m, Sizes()), 35);
    scale.vertical = kVert50;
    EXPECT_EQ(RowHeight(scale, m, Sizes()), 93);
    scale.vertical = kVert70;
    EXPECT_EQ(RowHeight(scale, m, Sizes()), 130);
    scale.vertical = kVert100;
    scale.timeHeightIndex = 0;
    EXPECT_EQ(RowHeight(scale, m, Sizes()), 1);
}

class Mapping : public ::testing::Test {
protected:
    void SetUp() override {
        layout.BuildWithSizes({2003, 7, 1}, 6, ComputeMetrics(kFont, 6, 1280, false), 100, 60);
    }
    ViewLayout layout;
};

TEST_F(Mapping, TimesMapIntoTheirHourRow) {
    EXPECT_EQ(layout.YOfStart(500), 0);
    EXPECT_EQ(layout.YOfStart(930), 4 * 60 + 30);
    EXPECT_EQ(layout.YOfEnd(2900), 24 * 60);
    EXPECT_EQ(layout.YOfStart(2530), 20 * 60 + 30);
    EXPECT_FALSE(layout.YOfStart(430).has_value());
}

TEST_F(Mapping, YToTimeSnapsToTheMinuteUnit) {
    EXPECT_EQ(layout.TimeAtY(4 * 60 + 37, 15), 930);
    EXPECT_EQ(layout.TimeAtY(4 * 60 + 37, 1), 937);
    EXPECT_EQ(layout.TimeAtY(0, 5), 500);
    EXPECT_EQ(layout.TimeAtY(5000, 5), 2900);  // below the grid
    EXPECT_EQ(layout.TimeAtY(-3, 5), 500);     // above it
}

TEST_F(Mapping, XToColumnClampsAtBothEnds) {
    const auto& columns = layout.Columns();
    EXPECT_EQ(layout.ColumnAtX(-10), 0);
    EXPECT_EQ(layout.ColumnAtX(columns[3].rect.left + 5), 3);
    EXPECT_EQ(layout.ColumnAtX(100000), 6);
    EXPECT_EQ(layout.ColumnIndexOfDate({2003, 7, 7}), 6);
    EXPECT_FALSE(layout.ColumnIndexOfDate({2003, 7, 8}).has_value());
}

TEST_F(Mapping, FrameAreaLeavesOutTheBand) {
    PixelRect area = layout.FrameArea(1);
    EXPECT_EQ(area.left, layout.Columns()[1].rect.left + 18);
    EXPECT_EQ(area.right, layout.Columns()[1].rect.right);
}

TEST_F(Mapping, ScrollingShowsTheHourBeforeTheFrame) {
    EXPECT_EQ(layout.ScrollYForStart(930), 3 * 60);  // row of 08:00
    EXPECT_EQ(layout.ScrollYForStart(530), 0);
}

TEST(StartDateBox, ShowsMonthDayAndWeekday) {
    EXPECT_EQ(StartDateBoxText({2003, 12, 1}), Sjis("  12月 01日 (月)"));
}

}  // namespace
}  // namespace mv
