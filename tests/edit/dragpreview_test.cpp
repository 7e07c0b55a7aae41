// The drag preview: where it follows the pointer, what it refuses, and the release held back
// while the dates scroll under it.

#include "edit/dragpreview.h"

#include "edit/viewfixture.h"
#include "model/codec.h"
#include "model/timeofday.h"

namespace mv::test {
namespace {

constexpr Date kJuly2{2003, 7, 2};

class DragPreviewTest : public ViewFixture {
protected:
    DragPreviewTest() {
        Frame(kJuly2, "A", 900, 1000);
        LayOut();
    }
    void Prepare(GripKind grip) {
        const FrameBox& box = Box("A");
        preview.Prepare({kJuly2, "A", box.rect, 900, 1000, {}, grip, false, {2003, 7, 1}});
    }
    PreviewMove Move(int x, int y) { return preview.Move(x, y, view.Layout(), unit, visible); }

    DragPreview preview;
    int unit = 5;
    PixelRect visible{0, 0, 2000, 3000};
};

TEST_F(DragPreviewTest, FollowsThePointerSnappedAndInsideTheGrid) {
    struct Case {
        const char* what;
        GripKind grip;
        int unit;
        int pressTime;  // where the frame is pressed
        int toTime;     // where the pointer goes (on the frame's own date)
        int start, end; // what the preview holds afterwards
    };
    const int last = view.Layout().Rows().back().endTime;
    const std::vector<Case> cases = {
        {"body half an hour down", GripKind::Body, 5, 905, 935, 930, 1030},
        {"body snaps to the unit", GripKind::Body, 15, 905, 1012, 1000, 1100},
        {"body past the grid's end stays", GripKind::Body, 5, 905, 2850, 900, 1000},
        {"top edge up", GripKind::Top, 5, 900, 820, 820, 1000},
        {"top edge above the grid gives the first time", GripKind::Top, 5, 900, -1, 500, 1000},
        {"bottom edge snapped down", GripKind::Bottom, 15, 1000, 1107, 900, 1100},
        {"bottom edge to the grid's end", GripKind::Bottom, 5, 1000, last, 900, last},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Prepare(c.grip);
        unit = c.unit;
        const int x = ColumnX(kJuly2) + 20;
        preview.Press(x, Y(c.pressTime), view.Layout(), unit);
        const int y = c.toTime < 0 ? -40 : c.toTime == last ? view.Layout().GridHeight() : Y(c.toTime) + 1;
        Move(x, y);
        EXPECT_EQ(preview.Picture().start, c.start);
        EXPECT_EQ(preview.Picture().end, c.end);
    }
}

TEST_F(DragPreviewTest, AFrameMovedSidewaysKeepsItsTimesWhateverItsPixels) {
    for (int start : {955, 1007, 1133, 1359}) {
        SCOPED_TRACE(start);
        const std::string cid = "S" + std::to_string(start);
        Frame(kJuly2, cid, start, AddMinutes(start, 30));
        const FrameBox& box = Box(cid);
        preview.Prepare({kJuly2, cid, box.rect, start, AddMinutes(start, 30), {}, GripKind::Body, false, {2003, 7, 1}});
        unit = 1;
        preview.Press(box.rect.left + 10, box.rect.top + 7, view.Layout(), unit);
        Move(ColumnX({2003, 7, 4}) + 10, box.rect.top + 7);
        EXPECT_EQ(preview.Picture().start, start);
    }
}

TEST_F(DragPreviewTest, AMoveWithinTheThresholdOnlyHidesAndResizesStayOnTheirDate) {
    Prepare(GripKind::Body);
    const int x = ColumnX(kJuly2) + 20, y = Y(905);
    preview.Press(x, y, view.Layout(), unit);
    EXPECT_FALSE(Move(x + 3, y + 3).changed);  // half of the 7-pixel "A" is the threshold
    EXPECT_EQ(preview.Release(x + 3, y + 3, view.Layout(), view.Days()).kind, PreviewRelease::Kind::Hide);
    EXPECT_FALSE(preview.Active());

    // A resize follows only over its own date, and is dropped when let go elsewhere.
    Prepare(GripKind::Bottom);
    preview.Press(x, Y(1000), view.Layout(), unit);
    EXPECT_TRUE(Move(x, Y(1030) + 1).changed);
    EXPECT_FALSE(Move(ColumnX({2003, 7, 3}) + 20, Y(1100)).changed);
    EXPECT_EQ(preview.Picture().end, 1030);
    EXPECT_EQ(preview.Release(ColumnX({2003, 7, 3}) + 20, Y(1100), view.Layout(), view.Days()).kind,
              PreviewRelease::Kind::Hide);
}

TEST_F(DragPreviewTest, AReleaseWhileTheDatesScrollWaitsForTheLayoutAndDropsOnTheDateThen) {
    Prepare(GripKind::Body);
    const int x = ColumnX(kJuly2) + 20, y = Y(905);
    preview.Press(x, y, view.Layout(), unit);
    EXPECT_TRUE(Move(ColumnX({2003, 7, 1}) + 20, Y(1005)).changed);
    EXPECT_EQ(Move(-5, Y(1005)).dates, DateScroll::Back);
    EXPECT_EQ(Move(-8, Y(1005)).dates, DateScroll::None);  // asked once
    EXPECT_EQ(preview.Edge(), EdgeState::Outside);
    EXPECT_EQ(preview.Release(-8, Y(1005), view.Layout(), view.Days()).kind, PreviewRelease::Kind::Wait);

    // Two days went by: the first column now shows 29 June.
    view.Build({2003, 6, 29}, kDefaultType, ScaleState{}, view.Layout().Metrics(), WindowSizes{});
    const std::optional<PendingRelease> pending = preview.LayoutSettled();
    ASSERT_TRUE(pending);
    const PreviewRelease release = preview.Release(pending->x, pending->y, view.Layout(), view.Days());
    ASSERT_EQ(release.kind, PreviewRelease::Kind::Commit);
    EXPECT_EQ(release.drop.targetDate, (Date{2003, 6, 29}));
    EXPECT_EQ(release.drop.start, 1000);
    EXPECT_EQ(release.drop.end, 1100);
    EXPECT_FALSE(preview.LayoutSettled());  // played once
}

TEST_F(DragPreviewTest, BackInsideTheDatesStopAndTheLabelShowsTheTimes) {
    Prepare(GripKind::Body);
    const int x = ColumnX(kJuly2) + 20;
    preview.Press(x, Y(905), view.Layout(), unit);
    Move(view.Layout().GridWidth() + 3, Y(905));
    EXPECT_EQ(preview.Edge(), EdgeState::Outside);
    EXPECT_EQ(Move(x, Y(1005)).dates, DateScroll::Stop);
    EXPECT_EQ(preview.Edge(), EdgeState::Inside);
    EXPECT_EQ(preview.Picture().label, " 10:00" + Sjis("～") + "11:00 ");
    // The label stands right of the preview's middle, or left when that leaves the view.
    const PixelRect& frame = preview.Picture().frame;
    EXPECT_GT(preview.Picture().labelRect.left, (frame.left + frame.right) / 2);
    visible.right = (frame.left + frame.right) / 2 + 20;
    Move(x + 1, Y(1010));
    EXPECT_LT(preview.Picture().labelRect.right, (frame.left + frame.right) / 2);
}

TEST(SideBySide, DroppedWellInsideABesideFrameGoesBeforeOrAfterIt) {
    const std::vector<SideBySideBox> column = {
        {"P", 0, 50, {900, 1000}, true},
        {"Q", 50, 100, {900, 1000}, true},
        {"R", 0, 100, {1200, 1300}, false},
    };
    struct Case {
        const char* what;
        int left;
        TimeSpan span;
        bool movedLeft;
        std::vector<std::string> order;
    };
    const std::vector<Case> cases = {
        {"at the left edge", 0, {900, 1000}, false, {"P", "R", "", "Q"}},
        {"inside Q, moving left", 70, {900, 1000}, true, {"P", "R", "", "Q"}},
        {"inside Q, moving right", 70, {900, 1000}, false, {"P", "R", "Q", ""}},
        {"near Q's left edge", 52, {900, 1000}, true, {"P", "R", "Q", ""}},
        {"inside R, which is alone", 70, {1200, 1230}, true, {"P", "R", "Q", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SideBySideOrder(column, c.left, c.span, c.movedLeft, 7), c.order);
    }
}

TEST(DraggedPlace, EdgesAndBodyClampedToTheColumn) {
    struct Case {
        GripKind grip;
        HorizontalPlace old;
        int percent;
        HorizontalPlace placed;
    };
    const std::vector<Case> cases = {
        {GripKind::Left, {20, 50}, 30, {30, 40}},
        {GripKind::Left, {20, 50}, 80, {20, 50}},  // past the right edge: unchanged
        {GripKind::Right, {20, 50}, 90, {20, 70}},
        {GripKind::Right, {20, 50}, 10, {20, 1}},
        {GripKind::Body, {20, 50}, 120, {100, 50}},
        {GripKind::Place, {20, 50}, 40, {0, 100}},
    };
    for (const Case& c : cases) EXPECT_EQ(DraggedPlace(c.grip, c.old, c.percent), c.placed) << int(c.grip);
}

}  // namespace
}  // namespace mv::test
