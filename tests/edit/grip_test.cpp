// The grips of a frame under the pointer and the small rules of mouse editing, from tables.

#include "edit/grip.h"

#include <gtest/gtest.h>

#include <vector>

namespace mv {
namespace {

TEST(Grip, EdgesAndBodyByHeightPlacementModeAndSource) {
    using G = GripKind;
    constexpr auto N = EditMode::Normal;
    constexpr auto M = EditMode::MoveCopy;
    constexpr auto P = GripSource::Picture;
    constexpr auto V = GripSource::Preview;
    struct Case {
        const char* what;
        int height, x, y;  // frame from (10, 100) to (60, 100 + height)
        bool free;
        EditMode mode;
        GripSource source;
        GripKind grip;
    };
    const std::vector<Case> cases = {
        {"left of the frame", 40, 9, 120, true, M, P, G::None},
        {"13 high: band of 2, top", 13, 30, 102, false, N, P, G::Top},
        {"13 high: below the top band", 13, 30, 103, false, N, P, G::None},
        {"13 high: band of 2, bottom", 13, 30, 111, false, N, P, G::Bottom},
        {"20 high: band of 3", 20, 30, 103, false, N, P, G::Top},
        {"20 high: band of 3, bottom", 20, 30, 117, false, N, P, G::Bottom},
        {"21 high: band of 4", 21, 30, 104, false, N, P, G::Top},
        {"free placement: left edge", 40, 12, 120, true, N, P, G::Left},
        {"free placement: right edge", 40, 58, 120, true, N, P, G::Right},
        {"automatic placement: no side edges", 40, 12, 120, false, M, P, G::Body},
        {"tall frame: body in its top 10 pixels", 40, 30, 110, false, N, P, G::Body},
        {"tall frame: not below them", 40, 30, 111, false, N, P, G::None},
        {"24 high: no body outside MoveCopy", 24, 30, 106, false, N, P, G::None},
        {"24 high: body in MoveCopy", 24, 30, 110, false, M, P, G::Body},
        {"from the preview: the whole body", 40, 30, 130, false, N, V, G::Body},
    };
    for (const Case& c : cases) {
        const PixelRect frame{10, 100, 60, 100 + c.height};
        EXPECT_EQ(GripAt(frame, c.x, c.y, c.free, c.mode, c.source), c.grip) << c.what;
    }
    EXPECT_EQ(CursorOf(G::Bottom), GripCursor::SizeVertical);
    EXPECT_EQ(CursorOf(G::Right), GripCursor::SizeHorizontal);
    EXPECT_EQ(CursorOf(G::Body), GripCursor::PointingHand);
}

TEST(Grip, ModesThresholdExtensionAndFieldBounds) {
    EXPECT_EQ(NextModeOnDoubleClick(EditMode::Normal), EditMode::MoveCopy);
    EXPECT_EQ(NextModeOnDoubleClick(EditMode::MoveCopy), EditMode::FieldEdit);
    EXPECT_EQ(NextModeOnDoubleClick(EditMode::FieldEdit), EditMode::Normal);

    // Half of a 7-pixel character: 3 pixels stay a press, 4 start a drag.
    EXPECT_FALSE(BeyondDragThreshold(100, 100, 103, 97, 7));
    EXPECT_TRUE(BeyondDragThreshold(100, 100, 100, 104, 7));

    const TimeSpan dragged{900, 1000};
    EXPECT_EQ(ExtendOnto(dragged, {1130, 1200}), (TimeSpan{900, 1130})) << "a neighbour below";
    EXPECT_EQ(ExtendOnto(dragged, {700, 830}), (TimeSpan{830, 1000})) << "a neighbour above";
    EXPECT_EQ(ExtendOnto(dragged, {1000, 1100}), std::nullopt) << "touching: nothing to stretch";
    EXPECT_EQ(ExtendOnto(dragged, {930, 1100}), std::nullopt) << "overlapping";

    EXPECT_EQ(ClampFieldPlace({-5, 12}, 100, 40, 30, 13), (FieldPlace{0, 12}));
    EXPECT_EQ(ClampFieldPlace({90, 35}, 100, 40, 30, 13), (FieldPlace{70, 27}));
}

}  // namespace
}  // namespace mv
