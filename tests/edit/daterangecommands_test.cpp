// Date ranges: moved, copied (also onto themselves) and deleted whole, across the edge of
// the shown dates, and each taken back exactly.

#include "edit/daterangecommands.h"

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/dayslot.h"

namespace mv::test {
namespace {

class DateRangeTest : public EditFixture {
protected:
    // Frames on 07/05 to 07/09; the view shows 07/01 to 07/07.
    DateRangeTest() {
        for (int day = 5; day <= 9; ++day) {
            const Date date{2003, 7, day};
            const std::string cid = "F" + std::to_string(day);
            if (working.ColumnOf(date)) working.AddLine(date, Line(date, cid, 900 + day * 100));
            else design.Store().AddLine(date, Line(date, cid, 900 + day * 100));
        }
        design.SetModified(false);
    }
    // Every day from 07/04 to 07/12 as "day:ids@start" of its frames, shown or stored.
    std::string Days() {
        std::string text;
        for (int day = 4; day <= 12; ++day) {
            const Date date{2003, 7, day};
            text += std::to_string(day) + ":";
            for (const std::string& line : design.Store().Slot(SlotOfDate(date))) {
                if (working.ColumnOf(date)) break;
                auto parsed = ParseRecordLine(line, recordContext);
                text += parsed.frame->Cid.substr(0, 2) + "@" + std::to_string(parsed.frame->STime) + ",";
            }
            if (working.ColumnOf(date))
                for (const auto& frame : working.Column(*working.ColumnOf(date)).frames)
                    text += frame->Cid.substr(0, 2) + "@" + std::to_string(frame->STime) + ",";
            text += " ";
        }
        return text;
    }
};

TEST_F(DateRangeTest, OverlappingMovesAndCopiesLoseNothingAndUndoRestoresEveryDay) {
    const std::string start = Days();
    EXPECT_EQ(start, "4: 5:F5@1400, 6:F6@1500, 7:F7@1600, 8:F8@1700, 9:F9@1800, 10: 11: 12: ");
    struct Case {
        const char* what;
        int first, last, target;
        bool copy;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"three days a day on, across the view's edge", 5, 7, 6, false,
         "4: 5: 6:F5@1400, 7:F6@1500, 8:F8@1700,F7@1600, 9:F9@1800, 10: 11: 12: "},
        {"three days a day back", 6, 8, 5, false,
         "4: 5:F5@1400,F6@1500, 6:F7@1600, 7:F8@1700, 8: 9:F9@1800, 10: 11: 12: "},
        {"copied onto itself shifted", 5, 8, 7, true,
         "4: 5:F5@1400, 6:F6@1500, 7:F7@1600,PC@1400, 8:PC@1500,F8@1700, 9:F9@1800,PC@1600, 10:PC@1700, 11: 12: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(TransferDateRange(context, dialogs, ids, {2003, 7, c.first}, {2003, 7, c.last},
                                      {2003, 7, c.target}, c.copy));
        EXPECT_EQ(Days(), c.after);
        EXPECT_EQ(context.Range().First(), (Date{2003, 7, c.target}));
        ASSERT_TRUE(UndoNewest(context));
        EXPECT_EQ(Days(), start);
        EXPECT_FALSE(design.Modified());
    }
    dialogs.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(TransferDateRange(context, dialogs, ids, {2003, 7, 5}, {2003, 7, 6}, {2003, 7, 10}, false));
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(DateRangeTest, ADeletedRangeIsEmptiedAndComesBack) {
    const std::string start = Days();
    ASSERT_TRUE(DeleteDateRange(context, dialogs, {2003, 7, 6}, {2003, 7, 8}));
    EXPECT_NE(dialogs.shown.back().text.find("2003/07/06 ～ 2003/07/08"), std::string::npos);
    EXPECT_EQ(Days(), "4: 5:F5@1400, 6: 7: 8: 9:F9@1800, 10: 11: 12: ");
    ASSERT_EQ(listener.changed.size(), 1u);
    EXPECT_EQ(listener.changed[0].size(), 3u);  // every date of the range reported
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(Days(), start);
}

TEST_F(DateRangeTest, DaysMovedPastTheYearsEndWrapToItsStart) {
    design.Store().AddLine({2003, 12, 31}, Line({2003, 12, 31}, "Y31", 1000));
    ASSERT_TRUE(TransferDateRange(context, dialogs, ids, {2003, 12, 30}, {2003, 12, 31}, {2003, 12, 31}, false));
    EXPECT_TRUE(design.Store().Slot(SlotOfDate({2003, 12, 31})).empty());
    const LineList& january = design.Store().Slot(SlotOfDate({2003, 1, 1}));
    ASSERT_EQ(january.size(), 1u);
    EXPECT_EQ(ParseRecordLine(january[0], recordContext).frame->CDate, (Date{2003, 1, 1}));
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_TRUE(design.Store().Slot(SlotOfDate({2003, 1, 1})).empty());
    EXPECT_EQ(design.Store().Slot(SlotOfDate({2003, 12, 31})).size(), 1u);
}

}  // namespace
}  // namespace mv::test
