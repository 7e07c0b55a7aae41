#include "model/workingset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/codec.h"
#include "model/keyvalueline.h"

namespace mv {
namespace {

std::string Line(const std::string& date, const std::string& id, int start, int end, const std::string& extra = "") {
    return "Ci_CDate=" + date + "%!#Ci_Cid=" + id + "%!#Ci_STime=" + std::to_string(start) +
           "%!#Ci_ETime=" + std::to_string(end) + "%!#" + extra;
}

std::vector<std::string> Ids(const FrameList& frames) {
    std::vector<std::string> ids;
    for (const auto& f : frames) ids.push_back(f->Cid);
    return ids;
}

class WorkingSetTest : public ::testing::Test {
protected:
    WorkingSetTest() : view(store, context) {
        context.baseYear = 2003;
        context.defaults.baseFontHeight = 13;
    }

    LineStore store;
    RecordContext context;
    WorkingSet view;
};

TEST_F(WorkingSetTest, BuildsOneColumnPerDate) {
    view.Build({2003, 12, 30}, 4);
    ASSERT_EQ(view.ColumnCount(), 4);
    EXPECT_EQ(view.Column(0).date, (Date{2003, 12, 30}));
    EXPECT_EQ(view.Column(3).date, (Date{2004, 1, 2}));
    EXPECT_EQ(view.Column(2).header.CDate, (Date{2004, 1, 1}));
    EXPECT_EQ(view.Column(2).header.TextStr, "");
    EXPECT_EQ(view.Column(2).header.TextFH, -15);  // 1.2 times the base font
    EXPECT_EQ(view.ColumnOf({2004, 1, 1}), 2);
    EXPECT_EQ(view.ColumnOf({2003, 12, 29}), std::nullopt);
    EXPECT_EQ(view.ColumnOf({2004, 1, 3}), std::nullopt);
    // The design holds one year: its 1 January is the column shown after 31 December.
    EXPECT_EQ(view.ColumnOf({2003, 1, 1}), 2);
    EXPECT_EQ(view.ColumnOf({2003, 1, 3}), std::nullopt);
    view.Build({2003, 7, 1}, 0);
    EXPECT_EQ(view.ColumnOf({2003, 7, 1}), std::nullopt);
}

// A line added for a day of the design year that the view shows as next year's goes into
// that column, so storing the view keeps it (it used to go to the stored lines, which the
// column then overwrote).
TEST_F(WorkingSetTest, ALineForTheDesignsJanuaryShownAfterDecemberIsKept) {
    view.Build({2003, 12, 30}, 4);
    view.LoadView();
    ASSERT_NE(view.AddLine({2003, 1, 1}, Line("2003/01/01", "new", 900, 1000)), nullptr);
    EXPECT_EQ(Ids(view.Column(2).frames), (std::vector<std::string>{"new"}));
    view.CommitView(true);
    ASSERT_EQ(store.Slot(SlotOf(1, 1)).size(), 1u);
    EXPECT_NE(store.Slot(SlotOf(1, 1)).front().find("Ci_Cid=new"), std::string::npos);
}

TEST_F(WorkingSetTest, LoadViewMakesFramesInLineOrder) {
    store.Slot(SlotOf(7, 1)) = {
        Line("2003/07/01", "b", 1000, 1100),
        Line("1999/07/01", "a", 900, 1000),
        Line("2003/07/01", "hdr", -1, -1, "Ci_TextStr=" + Sjis("議会中継日") + "%!#"),
        Line("2003/07/01", "c", 2430, 2530),
    };
    store.Slot(SlotOf(7, 2)) = {Line("2003/07/02", "d", 500, 600)};
    store.Slot(SlotOf(7, 4)) = {Line("2003/07/04", "outside", 500, 600)};
    view.Build({2003, 7, 1}, 3);
    view.LoadView();

    const DateColumn& first = view.Column(0);
    EXPECT_EQ(Ids(first.frames), (std::vector<std::string>{"b", "a", "c"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(first.frames[i]->IndexInColumn, i);
        EXPECT_EQ(first.frames[i]->Column, 0);
        EXPECT_EQ(first.frames[i]->CDate, (Date{2003, 7, 1}));
    }
    EXPECT_EQ(first.header.TextStr, Sjis("議会中継日"));
    EXPECT_EQ(first.header.Column, 0);
    EXPECT_EQ(Ids(view.Column(1).frames), (std::vector<std::string>{"d"}));
    EXPECT_EQ(view.Column(1).frames[0]->Column, 1);
    EXPECT_TRUE(view.Column(2).frames.empty());
}

TEST_F(WorkingSetTest, TwentyNinthOfFebruaryOnlyInLeapBaseYears) {
    store.Slot(SlotOf(2, 29)) = {Line("2000/02/29", "leap", 900, 1000)};
    view.Build({2003, 2, 28}, 2);
    view.LoadView();
    EXPECT_TRUE(view.Column(0).frames.empty());
    EXPECT_TRUE(view.Column(1).frames.empty());
    view.CommitView(true);
    EXPECT_EQ(store.Slot(SlotOf(2, 29)), (LineList{Line("2000/02/29", "leap", 900, 1000)}));

    context.baseYear = 2004;
    view.Build({2004, 2, 28}, 2);
    view.LoadView();
    ASSERT_EQ(view.Column(1).frames.size(), 1u);
    EXPECT_EQ(view.Column(1).frames[0]->CDate, (Date{2004, 2, 29}));
}

TEST_F(WorkingSetTest, CommitRewritesOnlyWhenModified) {
    // Lines as an older program wrote them: lower-case keys, blanks, items missing.
    const LineList original = {"ci_cdate=1999/07/01%!#ci_cid=a%!#ci_stime= 0930 %!#",
                               Line("2003/07/01", "hdr", -1, -1, "Ci_TextStr=head%!#")};
    store.Slot(SlotOf(7, 1)) = original;
    view.Build({2003, 7, 1}, 7);
    view.LoadView();

    view.CommitView(false);
    EXPECT_EQ(store.Slot(SlotOf(7, 1)), original) << "not modified: the lines stay as read";

    view.SetCommitAllowed(false);
    view.CommitView(true);
    EXPECT_EQ(store.Slot(SlotOf(7, 1)), original) << "committing switched off while dates are dragged";
    view.SetCommitAllowed(true);

    view.CommitView(true);
    const LineList& lines = store.Slot(SlotOf(7, 1));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], original[1]) << "the column record is kept";
    EXPECT_EQ(lines[1], BuildRecordLine(*view.Column(0).frames[0]));
    EXPECT_EQ(lines[1].substr(0, 19), "Ci_CDate=2003/07/01") << "dates are written in the base year";
    int start = 0;
    EXPECT_TRUE(GetInt(lines[1], "Ci_STime", kSep, start));
    EXPECT_EQ(start, 930);
}

TEST_F(WorkingSetTest, StoreDayWritesTheFramesOfOneDate) {
    store.Slot(SlotOf(7, 1)) = {Line("2003/07/01", "a", 900, 1000), Line("2003/07/01", "b", 1000, 1100)};
    store.Slot(SlotOf(7, 2)) = {Line("2003/07/02", "c", 900, 1000)};
    view.Build({2003, 7, 1}, 2);
    view.LoadView();

    DateColumn& day = view.Column(0);
    view.FreeFrame(day.frames[0].get());
    ASSERT_EQ(Ids(day.frames), (std::vector<std::string>{"b"}));
    EXPECT_EQ(day.frames[0]->IndexInColumn, 0);
    auto added = NewFrame(context.defaults, "new");
    added->CDate = {2003, 7, 1};
    added->STime = 2400;
    added->ETime = 2500;
    view.AddFrame({2003, 7, 1}, std::move(added));
    day.frames[0]->STime = 800;      // the pack display shows it elsewhere...
    day.frames[0]->KeptSTime = 1000;  // ...but the real times are kept
    day.frames[0]->KeptETime = 1100;

    view.StoreDay({2003, 7, 1});
    const LineList& lines = store.Slot(SlotOf(7, 1));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], BuildRecordLine(*day.frames[0]));
    EXPECT_NE(lines[0].find("Ci_STime=1000%!#Ci_ETime=1100%!#"), std::string::npos);
    EXPECT_EQ(lines[1], BuildRecordLine(*day.frames[1]));
    EXPECT_EQ(store.Slot(SlotOf(7, 2)), (LineList{Line("2003/07/02", "c", 900, 1000)})) << "other dates untouched";

