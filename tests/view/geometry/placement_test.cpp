#include "view/geometry/placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/timeofday.h"

namespace mv {
namespace {

// Automatic placement, drawn: one text row per half hour, one character per pixel of a
// 12-pixel drawing area (so 1, 2, 3 and 4 lanes divide it evenly). A cell shows the letter
// of the frame covering it, "." when none does and "#" when two frames would be drawn on
// top of each other.
struct Case {
    const char* name;
    std::vector<LaneFrame> frames;  // in start order, lettered A, B, C ...
    std::vector<std::string> picture;
};

std::vector<std::string> Draw(const std::vector<LaneFrame>& frames) {
    const PixelRect area{0, 0, 12, 100};
    const std::vector<LaneSlot> slots = AssignLanes(frames);
    int first = 2900, last = 500;
    for (const LaneFrame& f : frames) {
        first = std::min(first, f.start);
        last = std::max(last, f.end);
    }
    std::vector<std::string> rows;
    for (int t = first; t < last; t = AddMinutes(t, 30)) {
        std::string row = FormatHHMM(t).substr(0, 2) + FormatHHMM(t).substr(3) + " " + std::string(12, '.');
        for (std::size_t i = 0; i < frames.size(); ++i) {
            if (t < frames[i].start || t >= frames[i].end) continue;
            const PixelRect x = LaneRect(area, slots[i].lane, slots[i].count, slots[i].span);
            for (int px = x.left; px < x.right; ++px) {
                char& cell = row[5 + px];
                cell = cell == '.' ? static_cast<char>('A' + i) : '#';
            }
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Joined(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) text += row + "\n";
    return text;
}

class AutomaticPlacement : public ::testing::TestWithParam<Case> {};

TEST_P(AutomaticPlacement, LaysOutTheDay) {
    const Case& c = GetParam();
    EXPECT_EQ(Joined(Draw(c.frames)), Joined(c.picture));
}

const Case kCases[] = {
    {"TouchingFramesUseTheWholeWidth",
     {{900, 1000, 0}, {1000, 1100, 0}},
     {"0900 AAAAAAAAAAAA",
      "0930 AAAAAAAAAAAA",
      "1000 BBBBBBBBBBBB",
      "1030 BBBBBBBBBBBB"}},
    {"OverlappingFramesGoByTheirPriority",  // Ci_LeftPri 3, 1, 2
     {{900, 1200, 3}, {930, 1200, 1}, {1000, 1200, 2}},
     {"0900 ........AAAA",
      "0930 BBBB....AAAA",
      "1000 BBBBCCCCAAAA",
      "1030 BBBBCCCCAAAA",
      "1100 BBBBCCCCAAAA",
      "1130 BBBBCCCCAAAA"}},
    {"EqualPrioritiesKeepTheStartOrder",
     {{900, 1000, 0}, {900, 1000, 0}},
     {"0900 AAAAAABBBBBB",
      "0930 AAAAAABBBBBB"}},
    {"ALaterFrameTakesTheLaneOfOneThatHasEnded",  // compaction: three lanes become two
     {{900, 1200, 0}, {900, 1000, 0}, {1000, 1100, 0}},
     {"0900 AAAAAABBBBBB",
      "0930 AAAAAABBBBBB",
      "1000 AAAAAACCCCCC",
      "1030 AAAAAACCCCCC",
      "1100 AAAAAA......",
      "1130 AAAAAA......"}},
    {"AFrameWidensOverLanesFreeAtItsTime",  // D takes A's lane, then spreads over B's
     {{900, 1000, 0}, {900, 1000, 1}, {900, 1200, 2}, {1100, 1200, 0}},
     {"0900 AAAABBBBCCCC",
      "0930 AAAABBBBCCCC",
      "1000 ........CCCC",
      "1030 ........CCCC",
      "1100 DDDDDDDDCCCC",
      "1130 DDDDDDDDCCCC"}},
    {"AnEarlierFrameOnTheRightStopsTheWidening",
     {{900, 1200, 2}, {1000, 1100, 1}},
     {"0900 ......AAAAAA",
      "0930 ......AAAAAA",
      "1000 BBBBBBAAAAAA",
      "1030 BBBBBBAAAAAA",
      "1100 ......AAAAAA",
      "1130 ......AAAAAA"}},
    {"ClustersAreLaidOutApart",  // a lone frame between two pairs
     {{900, 1000, 0}, {930, 1000, 0}, {1000, 1030, 0}, {1030, 1100, 0}, {1030, 1100, 0}, {1030, 1100, 0}},
     {"0900 AAAAAA......",
      "0930 AAAAAABBBBBB",
      "1000 CCCCCCCCCCCC",
      "1030 DDDDEEEEFFFF"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, AutomaticPlacement, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AutomaticPlacement, ReportsLanesCountsAndTheOrderUsed) {
    // A compacted frame takes the order of the frame whose lane it took.
    auto slots = AssignLanes({{900, 1200, 5}, {900, 1000, 6}, {1000, 1100, 7}});
    EXPECT_EQ(slots[0].lane, 1);
    EXPECT_EQ(slots[1].lane, 2);
    EXPECT_EQ(slots[2].lane, 2);
    for (const LaneSlot& slot : slots) EXPECT_EQ(slot.count, 2);
    EXPECT_EQ(slots[2].leftPri, 6);
    auto alone = AssignLanes({{900, 1000, 3}});
    EXPECT_EQ(alone[0].lane, 0);
    EXPECT_EQ(alone[0].count, 1);
}

TEST(FramesOverlap, OnlySharedTimeCounts) {
    EXPECT_FALSE(FramesOverlap(900, 1000, 1000, 1100));
    EXPECT_TRUE(FramesOverlap(900, 1000, 959, 1100));
    EXPECT_TRUE(FramesOverlap(900, 1000, 900, 1000));
    EXPECT_TRUE(FramesOverlap(930, 1000, 930, 1200));  // the later one contains the earlier
}

TEST(LaneRect, TheLastLaneRunsToTheRightEdge) {
    const PixelRect area{10, 0, 110, 50};
    EXPECT_EQ(LaneRect(area, 1, 3, 1), (PixelRect{10, 0, 43, 50}));
    EXPECT_EQ(LaneRect(area, 3, 3, 1), (PixelRect{76, 0, 110, 50}));
    EXPECT_EQ(LaneRect(area, 2, 3, 2), (PixelRect{43, 0, 110, 50}));
    EXPECT_EQ(LaneRect(area, 0, 1, 1), area);
}

TEST(FreePlacement, SnapsToFourPixels) {
    EXPECT_EQ(SnapPercent(203, 50), 100);   // 101 snapped down
    EXPECT_EQ(SnapPercent(203, 100), 203);  // 200 lies within 4 of the width: the width
    EXPECT_EQ(SnapPercent(203, 0), 0);
    const PixelRect area{20, 0, 223, 60};
    EXPECT_EQ(FreePlacement(area, 25, 50, 7), (PixelRect{68, 0, 172, 60}));  // 50 -> 48, 152 -> 152
}

TEST(FreePlacement, UnsetMeansTheWholeAreaAndNarrowFramesStayReadable) {
    const PixelRect area{20, 0, 223, 60};
    EXPECT_EQ(FreePlacement(area, -1, -1, 7), (PixelRect{20, 0, 223, 60}));
    // One percent is 2 pixels, snapped to nothing: three characters wide.
    EXPECT_EQ(FreePlacement(area, 50, 1, 7), (PixelRect{120, 0, 141, 60}));
    // At the right edge the widening goes leftwards so the frame stays inside.
    EXPECT_EQ(FreePlacement(area, 100, 1, 7), (PixelRect{202, 0, 223, 60}));
}

TEST(PlaceFrames, StoresLanesInTheBoxesWithinTheColumnArea) {
    ViewLayout layout;
    layout.BuildWithSizes({2026, 3, 23}, 6, ComputeMetrics({13, 7, 13}, 6, 1920, true), 120, 60);
    FrameList frames;
    for (auto [start, end] : std::vector<std::pair<int, int>>{{900, 1000}, {930, 1030}}) {
        auto frame = std::make_unique<TCInf>();
        frame->STime = start;
        frame->ETime = end;
        frame->Cid = "id" + std::to_string(frames.size());
        frames.push_back(std::move(frame));
    }
    std::vector<DayBoxes> days(7);
    days[1] = OrderedBoxes(frames);
    LayOutFrames(layout, days, kAutomaticPlacement);
    const PixelRect area = layout.FrameArea(1);
    EXPECT_EQ(days[1][0].rect.left, area.left);
    EXPECT_EQ(days[1][0].rect.right, area.left + area.Width() / 2);
    EXPECT_EQ(days[1][1].rect.right, area.right);
    EXPECT_EQ(days[1][1].lane, 2);
    EXPECT_EQ(days[1][1].laneCount, 2);

    frames[0]->ResizePos = 50;
    frames[0]->ResizeLen = 50;
    PlaceFrames(layout, 1, days[1], kFreePlacement);
    EXPECT_EQ(days[1][0].rect.left, area.left + SnapPercent(area.Width(), 50));
    EXPECT_EQ(days[1][0].rect.right, area.right);
    EXPECT_EQ(days[1][1].rect.left, area.left);  // unset: the whole area
    EXPECT_EQ(days[1][1].lane, 0);
}

TEST(RelayOutEditedDates, ReportsTheRowsThatMovedOnOtherDates) {
    ViewLayout layout;
    layout.BuildWithSizes({2026, 3, 23}, 6, ComputeMetrics({13, 7, 13}, 6, 1920, true), 120, 60);
    auto make = [](FrameList& list, int start, int end) {
        auto frame = std::make_unique<TCInf>();
        frame->STime = start;
        frame->ETime = end;
        frame->Cid = "id" + std::to_string(list.size());
        list.push_back(std::move(frame));
    };
    FrameList edited, other, unrelated;
    make(other, 900, 1000);      // row 4; shares the 09:05 mark once the edit adds it
    make(other, 905, 1000);
    make(unrelated, 1400, 1500);  // row 9: untouched
    std::vector<DayBoxes> days(7);
    days[1] = OrderedBoxes(other);
    days[2] = OrderedBoxes(unrelated);
    LayOutFrames(layout, days, kAutomaticPlacement);

    make(edited, 900, 905);  // a short frame: the 09:05 mark moves down for every date
    days[0] = OrderedBoxes(edited);
    auto dirty = RelayOutEditedDates(layout, days, {0}, kAutomaticPlacement);
    ASSERT_EQ(dirty.size(), 7u);
    EXPECT_TRUE(dirty[0].empty());
    EXPECT_EQ(dirty[1], std::vector<int>{4});
    EXPECT_TRUE(dirty[2].empty());
    EXPECT_EQ(days[1][1].rect.top, days[0][0].rect.bottom);
}

}  // namespace
}  // namespace mv
