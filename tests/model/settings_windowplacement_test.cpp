#include "model/windowplacement.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

TEST(WindowPlacement, UsesTheRememberedRectangleOnlyInsideTheScreen) {
    const int w = 1920, h = 1080;
    const Rect centred{240, 560, 800, 600};  // an 800 x 600 design centred on 1920 x 1080
    struct Case {
        Rect remembered;
        Rect expected;
    } cases[] = {
        {{10, 20, 1024, 700}, {10, 20, 1024, 700}},
        {{1, 1, 50, 40}, {1, 1, 50, 40}},
        {{1079, 1919, 300, 200}, {1079, 1919, 300, 200}},  // corner inside, rest off-screen
        {{10, 0, 800, 600}, centred},                       // left edge is not enough
        {{0, 10, 800, 600}, centred},
        {{-1, -1, -1, -1}, centred},                        // never stored
        {{1080, 10, 800, 600}, centred},                    // top at the screen's bottom
        {{10, 1920, 800, 600}, centred},
        {{10, 20, 0, 600}, centred},                        // no size: would be invisible
        {{10, 20, 800, -1}, centred},
    };
    for (const Case& c : cases) {
        Rect r = PlaceWindow(c.remembered, w, h, 800, 600);
        EXPECT_EQ(r, c.expected) << c.remembered.top << "," << c.remembered.left << "," << c.remembered.width
                                 << "," << c.remembered.height;
    }
}

TEST(WindowPlacement, CentringTruncatesAndKeepsTheCaptionOnScreen) {
    EXPECT_EQ(PlaceWindow({-1, -1, -1, -1}, 1025, 769, 400, 300), (Rect{234, 312, 400, 300}));
    EXPECT_EQ(PlaceWindow({-1, -1, -1, -1}, 800, 600, 1024, 700), (Rect{0, 0, 1024, 700}));
}

}  // namespace
}  // namespace mv