    view.StoreDay({2003, 7, 5});  // not in view: nothing happens
    EXPECT_TRUE(store.Slot(SlotOf(7, 5)).empty());

    // Every frame gone: the slot empties.
    view.FreeFrame(day.frames[1].get());
    view.FreeFrame(day.frames[0].get());
    view.StoreDay({2003, 7, 1});
    EXPECT_TRUE(store.Slot(SlotOf(7, 1)).empty());
    view.FreeFrame(nullptr);  // unknown frames are ignored
}

TEST_F(WorkingSetTest, LoadDayReloadsOneDate) {
    store.Slot(SlotOf(7, 1)) = {Line("2003/07/01", "a", 900, 1000)};
    store.Slot(SlotOf(7, 2)) = {Line("2003/07/02", "b", 900, 1000)};
    view.Build({2003, 7, 1}, 2);
    view.LoadView();
    const TCInf* untouched = view.Column(1).frames[0].get();

    store.Slot(SlotOf(7, 1)).push_back(Line("2003/07/01", "from-elsewhere", 1200, 1300));
    view.LoadDay({2003, 7, 1});
    EXPECT_EQ(Ids(view.Column(0).frames), (std::vector<std::string>{"a", "from-elsewhere"}));
    EXPECT_EQ(view.Column(1).frames[0].get(), untouched);
    view.LoadDay({2003, 8, 1});  // not in view
    EXPECT_EQ(view.Column(0).frames.size(), 2u);
}

