// Pointer editing from press to release, without widgets: the modes, the drags and what
// they leave in the design and the history.

#include "edit/editcontroller.h"
#include "edit/undocommands.h"

#include "edit/viewfixture.h"
#include "model/codec.h"

namespace mv::test {
namespace {

constexpr Date kJuly2{2003, 7, 2};
constexpr Date kJuly3{2003, 7, 3};

struct PointerListener : RecordingEditListener {
    std::vector<std::pair<int, int>> scrolled;
    std::vector<DateScroll> dates;
    PointerShape pointer = PointerShape::Default;
    void ScrollView(int dx, int dy) override { scrolled.emplace_back(dx, dy); }
    void ScrollDates(DateScroll direction) override { dates.push_back(direction); }
    void SetPointer(PointerShape shape) override { pointer = shape; }
    PixelRect VisibleArea() const override { return {0, 0, 3000, 3000}; }
};

class EditControllerTest : public ViewFixture {
protected:
    EditControllerTest() {
        Frame(kJuly2, "A", 900, 1000);
        Frame(kJuly2, "B", 1100, 1200);
    }
    static PointerEvent At(int x, int y, bool shift = false, bool ctrl = false) {
        return {x, y, PointerButton::Left, shift, ctrl};
    }
    // A press, a few moves on the way and the release, as the mouse gives them.
    void Drag(int x0, int y0, int x1, int y1, bool shift = false, bool ctrl = false) {
        controller.MouseDown(At(x0, y0, shift, ctrl));
        for (int step = 1; step <= 4; ++step)
            controller.MouseMove(At(x0 + (x1 - x0) * step / 4, y0 + (y1 - y0) * step / 4, shift, ctrl));
        controller.MouseUp(At(x1, y1, shift, ctrl));
        LayOut();
    }
    // A point in the body grip of a frame: its top strip, below the edge band.
    std::pair<int, int> BodyGrip(const std::string& cid) const {
        const FrameBox& box = Box(cid);
        return {box.rect.left + 20, box.rect.top + 7};
    }
    std::string LineOfFrame(const Date& date, const std::string& cid) const { return *working.LineOf(date, cid); }

