// Frames made and moved in runs: a frame expanded over dates by weekday (shown and stored
// dates alike), and frames of a date shifted earlier or later, each one undo step that
// restores every line exactly.

#include "edit/runcommands.h"

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/dayslot.h"

namespace mv::test {
namespace {

class RunTest : public EditFixture {
protected:
    // Every line of July (the shown dates' as their frames build them); or, given an id, the
    // days holding a frame other than that one, as "day,day,".
    std::string July(const std::string& except = {}) {
        working.CommitView(true);
        std::string text;
        for (int day = 1; day <= 31; ++day)
            for (const std::string& line : design.Store().Slot(SlotOfDate({2003, 7, day})))
                if (except.empty()) text += line + "\n";
                else if (line.find("Ci_Cid=" + except + "%") == std::string::npos) text += std::to_string(day) + ",";
        return text;
    }
};

constexpr WeekdaySet kMonday = 1u << 1, kTuesday = 1u << 2;

TEST_F(RunTest, ExpansionAddsACopyOnEveryChosenWeekdayAndUndoTakesThemAllAway) {
    // 07/07/2003 is a Monday; the view shows 07/01 (a Tuesday) to 07/07.
    working.AddLine({2003, 7, 7}, Line({2003, 7, 7}, "M", 900));
    design.SetModified(false);
    const std::string before = July();
    struct Case {
        int first, last;
        WeekdaySet weekdays;
        int made;
        std::string dates;    // of the copies
        std::string message;  // the last one shown
    };
    const std::vector<Case> cases = {
        {8, 21, kMonday, 2, "14,21,", "展開処理を終了しました。\r\n\r\n    展開件数 = 2"},
        {1, 8, kMonday | kTuesday, 3, "1,7,8,", "展開処理を終了しました。\r\n\r\n    展開件数 = 3"},  // its own date too
        {21, 8, kMonday, 0, "", "展開開始日と展開終了日が逆転しています。"},
        {8, 21, 0, 0, "", "展開曜日を指定して下さい。"},
        {8, 12, kMonday, 0, "", "展開された枠はありませんでした。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + "-" + std::to_string(c.last));
        dialogs.shown.clear();
        EXPECT_EQ(ExpandFrame(context, dialogs, ids, {2003, 7, 7}, "M", {2003, 7, c.first}, {2003, 7, c.last}, c.weekdays),
                  c.made);
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown.back().text, c.message);
        EXPECT_EQ(July("M"), c.dates);
        if (c.made == 0) {
            EXPECT_FALSE(history.CanUndo());
            continue;
        }
        EXPECT_TRUE(design.Modified());
        ASSERT_TRUE(UndoNewest(context));
        EXPECT_EQ(July(), before);
        EXPECT_FALSE(history.CanUndo());
    }
    dialogs.shown.clear();
    dialogs.answers.push_back(Answer::Cancel);
    EXPECT_EQ(ExpandFrame(context, dialogs, ids, {2003, 7, 7}, "M", {2003, 7, 1}, {2003, 7, 8}, kMonday | kTuesday), 0);
    EXPECT_EQ(dialogs.shown[0].text,
              "次の条件で展開を行います。\r\n\r\n展開開始日： 2003/07/01\r\n\r\n展開終了日： 2003/07/08\r\n\r\n"
              "展開曜日   ： 月火\r\n\r\nよろしいですか。");
    EXPECT_EQ(July(), before);
}

TEST_F(RunTest, ShiftMovesTheFramesThatStayInTheDayAndUndoRestoresTheLines) {
    const Date date{2003, 7, 2};
    working.AddLine(date, Line(date, "B", 900));
    working.AddLine(date, Line(date, "A", 500));
    working.AddLine(date, Line(date, "C", 1200));
    design.SetModified(false);
    const std::string before = July();
    const std::vector<DayFrameItem> items = DayFrameList(working, date);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].cid + items[1].cid + items[2].cid, "ABC");  // by start time
    EXPECT_EQ(items[1].text, "   2. 09:00 ～ 10:00  ");
    const std::vector<DayFrameItem> ab = {items[0], items[1]};

    // 30 minutes earlier (the question repeats them as typed): A, starting at 05:00, stays;
    // B moves.
    EXPECT_EQ(ShiftFrames(context, dialogs, date, ab, "030", true), ShiftOutcome::Shifted);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "下記の枠を 030 分  「繰り上げ」  ます。\r\r   ＞ " + items[0].text +
                                         "\r\r         他 1 件\r\rよろしいですか？\r");
    EXPECT_EQ(dialogs.shown[1].text, "下記の枠は時刻範囲を超える為、繰り上げを行いません。\r\r   ＞ " + items[0].text);
    EXPECT_EQ(working.FrameOn(date, "A")->STime, 500);
    EXPECT_EQ(working.FrameOn(date, "B")->STime, 830);
    EXPECT_EQ(working.FrameOn(date, "B")->ETime, 930);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(July(), before);

    // An empty field is 0 minutes: nothing moves, yet the shift is recorded.
    dialogs.shown.clear();
    EXPECT_EQ(ShiftFrames(context, dialogs, date, {items[2]}, " ", false), ShiftOutcome::Shifted);
    EXPECT_TRUE(dialogs.shown[0].text.starts_with("下記の枠を 0 分  「繰り下げ」"));
    EXPECT_EQ(ToUtf8(history.UndoCaption()), "元に戻す  #1  【 繰り下げ - 07/02 】");
    EXPECT_EQ(July(), before);
    ASSERT_TRUE(UndoNewest(context));

    // Refused: minutes that are no number, nothing chosen, and no frame that can move.
    dialogs.shown.clear();
    EXPECT_EQ(ShiftFrames(context, dialogs, date, ab, "1a", true), ShiftOutcome::InvalidMinutes);
    EXPECT_EQ(ShiftFrames(context, dialogs, date, {}, "30", true), ShiftOutcome::NothingSelected);
    EXPECT_EQ(ShiftFrames(context, dialogs, date, {items[0]}, "30", true), ShiftOutcome::NothingShifted);
    ASSERT_EQ(dialogs.shown.size(), 4u);  // the last with its question
    EXPECT_EQ(dialogs.shown[0].text, "繰上・繰下の時間が不正です。");
    EXPECT_EQ(dialogs.shown[1].text, "繰上・繰下の枠を選択して下さい。");
    EXPECT_EQ(July(), before);
    EXPECT_FALSE(history.CanUndo());
}

}  // namespace
}  // namespace mv::test