TEST_F(WorkingSetTest, WholeYearCommitKeepsLinesThatMakeNoFrame) {
    // A leap-day line in a non-leap base year and a column record survive a commit of every
    // date, and frames come back in the same order.
    store.Slot(SlotOf(2, 29)) = {Line("2000/02/29", "leap", 900, 1000)};
    for (int m = 1; m <= 12; ++m)
        store.Slot(SlotOf(m, 1)).push_back(Line("2003/" + std::string(m < 10 ? "0" : "") + std::to_string(m) + "/01",
                                                "m" + std::to_string(m), 900, 1000));
    store.Slot(SlotOf(12, 31)) = {Line("2003/12/31", "hdr", -5, 0), Line("2003/12/31", "last", 2300, 2830)};
    view.Build({2003, 1, 1}, 365);
    view.LoadView();
    view.CommitView(true);
    EXPECT_EQ(store.LineCount(), 15u);
    EXPECT_EQ(store.Slot(SlotOf(2, 29)), (LineList{Line("2000/02/29", "leap", 900, 1000)}));
    EXPECT_EQ(store.Slot(SlotOf(12, 31))[0], Line("2003/12/31", "hdr", -5, 0));
    std::string id;
    EXPECT_TRUE(GetText(store.Slot(SlotOf(12, 31))[1], "Ci_Cid", kSep, id));
    EXPECT_EQ(id, "last");
    // Loading again from the rewritten lines gives the same frames.
    view.LoadView();
    EXPECT_EQ(Ids(view.Column(364).frames), (std::vector<std::string>{"last"}));
    EXPECT_EQ(view.Column(364).header.STime, -5);
}

// The frame operations every edit goes through, on dates in view (the frame objects) and
// out of view (the stored lines): each leaves every frame's column and index right.
TEST_F(WorkingSetTest, FrameOperationsKeepColumnsAndIndexesInViewAndLinesOutOfIt) {
    const Date inView{2003, 7, 2}, outOfView{2003, 7, 9};
    store.Slot(SlotOf(7, 2)) = {Line("2003/07/02", "a", 900, 1000), Line("2003/07/02", "b", 1000, 1100)};
    store.Slot(SlotOf(7, 9)) = {Line("2003/07/09", "x", 900, 1000)};
    view.Build({2003, 7, 1}, 3);
    view.LoadView();
    auto check = [&](const std::vector<std::string>& ids) {
        const FrameList& frames = view.Column(1).frames;
        EXPECT_EQ(Ids(frames), ids);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(frames[i]->Column, 1) << frames[i]->Cid;
            EXPECT_EQ(frames[i]->IndexInColumn, static_cast<int>(i)) << frames[i]->Cid;
        }
    };

    EXPECT_EQ(view.AddLine(inView, Line("2003/07/02", "c", 500, 600))->Cid, "c");
    view.AddFrame(inView, NewFrame(context.defaults, "d"), 0);
    check({"d", "a", "b", "c"});
    EXPECT_EQ(view.FindFrame("b"), view.Column(1).frames[2].get());
    EXPECT_EQ(view.FindFrame("b", {2003, 7, 3}), nullptr) << "searched from a later date on";

    const int serial = view.FindFrame("a")->Serial;
    TCInf* replaced = view.ReplaceFromLine(inView, Line("2003/07/02", "a", 700, 800));
    check({"d", "a", "b", "c"});
    EXPECT_EQ(replaced->STime, 700);
    EXPECT_NE(replaced->Serial, serial) << "a frame rebuilt from a line is a new object";

    std::unique_ptr<TCInf> taken = view.TakeFrame(inView, "b");
    ASSERT_TRUE(taken);
    EXPECT_TRUE(view.RemoveFrame(inView, "d"));
    EXPECT_FALSE(view.RemoveFrame(inView, "d"));
    check({"a", "c"});
    const int takenSerial = taken->Serial;
    EXPECT_EQ(view.AddFrame({2003, 7, 3}, std::move(taken))->Serial, takenSerial) << "moved, it keeps its serial";
    EXPECT_EQ(view.Column(2).frames[0]->Column, 2);
    EXPECT_EQ(view.AddFrame(outOfView, NewFrame(context.defaults, "y")), nullptr);

    // Out of view the stored lines change instead.
    EXPECT_EQ(view.AddLine(outOfView, Line("2003/07/09", "z", 500, 600)), nullptr);
    EXPECT_EQ(view.ReplaceFromLine(outOfView, Line("2003/07/09", "x", 930, 1000)), nullptr);
    EXPECT_TRUE(view.RemoveFrame(outOfView, "z"));
    EXPECT_EQ(store.Slot(SlotOf(7, 9)), (LineList{Line("2003/07/09", "x", 930, 1000)}));
    EXPECT_EQ(*store.FindLine(outOfView, "x"), Line("2003/07/09", "x", 930, 1000));
    EXPECT_EQ(store.FindLine(outOfView, "z"), nullptr);
}

}  // namespace
}  // namespace mv
