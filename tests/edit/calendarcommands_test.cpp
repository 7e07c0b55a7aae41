// What the month calendar does to the design: a frame moved or copied to a day picked in
// it (alone or with the other chosen frames), and the date-range items on its days.

#include "edit/calendarcommands.h"

#include <algorithm>

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/dayslot.h"
#include "view/geometry/yeardates.h"

namespace mv::test {
namespace {

class CalendarCommandsTest : public EditFixture {
protected:
    // F2 on 07/02 at 9:00 and F3 on 07/03 at 10:00 in view (07/01 to 07/07); F20 stored
    // on 07/20, outside the view.
    CalendarCommandsTest() {
        working.AddLine({2003, 7, 2}, Line({2003, 7, 2}, "F2", 900));
        working.AddLine({2003, 7, 3}, Line({2003, 7, 3}, "F3", 1000));
        design.Store().AddLine({2003, 7, 20}, Line({2003, 7, 20}, "F20", 1300));
        design.SetModified(false);
    }
    // "day:id@start," for every frame of the days asked for, shown or stored; copies' ids
    // are cut to their first two letters.
    std::string Days(const std::vector<int>& days) {
        std::string text;
        for (int day : days) {
            const Date date{2003, 7, day};
            text += std::to_string(day) + ":";
            if (working.ColumnOf(date)) {
                for (const auto& frame : working.Column(*working.ColumnOf(date)).frames)
                    text += frame->Cid.substr(0, frame->Cid[0] == 'F' ? 3 : 2) + "@" + std::to_string(frame->STime) + ",";
            } else {
                for (const std::string& line : design.Store().Slot(SlotOfDate(date))) {
                    auto parsed = ParseRecordLine(line, recordContext);
                    text += parsed.frame->Cid.substr(0, parsed.frame->Cid[0] == 'F' ? 3 : 2) + "@" +
                            std::to_string(parsed.frame->STime) + ",";
                }
            }
            text += " ";
        }
        return text;
    }
    std::vector<int> mDays = {2, 3, 4, 5, 6, 20, 25};
};

TEST_F(CalendarCommandsTest, AFrameGoesToThePickedDayAndComesBack) {
    const std::string start = Days(mDays);
    ASSERT_EQ(start, "2:F2@900, 3:F3@1000, 4: 5: 6: 20:F20@1300, 25: ");
    struct Case {
        const char* what;
        Date source;
        std::string cid;
        Date picked;
        bool copy;
        const char* question;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"moved within the view", {2003, 7, 2}, "F2", {2003, 7, 5}, false,
         "指定の枠をこの日に移動します。\r\r[ 07/02  09:00 ]  →  07/05\r\rよろしいですか？\r\r",
         "2: 3:F3@1000, 4: 5:F2@900, 6: 20:F20@1300, 25: "},
        {"copied within the view", {2003, 7, 3}, "F3", {2003, 7, 3}, true,
         "指定の枠をこの日に複写します。\r\r[ 07/03  10:00 ]  →  07/03\r\rよろしいですか？\r\r",
         "2:F2@900, 3:F3@1000,PC@1000, 4: 5: 6: 20:F20@1300, 25: "},
        {"from a day not shown", {2003, 7, 20}, "F20", {2003, 7, 4}, false,
         "指定の枠をこの日に移動します。\r\r[ 07/20  13:00 ]  →  07/04\r\rよろしいですか？\r\r",
         "2:F2@900, 3:F3@1000, 4:F20@1300, 5: 6: 20: 25: "},
        {"to a day not shown", {2003, 7, 2}, "F2", {2003, 7, 25}, true,
         "指定の枠をこの日に複写します。\r\r[ 07/02  09:00 ]  →  07/25\r\rよろしいですか？\r\r",
         "2:F2@900, 3:F3@1000, 4: 5: 6: 20:F20@1300, 25:PC@900, "},
        {"picked in a calendar showing another year", {2003, 7, 3}, "F3", {2005, 7, 6}, false,
         "指定の枠をこの日に移動します。\r\r[ 07/03  10:00 ]  →  07/06\r\rよろしいですか？\r\r",
         "2:F2@900, 3: 4: 5: 6:F3@1000, 20:F20@1300, 25: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        listener.changed.clear();
        ASSERT_TRUE(TransferToPickedDate(context, dialogs, ids, {c.source, c.cid, c.picked, c.copy}));
        EXPECT_EQ(dialogs.shown.back().text, c.question);
        EXPECT_EQ(dialogs.shown.back().buttons, Buttons::OkCancel);
        EXPECT_EQ(Days(mDays), c.after);
        ASSERT_FALSE(history.Entries().empty());
        EXPECT_EQ(history.Entries().back().kind, c.copy ? HistoryKind::CalendarCopy : HistoryKind::CalendarMove);
        EXPECT_TRUE(design.Modified());
        ASSERT_EQ(listener.changed.size(), 1u) << "one report for source and target";
        const Date target = RebaseIntoYear(c.picked, 2003);
        const std::vector<Date>& reported = listener.changed[0];
        EXPECT_NE(std::find(reported.begin(), reported.end(), target), reported.end());
        if (!c.copy) {
            EXPECT_NE(std::find(reported.begin(), reported.end(), c.source), reported.end());
        }

        ASSERT_TRUE(UndoNewest(context));
        EXPECT_EQ(Days(mDays), start);
        EXPECT_FALSE(history.CanUndo());
    }

    // Cancelled, or a frame that is no longer there: nothing changes.
    dialogs.answers.push_back(Answer::Cancel);
    const std::size_t asked = dialogs.shown.size();
    EXPECT_FALSE(TransferToPickedDate(context, dialogs, ids, {{2003, 7, 2}, "F2", {2003, 7, 5}, false}));
    EXPECT_EQ(dialogs.shown.size(), asked + 1);
    EXPECT_FALSE(TransferToPickedDate(context, dialogs, ids, {{2003, 7, 2}, "F3", {2003, 7, 5}, false}));
    EXPECT_EQ(dialogs.shown.size(), asked + 1);
    EXPECT_EQ(Days(mDays), start);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(design.Modified());
}

TEST_F(CalendarCommandsTest, ChosenFramesGoTogetherKeepingTheirDays) {
    context.Chosen().Toggle("F2", {2003, 7, 2});
    context.Chosen().Toggle("F3", {2003, 7, 3});
    const std::string start = Days(mDays);
    ASSERT_TRUE(TransferToPickedDate(context, dialogs, ids, {{2003, 7, 3}, "F3", {2003, 7, 5}, false}));
    EXPECT_EQ(dialogs.shown.size(), 1u) << "a move asks once";
    EXPECT_EQ(Days(mDays), "2: 3: 4:F2@900, 5:F3@1000, 6: 20:F20@1300, 25: ");
    EXPECT_EQ(history.Entries().back().kind, HistoryKind::MultiMove);
    EXPECT_TRUE(context.Chosen().Contains("F2"));
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(Days(mDays), start);
}

TEST_F(CalendarCommandsTest, RangeItemsWorkOnThePickedDaysOrTheDayAlone) {
    const std::string start = Days(mDays);
    // No range picked: the day clicked is the range, even after a plain press on the date
    // header left its own day in the range's dates.
    context.Range().Press({2003, 7, 2});
    ASSERT_TRUE(CalendarRangeOperation(context, dialogs, ids, {2003, 7, 3}, RangeOperation::Delete));
    EXPECT_NE(dialogs.shown.back().text.find("2003/07/03 ～ 2003/07/03"), std::string::npos) << dialogs.shown.back().text;
    EXPECT_EQ(Days(mDays), "2:F2@900, 3: 4: 5: 6: 20:F20@1300, 25: ");
    EXPECT_EQ(history.Entries().back().kind, HistoryKind::DateDelete);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(Days(mDays), start);

    // A picked range moves to start at the day and then covers where its days went.
    CalendarRangeStart(context.Range(), {2003, 7, 3});
    CalendarRangeFix(context.Range(), {2003, 7, 2});
    EXPECT_EQ(context.Range().CurrentState(), DateRange::Fixed);
    EXPECT_EQ(context.Range().First(), (Date{2003, 7, 2}));
    EXPECT_EQ(context.Range().Last(), (Date{2003, 7, 3}));
    ASSERT_TRUE(CalendarRangeOperation(context, dialogs, ids, {2003, 7, 5}, RangeOperation::Move));
    EXPECT_NE(dialogs.shown.back().text.find("2003/07/02 ～ 2003/07/03 → 2003/07/05"), std::string::npos);
    EXPECT_EQ(Days(mDays), "2: 3: 4: 5:F2@900, 6:F3@1000, 20:F20@1300, 25: ");
    EXPECT_EQ(context.Range().First(), (Date{2003, 7, 5}));
    EXPECT_EQ(context.Range().Last(), (Date{2003, 7, 6}));

    // Deleting the picked range clears it; a day of another year's calendar is the same
    // day of the design's year.
    ASSERT_TRUE(CalendarRangeOperation(context, dialogs, ids, {2004, 7, 1}, RangeOperation::Delete));
    EXPECT_EQ(Days(mDays), "2: 3: 4: 5: 6: 20:F20@1300, 25: ");
    EXPECT_EQ(context.Range().CurrentState(), DateRange::None);
    EXPECT_EQ(context.Range().First(), Date{});
    ASSERT_TRUE(CalendarRangeOperation(context, dialogs, ids, {2004, 7, 20}, RangeOperation::Copy));
    EXPECT_NE(dialogs.shown.back().text.find("2003/07/20 ～ 2003/07/20 → 2003/07/20"), std::string::npos)
        << dialogs.shown.back().text;
    // The copies go first; the day's own lines are put back after them.
    EXPECT_EQ(Days(mDays), "2: 3: 4: 5: 6: 20:PC@1300,F20@1300, 25: ");
    EXPECT_TRUE(CalendarRangeOperation(context, dialogs, ids, {2004, 7, 20}, RangeOperation::Delete));
    EXPECT_EQ(Days(mDays), "2: 3: 4: 5: 6: 20: 25: ");

    // Cancelled: nothing happens.
    dialogs.answers.push_back(Answer::Cancel);
    const std::size_t entries = history.Entries().size();
    EXPECT_FALSE(CalendarRangeOperation(context, dialogs, ids, {2003, 7, 5}, RangeOperation::Delete));
    EXPECT_EQ(history.Entries().size(), entries);
}

TEST_F(CalendarCommandsTest, TheRangeItemsFollowTheDateHeadersRange) {
    DateRange range;
    RangeMenuState state = DateRangeMenuState(range);
    EXPECT_EQ(state.first, "範囲");
    EXPECT_TRUE(state.firstEnabled);
    EXPECT_FALSE(state.fixEnabled);
    EXPECT_FALSE(state.rangeEnabled);
    CalendarRangeStart(range, {2003, 7, 4});
    range.ExtendTo({2003, 7, 9});
    state = DateRangeMenuState(range);
    EXPECT_EQ(state.first, "範囲：　2003/07/04");
    EXPECT_EQ(state.fix, "確定：　2003/07/09");
    EXPECT_FALSE(state.firstEnabled);
    EXPECT_TRUE(state.fixEnabled);
    EXPECT_TRUE(state.rangeEnabled);
    CalendarRangeFix(range, {2003, 7, 1});
    EXPECT_EQ(range.First(), (Date{2003, 7, 1}));
    EXPECT_EQ(range.Last(), (Date{2003, 7, 4}));
    state = DateRangeMenuState(range);
    EXPECT_FALSE(state.fixEnabled);
    EXPECT_TRUE(state.rangeEnabled);
}

}  // namespace
}  // namespace mv::test
