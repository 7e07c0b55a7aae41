// The lists of where a design has frames (days with their first title, months with their
// counts) and whole months deleted, one undo step each.

#include "edit/designlists.h"

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/dayslot.h"

namespace mv::test {
namespace {

class DesignListTest : public EditFixture {
protected:
    // 01/05 (two frames, the first titled), 01/20 and 03/03 (1,000 frames); July is shown.
    DesignListTest() {
        auto titled = NewFrame(recordContext.defaults, "T");
        titled->CDate = {2003, 1, 5};
        TFInf field = NewField(0, 0, recordContext.defaults);
        field.FTextStr = Sjis("新年");
        AddField(*titled, field, false);
        design.Store().AddLine({2003, 1, 5}, BuildRecordLine(*titled));
        design.Store().AddLine({2003, 1, 5}, Line({2003, 1, 5}, "U", 1000));
        design.Store().AddLine({2003, 1, 20}, Line({2003, 1, 20}, "V", 1000));
        for (int i = 0; i < 1000; ++i)
            design.Store().AddLine({2003, 3, 3}, Line({2003, 3, 3}, "W" + std::to_string(i), 500 + i % 20 * 100));
    }
    std::string Lines() {
        std::string text;
        for (int slot = 0; slot < kSlotCount; ++slot)
            for (const std::string& line : design.Store().Slot(slot)) text += line + "\n";
        return text;
    }
};

TEST_F(DesignListTest, DaysAreListedByMonthWithTheirFirstTitleAndCounted) {
    const DesignDays days = ListDesignDays(design.Store());
    EXPECT_EQ(days.items, (std::vector<std::string>{"   1.   01月  05日  新年", "   2.   01月  20日  ",
                                                    std::string(128, '-'), "   3.   03月  03日  "}));
    EXPECT_EQ(days.countText, "3日 (1,003個)");
    EXPECT_EQ(MonthDayOfItem(days.items[3]), (std::pair{3, 3}));
    EXPECT_FALSE(MonthDayOfItem(days.items[2]));

    const std::array<long long, 12> months = FramesPerMonth(design.Store());
    EXPECT_EQ(months[0], 3);
    EXPECT_EQ(months[2], 1000);
    EXPECT_EQ(months[1] + months[3] + months[11], 0);
    EXPECT_EQ(MonthItemText(3, months[2]), "    03 月   ..... 1,000 個");
    EXPECT_EQ(MonthItemText(12, 0), "    12 月   .....     0 個");
}

TEST_F(DesignListTest, DeletingMonthsIsOneUndoStepAMonth) {
    const std::string before = Lines();
    dialogs.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(DeleteMonths(context, dialogs, {1, 3}));
    EXPECT_EQ(dialogs.shown[0].text, "この月の枠をすべて削除します。\r\r   ＞  1, 3 月\r\rよろしいですか？\r\r");
    EXPECT_EQ(Lines(), before);

    ASSERT_TRUE(DeleteMonths(context, dialogs, {1, 3}));
    EXPECT_EQ(Lines(), "");
    EXPECT_EQ(history.Entries().size(), 2u);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(FramesPerMonth(design.Store())[2], 1000);
    EXPECT_EQ(FramesPerMonth(design.Store())[0], 0);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(Lines(), before);
    EXPECT_FALSE(design.Modified());
}

}  // namespace
}  // namespace mv::test
