// The selection survives the re-creation of the frames it names, and lets go of frames that
// are gone.

#include "edit/editselection.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

namespace mv {
namespace {

class EditSelectionTest : public test::EditFixture {};

TEST_F(EditSelectionTest, FramesAreFoundAgainAfterEveryReloadAndLetGoWhenGone) {
    constexpr Date kJuly2{2003, 7, 2}, kJuly20{2003, 7, 20};
    design.Store().AddLine(kJuly2, Line(kJuly2, "A", 900));
    design.Store().AddLine(kJuly2, Line(kJuly2, "B", 1000));
    working.LoadView();
    working.Column(1).frames[0]->Fields.resize(2);

    EditSelection selected;
    selected.Select("A", kJuly2, 1);
    MultiSelection chosen;
    EXPECT_TRUE(chosen.Toggle("A", kJuly2));
    EXPECT_TRUE(chosen.Toggle("B", kJuly2));
    EXPECT_TRUE(chosen.Toggle("X", kJuly20));  // out of view
    EXPECT_FALSE(chosen.Toggle("B", kJuly2));  // chosen again: taken out
    EXPECT_TRUE(chosen.Contains("A"));
    EXPECT_FALSE(chosen.Contains("B"));

    const TCInf* before = selected.Frame(working);
    ASSERT_NE(before, nullptr);
    working.StoreDay(kJuly2);
    working.LoadView();  // what a poll or a date step does: new frame objects
    ASSERT_NE(selected.Frame(working), nullptr);
    EXPECT_EQ(selected.Frame(working)->Cid, "A");
    EXPECT_EQ(selected.Field(working), 1);

    working.RemoveFrame(kJuly2, "A");
    EXPECT_EQ(selected.Frame(working), nullptr);
    EXPECT_EQ(selected.Field(working), -1);
    chosen.DropVanished(working);
    EXPECT_EQ(chosen.Count(), 1u);
    EXPECT_TRUE(chosen.Contains("X")) << "a frame of a date out of view stays chosen";
}

}  // namespace
}  // namespace mv
