// The end of a frame drag: resizes, moves and copies on shown and stored dates, the
// refusals, the undo entry and the report.

#include "edit/framedrop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/codec.h"

namespace mv {
namespace {

constexpr Date kJuly2{2003, 7, 2}, kJuly3{2003, 7, 3}, kJuly20{2003, 7, 20};

class FrameDropTest : public test::EditFixture {
protected:
    FrameDropTest() { working.AddLine(kJuly2, Line(kJuly2, "A", 900)); }
    // "id start-end" of every frame a date holds, shown or stored.
    std::vector<std::string> On(const Date& date) {
        std::vector<std::string> frames;
        auto add = [&](const TCInf& f) {
            frames.push_back(f.Cid + " " + std::to_string(f.STime) + "-" + std::to_string(f.ETime));
        };
        if (auto column = working.ColumnOf(date)) {
            for (const auto& frame : working.Column(*column).frames) add(*frame);
        } else {
            for (const std::string& line : design.Store().Slot(SlotOfDate(date)))
                if (auto parsed = ParseRecordLine(line, recordContext); parsed.frame) add(*parsed.frame);
        }
        return frames;
    }
    DropResult Drop(GripKind grip, bool copy, Date target, int start, int end) {
        return CommitFrameDrop(context, dialogs, ids, {kJuly2, "A", grip, copy, target, start, end, {}, {}});
    }

};

TEST_F(FrameDropTest, ResizesMovesAndCopiesOnShownAndStoredDates) {
    struct Case {
        const char* what;
        GripKind grip;
        bool copy;
        Date target;
        int start, end;
        std::vector<std::string> july2, other;  // on 07/02, and on the target date
        const char* caption;
    };
    const std::vector<Case> cases = {
        {"bottom edge", GripKind::Bottom, false, {}, 900, 1130, {"A 900-1130"}, {}, "枠長変更 - 07/02  09:00"},
        {"body on its date", GripKind::Body, false, kJuly2, 1000, 1100, {"A 1000-1100"}, {}, "枠移動 - 07/02  10:00"},
        {"body to a shown date", GripKind::Body, false, kJuly3, 800, 900, {}, {"A 800-900"}, "枠移動 - 07/03  08:00"},
        {"body to a stored date", GripKind::Body, false, kJuly20, 800, 900, {}, {"A 800-900"}, "枠移動 - 07/20  08:00"},
    };
    for (const Case& c : cases) {
        const bool elsewhere = c.target != Date{} && c.target != kJuly2;
        ASSERT_EQ(Drop(c.grip, c.copy, c.target, c.start, c.end), DropResult::Done) << c.what;
        EXPECT_EQ(On(kJuly2), c.july2) << c.what;
        if (elsewhere) {
            EXPECT_EQ(On(c.target), c.other) << c.what;
        }
        EXPECT_EQ(ToUtf8(HistoryCaption(history.Entries().back())), c.caption) << c.what;
        EXPECT_TRUE(design.Modified());
        // Undone, the frame is back as it was.
        ASSERT_TRUE(UndoNewest(context)) << c.what;
        EXPECT_EQ(On(kJuly2), std::vector<std::string>{"A 900-1000"}) << c.what;
        if (elsewhere) {
            EXPECT_TRUE(On(c.target).empty()) << c.what;
        }
    }
}

TEST_F(FrameDropTest, CopiesAskFirstAndContradictionsAndVanishedFramesChangeNothing) {
    dialogs.answers = {Answer::Cancel, Answer::Ok};
    EXPECT_EQ(Drop(GripKind::Body, true, kJuly3, 800, 900), DropResult::Cancelled);
    EXPECT_TRUE(On(kJuly3).empty());
    EXPECT_EQ(Drop(GripKind::Body, true, kJuly3, 800, 900), DropResult::Done);
    EXPECT_EQ(On(kJuly2), std::vector<std::string>{"A 900-1000"});
    ASSERT_EQ(On(kJuly3).size(), 1u);
    EXPECT_NE(working.Column(2).frames[0]->Cid, "A") << "a copy has an id of its own";
    EXPECT_EQ(context.Selection().Frame(working), working.Column(2).frames[0].get()) << "the copy is selected";
    EXPECT_EQ(dialogs.shown.at(0).text, "この位置に枠を複写します。\r\rよろしいですか？\r");

    dialogs.shown.clear();
    EXPECT_EQ(Drop(GripKind::Top, false, {}, 1000, 1000), DropResult::Refused);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "開始時刻と終了時刻にに矛盾があります。\r\r   開始時刻 10:00\r   終了時刻 10:00");
    EXPECT_EQ(On(kJuly2), std::vector<std::string>{"A 900-1000"});

    // A frame another sharer removed meanwhile: nothing is written or recorded.
    working.RemoveFrame(kJuly2, "A");
    const std::size_t entries = history.Entries().size();
    EXPECT_EQ(Drop(GripKind::Body, false, kJuly3, 800, 900), DropResult::Missing);
    EXPECT_EQ(history.Entries().size(), entries);
}

}  // namespace
}  // namespace mv
