#include "view/geometry/framelayout.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

// Hour rows of 60 pixels (one pixel a minute), minimum frame height 16.
class HourAdjustment : public ::testing::Test {
protected:
    void SetUp() override { layout.BuildWithSizes({2003, 7, 1}, 6, ComputeMetrics({13, 7, 13}, 6, 1280, false), 100, 60); }

    // One date holding frames of the given times; returns their adjusted rectangles.
    std::vector<PixelRect> Adjust(std::vector<std::pair<int, int>> times) {
        frames.clear();
        for (auto [start, end] : times) {
            auto frame = std::make_unique<TCInf>();
            frame->STime = start;
            frame->ETime = end;
            frame->Cid = "id" + std::to_string(frames.size());
            frames.push_back(std::move(frame));
        }
        std::vector<DayBoxes> days{OrderedBoxes(frames)};
        MapLinear(layout, 0, days[0]);
        AdjustAllRows(layout, days);
        std::vector<PixelRect> rects;
        for (const auto& frame : frames)
            for (const FrameBox& box : days[0])
                if (box.frame == frame.get()) rects.push_back(box.rect);
        return rects;
    }

    ViewLayout layout;
    FrameList frames;
};

TEST_F(HourAdjustment, LongFramesKeepTheirLinearPosition) {
    auto rects = Adjust({{900, 1030}});
    EXPECT_EQ(rects[0].top, 240);
    EXPECT_EQ(rects[0].bottom, 330);
    EXPECT_FALSE(layout.Rows()[4].changedByAdjustment);
}

// Row 09:00 (y 240..300). Marks 900@240 905@245 910@250 1000@300.
//   backward: 905 lifted 3 (its frame joins 905-910), 900 lifted 2 -> 238, then shifted and
//   scaled back into the row: 240 243 251 300;
//   forward: 905 pushed 2 -> 245, 910 pushed to 245 + 16 = 261.
TEST_F(HourAdjustment, AShortFrameGetsTheMinimumHeight) {
    auto rects = Adjust({{905, 910}});
    EXPECT_EQ(rects[0].top, 245);
    EXPECT_EQ(rects[0].bottom, 261);
    EXPECT_TRUE(layout.Rows()[4].changedByAdjustment);
    EXPECT_FALSE(layout.Rows()[3].changedByAdjustment);
}

TEST_F(HourAdjustment, MarksThatNoLongerFitAreScaledBackIntoTheRow) {
    // Six back-to-back ten-minute frames need more than 60 pixels at 16 each.
    auto rects = Adjust({{900, 910}, {910, 920}, {920, 930}, {930, 940}, {940, 950}, {950, 1000}});
    EXPECT_EQ(rects.front().top, 240);
    EXPECT_EQ(rects.back().bottom, 300);
    for (std::size_t i = 0; i + 1 < rects.size(); ++i) {
        EXPECT_EQ(rects[i].bottom, rects[i + 1].top);
        EXPECT_LT(rects[i].top, rects[i].bottom);
    }
}

TEST_F(HourAdjustment, EqualTimesLineUpAcrossDates) {
    FrameList first, second;
    for (FrameList* list : {&first, &second}) {
        auto frame = std::make_unique<TCInf>();
        frame->STime = 905;
        frame->ETime = 910;
        list->push_back(std::move(frame));
    }
    std::vector<DayBoxes> days{OrderedBoxes(first), OrderedBoxes(second)};
    MapLinear(layout, 0, days[0]);
    MapLinear(layout, 1, days[1]);
    AdjustAllRows(layout, days);
    EXPECT_EQ(days[0][0].rect.top, days[1][0].rect.top);
    EXPECT_EQ(days[0][0].rect.bottom, days[1][0].rect.bottom);
}

TEST_F(HourAdjustment, FramesAreOrderedByStartThenId) {
    FrameList list;
    for (auto [start, id] : {std::pair{1000, "b"}, std::pair{900, "z"}, std::pair{1000, "a"}}) {
        auto frame = std::make_unique<TCInf>();
        frame->STime = start;
        frame->Cid = id;
        list.push_back(std::move(frame));
    }
    DayBoxes boxes = OrderedBoxes(list);
    EXPECT_EQ(boxes[0].frame->Cid, "z");
    EXPECT_EQ(boxes[1].frame->Cid, "a");
    EXPECT_EQ(boxes[2].frame->Cid, "b");
}

TEST_F(HourAdjustment, PointFindsTheSelectedFrameFirstThenTheTopmost) {
    FrameList list;
    for (int i = 0; i < 2; ++i) {
        auto frame = std::make_unique<TCInf>();
        frame->STime = 900;
        frame->ETime = 1100;
        list.push_back(std::move(frame));
    }
    std::vector<DayBoxes> days{OrderedBoxes(list)};
    MapLinear(layout, 0, days[0]);
    const int x = layout.FrameArea(0).left + 5, y = 300;
    EXPECT_EQ(FrameAtPoint(layout, days, x, y, nullptr)->frame, days[0][1].frame);
    EXPECT_EQ(FrameAtPoint(layout, days, x, y, days[0][0].frame)->frame, days[0][0].frame);
    EXPECT_EQ(FrameAtPoint(layout, days, layout.Columns()[0].rect.left + 2, y, nullptr), nullptr);  // in the band
    EXPECT_EQ(EarliestStart(days), 900);
}

}  // namespace
}  // namespace mv