    PointerListener pointer;
    EditContext pointerContext{design, working, history, pointer};
    EditController controller{pointerContext, view, dialogs, ids};
};

TEST_F(EditControllerTest, ABodyDraggedToAnotherDateMovesTheFrameAndUndoBringsItBack) {
    const std::string before = LineOfFrame(kJuly2, "A");
    const auto [x, y] = BodyGrip("A");
    controller.MouseDown(At(x, y));
    EXPECT_EQ(controller.Mode(), EditMode::MoveCopy);
    EXPECT_EQ(pointer.pointer, PointerShape::PointingHand);
    Drag(x, y, ColumnX(kJuly3) + 20, Y(1330) + 8);
    EXPECT_EQ(controller.Mode(), EditMode::Normal);
    EXPECT_FALSE(controller.Preview().Active());
    ASSERT_TRUE(working.FrameOn(kJuly3, "A"));
    EXPECT_EQ(working.FrameOn(kJuly3, "A")->STime, 1330);
    EXPECT_EQ(working.FrameOn(kJuly3, "A")->ETime, 1430);
    EXPECT_FALSE(working.FrameOn(kJuly2, "A"));
    EXPECT_EQ(pointerContext.Selection().Cid(), "A");
    EXPECT_NE(history.UndoCaption().find(Sjis("枠移動")), std::string::npos);
    EXPECT_TRUE(design.Modified());

    EXPECT_TRUE(UndoNewest(pointerContext));
    EXPECT_EQ(LineOfFrame(kJuly2, "A"), before);
    EXPECT_FALSE(working.FrameOn(kJuly3, "A"));
}

TEST_F(EditControllerTest, ABottomEdgeDragResizesAndAContradictionChangesNothing) {
    const FrameBox& box = Box("A");
    const int x = box.rect.left + 20;
    Drag(x, box.rect.bottom - 1, x, Y(1045) + 1);
    EXPECT_EQ(working.FrameOn(kJuly2, "A")->ETime, 1045);
    EXPECT_NE(history.UndoCaption().find(Sjis("枠長変更")), std::string::npos);

    // The top edge dragged below the bottom: the message, and the frame as it was.
    const std::string before = LineOfFrame(kJuly2, "A");
    const std::size_t entries = history.Entries().size();
    Drag(x, Box("A").rect.top + 1, x, Y(1050) + 1);
    EXPECT_EQ(LineOfFrame(kJuly2, "A"), before);
    EXPECT_EQ(history.Entries().size(), entries);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_NE(dialogs.shown.back().text.find("矛盾"), std::string::npos);
}

TEST_F(EditControllerTest, AFrameASharerRemovedDuringTheDragIsDroppedWithNothingWritten) {
    const auto [x, y] = BodyGrip("A");
    controller.MouseDown(At(x, y));
    controller.MouseMove(At(x, y + 40));
    working.RemoveFrame(kJuly2, "A");  // a poll re-created the date without it
    LayOut();
    design.SetModified(false);
    controller.MouseUp(At(x, y + 40));
    EXPECT_FALSE(design.Modified());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(controller.Preview().Active());
}

TEST_F(EditControllerTest, DoubleClicksCycleTheModesAndEscGoesBack) {
    const FrameBox& box = Box("A");
    const PointerEvent body = At(box.rect.left + 20, box.rect.top + 30);  // below the body grip
    controller.MouseDown(body);
    controller.MouseUp(body);
    EXPECT_EQ(controller.Mode(), EditMode::Normal);
    controller.DoubleClick(body);
    EXPECT_EQ(controller.Mode(), EditMode::MoveCopy);
    // Chosen by double-click, MoveCopy takes the whole body and stays after a click.
    controller.MouseDown(body);
    EXPECT_TRUE(controller.Preview().Active());
    controller.MouseUp(body);
    EXPECT_EQ(controller.Mode(), EditMode::MoveCopy);
    controller.DoubleClick(body);
    EXPECT_EQ(controller.Mode(), EditMode::FieldEdit);
    controller.DoubleClick(body);
    EXPECT_EQ(controller.Mode(), EditMode::Normal);

    controller.EnterMoveCopy(true, true);
    EXPECT_TRUE(controller.Preview().Active());
    controller.Escape();  // a copy turns into a move, without the preview
    EXPECT_EQ(controller.Mode(), EditMode::MoveCopy);
    EXPECT_FALSE(controller.CopyFlag());
    EXPECT_FALSE(controller.Preview().Active());
    controller.Escape();
    EXPECT_EQ(controller.Mode(), EditMode::Normal);

    // Esc while a drag is held drops it: nothing moves, and the rest of the drag is ignored.
    const std::string before = LineOfFrame(kJuly2, "A");
    const auto [x, y] = BodyGrip("A");
    controller.MouseDown(At(x, y));
    controller.MouseMove(At(x, y + 40));
    controller.Escape();
    EXPECT_EQ(controller.Mode(), EditMode::Normal);
    controller.MouseMove(At(x, y + 80));
    controller.MouseUp(At(x, y + 80));
    EXPECT_EQ(LineOfFrame(kJuly2, "A"), before);
    EXPECT_TRUE(pointer.scrolled.empty());
}

TEST_F(EditControllerTest, ShiftDragStretchesOntoANeighbourOfTheSameDateOnly) {
    const FrameBox& a = Box("A");
    const FrameBox& b = Box("B");
    const int bx = b.rect.left + 20, by = (b.rect.top + b.rect.bottom) / 2;
    // With Ctrl held nothing is accepted.
    Drag(a.rect.left + 20, a.rect.top + 30, bx, by, true, true);
    EXPECT_EQ(working.FrameOn(kJuly2, "A")->ETime, 1000);
    Drag(Box("A").rect.left + 20, Box("A").rect.top + 30, bx, by, true);
    EXPECT_EQ(working.FrameOn(kJuly2, "A")->ETime, 1100);
    EXPECT_NE(history.UndoCaption().find(Sjis("枠隣接")), std::string::npos);

    Frame(kJuly3, "C", 1300, 1400);
    const FrameBox& c = Box("C");
    Drag(Box("A").rect.left + 20, Box("A").rect.top + 30, c.rect.left + 20, (c.rect.top + c.rect.bottom) / 2, true);
    EXPECT_EQ(working.FrameOn(kJuly2, "A")->ETime, 1100);
    EXPECT_EQ(pointer.pointer, PointerShape::Default);
}

TEST_F(EditControllerTest, CtrlClickChoosesAndTheBackgroundScrollsThePicture) {
    const FrameBox& a = Box("A");
    controller.MouseDown(At(a.rect.left + 20, a.rect.top + 30, false, true));
    controller.MouseUp(At(a.rect.left + 20, a.rect.top + 30, false, true));
    EXPECT_TRUE(pointerContext.Chosen().Contains("A"));
    controller.Escape();
    EXPECT_EQ(pointerContext.Chosen().Count(), 0u);

    PointerOptions options;
    options.dragScroll = true;
    controller.SetOptions(options);
    const int x = ColumnX(kJuly3) + 30, y = Y(600);
    controller.MouseDown(At(x, y));
    controller.MouseMove(At(x - 10, y - 25));
    controller.MouseUp(At(x - 10, y - 25));
    ASSERT_EQ(pointer.scrolled.size(), 1u);
    EXPECT_EQ(pointer.scrolled[0], std::make_pair(10, 25));
}

TEST_F(EditControllerTest, ADraggedChosenFrameTakesTheOthersAlongInOneStep) {
    Frame(kJuly3, "C", 2730, 2830);
    const auto choose = [&](const std::string& cid) {
        const FrameBox& box = Box(cid);
        const PointerEvent click = At(box.rect.left + 20, box.rect.top + 30, false, true);
        controller.MouseDown(click);
        controller.MouseUp(click);
    };
    choose("A");
    choose("C");
    ASSERT_EQ(pointerContext.Chosen().Count(), 2u);
    // A goes a day on and an hour later; C follows, pushed back to end at the grid's end.
    const auto [x, y] = BodyGrip("A");
    Drag(x, y, ColumnX(kJuly3) + 20, Y(1000) + 8);
    ASSERT_TRUE(working.FrameOn(kJuly3, "A"));
    EXPECT_EQ(working.FrameOn(kJuly3, "A")->STime, 1000);
    const TCInf* c = working.FrameOn({2003, 7, 4}, "C");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->STime, 2800);
    EXPECT_EQ(c->ETime, 2900);
    EXPECT_TRUE(pointerContext.Chosen().Contains("C"));
    EXPECT_EQ(pointerContext.Chosen().Entries().back().date, (Date{2003, 7, 4}));
    EXPECT_NE(history.UndoCaption().find(Sjis("複数枠の移動")), std::string::npos);

    EXPECT_TRUE(UndoNewest(pointerContext));
    EXPECT_EQ(working.FrameOn(kJuly2, "A")->STime, 900);
    EXPECT_EQ(working.FrameOn(kJuly3, "C")->STime, 2730);
    EXPECT_FALSE(working.FrameOn({2003, 7, 4}, "C"));
}

}  // namespace
}  // namespace mv::test
