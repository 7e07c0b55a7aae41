// The frame commands: the times a new frame gets, connecting to a neighbour, and what each
// command leaves in the design and takes back on undo.

#include "edit/framecommands.h"

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/timeofday.h"

namespace mv::test {
namespace {

constexpr Date kJuly2{2003, 7, 2};

TEST(NewFrameTimes, FillsTheGapAroundThePressWithinAnHourOfItsRow) {
    // Frames as (start, end, top, bottom); the press is at y 500 in the 10:00 row.
    const GapNeighbour above{{800, 930}, 100, 300, true}, below{{1215, 1300}, 700, 800, true};
    const GapNeighbour nearAbove{{900, 955}, 300, 480, true}, nearBelow{{1030, 1100}, 560, 600, true};
    const GapNeighbour aside{{900, 955}, 300, 480, false};
    struct Case {
        const char* what;
        std::vector<GapNeighbour> column;
        bool automatic;
        int rowStart, rowEnd;
        TimeSpan times;
    };
    const std::vector<Case> cases = {
        {"an empty column: the row", {}, true, 1000, 1100, {1000, 1100}},
        {"09:30 above and 12:15 below: the end an hour past the row", {above, below}, true, 1000, 1100, {930, 1200}},
        {"close neighbours bound it", {above, nearAbove, nearBelow, below}, true, 1000, 1100, {955, 1030}},
        {"beside the press under automatic placement: not counted", {aside}, true, 1000, 1100, {1000, 1100}},
        {"beside the press under free placement: counted", {aside}, false, 1000, 1100, {955, 1100}},
        {"the first row: not before the grid", {}, true, 500, 600, {500, 600}},
        {"the last row: not past the grid", {{{2600, 2630}, 100, 200, true}}, true, 2800, 2900, {2700, 2900}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewFrameTimes(c.column, 500, c.rowStart, c.rowEnd, c.automatic, 500, 2900), c.times) << c.what;
}

TEST(ConnectedTimes, TheFourWaysAndWhatStopsThem) {
    const TimeSpan frame{1000, 1100};
    const std::vector<TimeSpan> others = {{700, 800}, {830, 900}, {1300, 1400}, {1200, 1230}};
    struct Case {
        ConnectWay way;
        std::optional<TimeSpan> times;
    };
    const std::vector<Case> cases = {
        {ConnectWay::Up, TimeSpan{900, 1100}},
        {ConnectWay::UpMove, TimeSpan{900, 1000}},
        {ConnectWay::Down, TimeSpan{1000, 1200}},
        {ConnectWay::DownMove, TimeSpan{1100, 1200}},
    };
    for (const Case& c : cases) EXPECT_EQ(ConnectedTimes(frame, others, c.way), c.times) << int(c.way);
    // Touching the nearest one above: nothing, even with a farther one; none below: nothing.
    EXPECT_EQ(ConnectedTimes(frame, {{700, 800}, {930, 1000}}, ConnectWay::Up), std::nullopt);
    EXPECT_EQ(ConnectedTimes(frame, {{700, 800}}, ConnectWay::Down), std::nullopt);
}

class FrameCommandsTest : public EditFixture {
protected:
    std::string Added(int start) {
        return CreateFrame(context, ids, kJuly2, {start, AddMinutes(start, 60)});
    }
};

TEST_F(FrameCommandsTest, CreateDeleteAndTheirUndo) {
    const std::string cid = Added(1000);
    const TCInf* frame = working.FrameOn(kJuly2, cid);
    ASSERT_TRUE(frame);
    ASSERT_EQ(frame->Fields.size(), 1u);
    EXPECT_EQ(frame->Fields[0].FTextStr, "  ");
    EXPECT_EQ(context.Selection().Cid(), cid);

    dialogs.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(DeleteFrame(context, dialogs, kJuly2, cid));
    EXPECT_EQ(history.Entries().size(), 1u);
    EXPECT_TRUE(DeleteFrame(context, dialogs, kJuly2, cid));
    EXPECT_FALSE(working.FrameOn(kJuly2, cid));
    EXPECT_NE(dialogs.shown.back().text.find("10:00 ～ 11:00"), std::string::npos);
    ASSERT_TRUE(UndoNewest(context));
    ASSERT_TRUE(working.FrameOn(kJuly2, cid));
    EXPECT_EQ(working.FrameOn(kJuly2, cid)->ETime, 1100);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_FALSE(working.FrameOn(kJuly2, cid));
}

TEST_F(FrameCommandsTest, TitleFieldsAddAndDeleteKeepingTheSelectedIndex) {
    const std::string cid = Added(1000);
    EXPECT_TRUE(AddTitleField(context, kJuly2, cid, Sjis("ニュース"), false));
    EXPECT_TRUE(AddTitleField(context, kJuly2, cid, "", true));
    const TCInf* frame = working.FrameOn(kJuly2, cid);
    ASSERT_EQ(frame->Fields.size(), 3u);
    EXPECT_EQ(frame->Fields[2].FTextStr, "[time]");
    EXPECT_EQ(context.Selection().Field(working), 2);
    // The last field deleted: the one before it is selected.
    EXPECT_TRUE(DeleteTitleField(context, dialogs, kJuly2, cid, 2));
    EXPECT_NE(dialogs.shown.back().text.find("[time]"), std::string::npos);
    EXPECT_EQ(context.Selection().Field(working), 1);
    EXPECT_TRUE(DeleteTitleField(context, dialogs, kJuly2, cid, 0));
    EXPECT_EQ(context.Selection().Field(working), 0);
    EXPECT_EQ(working.FrameOn(kJuly2, cid)->Fields[0].FTextStr, Sjis("ニュース"));
    ASSERT_TRUE(UndoNewest(context));
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(working.FrameOn(kJuly2, cid)->Fields.size(), 3u);
}

TEST_F(FrameCommandsTest, ChosenFramesAreDeletedInOneStepAndComeBackTogether) {
    const std::string a = Added(900), b = Added(1200);
    const std::string c = CreateFrame(context, ids, {2003, 7, 9}, {1400, 1500});  // out of view
    for (const auto& [cid, date] : {std::pair{a, kJuly2}, {b, kJuly2}, {c, Date{2003, 7, 9}}})
        context.Chosen().Toggle(cid, date);
    dialogs.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(DeleteChosenFrames(context, dialogs));
    EXPECT_TRUE(DeleteChosenFrames(context, dialogs));
    EXPECT_NE(dialogs.shown.back().text.find("合計 3 個"), std::string::npos);
    EXPECT_FALSE(working.LineOf(kJuly2, a) || working.LineOf(kJuly2, b) || working.LineOf({2003, 7, 9}, c));
    EXPECT_EQ(context.Chosen().Count(), 0u);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_TRUE(working.FrameOn(kJuly2, a) && working.FrameOn(kJuly2, b) && working.LineOf({2003, 7, 9}, c));
}

}  // namespace
}  // namespace mv::test
