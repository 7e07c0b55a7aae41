// Undo and redo on a design: frames of shown dates and stored lines of the others come
// back as they were, the modified flag with them, and every step reports its dates.

#include "edit/undocommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/codec.h"
#include "model/dayslot.h"
#include "edit/editfixture.h"

namespace mv {
namespace {

constexpr Date kJuly2{2003, 7, 2}, kJuly3{2003, 7, 3}, kJuly10{2003, 7, 10};

class UndoCommandsTest : public test::EditFixture {
protected:
    // The start times of a shown date's frames, by id.
    std::vector<std::string> Shown(const Date& date) {
        std::vector<std::string> frames;
        for (const auto& frame : working.Column(*working.ColumnOf(date)).frames)
            frames.push_back(frame->Cid + "@" + std::to_string(frame->STime));
        return frames;
    }
};

TEST_F(UndoCommandsTest, ACreatedAndMovedFrameGoesBackStepByStepAndComesAgain) {
    // Created on 07/02 at 09:00...
    TCInf* frame = working.AddLine(kJuly2, Line(kJuly2, "A", 900));
    history.RecordFrame(HistoryKind::FrameCreate, *frame);
    context.FinishEdit({kJuly2}, "new");
    // ...then moved to 07/03 at 10:00, the drag's source kept.
    const THistOrgObj source{frame->Serial, "A", kJuly2, 900, BuildRecordLine(*frame), 1, 0};
    auto moved = working.TakeFrame(kJuly2, "A");
    moved->CDate = kJuly3;
    moved->STime = 1000;
    moved->ETime = 1100;
    history.RecordFrame(HistoryKind::FrameMove, *moved, &source);
    working.AddFrame(kJuly3, std::move(moved));
    context.FinishEdit({kJuly2, kJuly3}, "move");
    EXPECT_EQ(history.UndoCaption(), Sjis("元に戻す  #2  【 枠移動 - 07/03  10:00 】"));

    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(Shown(kJuly2), std::vector<std::string>{"A@900"});
    EXPECT_TRUE(Shown(kJuly3).empty());
    EXPECT_TRUE(design.Modified());
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_TRUE(Shown(kJuly2).empty());
    EXPECT_FALSE(design.Modified()) << "back to the flag before the first edit";
    EXPECT_FALSE(UndoNewest(context));
    EXPECT_EQ(listener.changed, (std::vector<std::vector<Date>>{{kJuly2}, {kJuly2, kJuly3}, {kJuly2, kJuly3}, {kJuly2}}));
    EXPECT_EQ(listener.shown, (std::vector<std::string>{"2003/07/02 A 900", "2003/07/02 A 900"}));

    // The flag cleared by the undo kept the steps to redo; they come back in order.
    EXPECT_EQ(history.RedoCaption(), Sjis("やり直す  #2  【 枠作成 - 07/02  09:00 】"));
    ASSERT_TRUE(RedoNewest(context));
    EXPECT_EQ(Shown(kJuly2), std::vector<std::string>{"A@900"});
    ASSERT_TRUE(RedoNewest(context));
    EXPECT_TRUE(Shown(kJuly2).empty());
    EXPECT_EQ(Shown(kJuly3), std::vector<std::string>{"A@1000"});
    EXPECT_TRUE(design.Modified());
    EXPECT_FALSE(RedoNewest(context));

    // Saving (the flag cleared from outside) starts a new history.
    design.SetModified(false);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(UndoCommandsTest, LinesOfDatesOutOfViewAndSettingsComeBackToo) {
    // A date moved from 07/10 (not shown) onto 07/02: the frame got a new id there.
    const std::string before = Line(kJuly10, "X", 800), after = Line(kJuly2, "Y", 800);
    history.RecordLines(HistoryKind::DateMove, {before}, {after}, kJuly10, kJuly10, kJuly2);
    working.AddLine(kJuly2, after);
    design.Store().RemoveLine(kJuly10, "X");
    context.FinishEdit({kJuly2, kJuly10}, "move");
    // The minute unit changed from 5 to 15 minutes.
    history.RecordSetting(HistoryKind::MinuteStep, design.MinuteStepIndex(), Sjis("枠移動の分単位"));
    design.SetMinuteStepIndex(14);

    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(design.MinuteStepIndex(), 4);
    EXPECT_EQ(listener.settings, 1);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_TRUE(Shown(kJuly2).empty());
    ASSERT_NE(design.Store().FindLine(kJuly10, "X"), nullptr);
    EXPECT_EQ(*design.Store().FindLine(kJuly10, "X"), before);
    EXPECT_EQ(listener.shown.back(), "2003/07/10 X 800");

    ASSERT_TRUE(RedoNewest(context));
    EXPECT_EQ(Shown(kJuly2), std::vector<std::string>{"Y@800"});
    EXPECT_EQ(design.Store().FindLine(kJuly10, "X"), nullptr);
    ASSERT_TRUE(RedoNewest(context));
    EXPECT_EQ(design.MinuteStepIndex(), 14);
}

TEST_F(UndoCommandsTest, AnUndoBackToUnchangedSurvivesTheViewBeingLoadedAgain) {
    // A saved design: one frame, stored, nothing modified.
    design.Store().Slot(SlotOfDate(kJuly2)).push_back(Line(kJuly2, "A", 900));
    working.LoadView();
    design.SetModified(false);
    const std::string before = *working.LineOf(kJuly2, "A");
    // Moved to 07/03, and the move's change report stores the dates (as a shared save does)...
    const THistOrgObj source{working.FrameOn(kJuly2, "A")->Serial, "A", kJuly2, 900, before, 1, 0};
    auto moved = working.TakeFrame(kJuly2, "A");
    moved->CDate = kJuly3;
    history.RecordFrame(HistoryKind::FrameMove, *moved, &source);
    working.AddFrame(kJuly3, std::move(moved));
    context.FinishEdit({kJuly2, kJuly3}, "move");
    working.CommitView(design.Modified());
    // ...then undone: unchanged again, and a reload of the view (a date step) keeps it so.
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_FALSE(design.Modified());
    working.CommitView(design.Modified());
    working.LoadView();
    EXPECT_EQ(working.LineOf(kJuly2, "A"), before);
    EXPECT_FALSE(working.FrameOn(kJuly3, "A"));
}

}  // namespace
}  // namespace mv
