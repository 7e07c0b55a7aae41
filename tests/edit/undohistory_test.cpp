#include "edit/undohistory.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/codec.h"
#include "model/frame.h"
#include "support/testhost.h"

namespace mv {
namespace {

TCInf Frame(const std::string& cid, Date date, int start) {
    TCInf frame;
    frame.Cid = cid;
    frame.CDate = date;
    frame.STime = start;
    return frame;
}

std::string Utf8(const std::string& sjis) { return ToUtf8(sjis); }
std::vector<std::string> Vec(const std::deque<std::string>& lines) { return {lines.begin(), lines.end()}; }

TEST(UndoHistory, CaptionOfEveryKind) {
    struct Case {
        int kind;
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {0, "", "枠作成 - 07/01  09:30"},   {1, "", "枠削除 - 07/01  09:30"},
        {2, "", "枠隣接 - 07/01  09:30"},   {3, "", "枠移動 - 07/01  09:30"},
        {4, "", "枠複写 - 07/01  09:30"},   {5, "", "枠長変更 - 07/01  09:30"},
        {6, "", "ﾀｲﾄﾙ追加 - 07/01  09:30"}, {7, "", "ﾀｲﾄﾙ削除 - 07/01  09:30"},
        {8, "", "ﾀｲﾄﾙ移動 - 07/01  09:30"}, {9, "", "ﾀｲﾄﾙ編集 - 07/01  09:30"},
        {10, "", "時刻変更 - 07/01  09:30"}, {11, "枠色", "枠色 - 07/01  09:30"},
        {12, "", "日付削除 - 08/02 → 08/09"}, {13, "", "日付移動 - 08/02 → 08/09"},
        {14, "", "日付複写 - 08/02 → 08/09"}, {15, "", "枠複写 - 08/02 → 08/09"},
        {16, "", "枠移動 - 08/02 → 08/09"},   {17, "", "複数枠の削除 - 08/02 以降から 3 個"},
        {18, "", "複数枠の移動 - 08/02 以降から 3 個"}, {19, "", "複数枠の複写 - 08/02 以降から 3 個"},
        {20, "", "繰り上げ - 08/02"},           {21, "", "繰り下げ - 08/02"},
        {22, "", "枠展開 - 08/02 以降から 3 個"},
        {23, "", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ/ﾃﾞｻﾞｲﾝﾌｧｲﾙ 読み込み - 08/02 ～ 12/31"},
        {24, "", "ｲﾝﾎﾟｰﾄﾃﾞｰﾀ - 08/02 ～ 12/31"},
        {25, "表示年", "表示年 - 2003"},        {26, "枠移動の分単位", "枠移動の分単位 - 13"},
        {27, "", "iCalendar 読み込み - 08/02 ～ 12/31"}, {255, "", "？"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        THistCtl entry;
        entry.kind = static_cast<HistoryKind>(c.kind);
        entry.date = {2003, 7, 1};
        entry.start = 930;
        entry.text = Sjis(c.text);
        entry.value = 13;
        entry.count = 3;
        entry.firstDate = {2003, 8, 2};
        entry.lastDate = {2003, 12, 31};
        entry.targetDate = {2003, 8, 9};
        EXPECT_EQ(Utf8(HistoryCaption(entry)), c.expected);
    }
}

TEST(UndoHistory, KeepsTheNewest64WithTheirLines) {
    test::FakeDialogs dialogs;
    UndoHistory history(dialogs);
    int changes = 0;
    history.SetChangedListener([&] { ++changes; });
    EXPECT_EQ(Utf8(history.UndoCaption()), "元に戻す");

    // The oldest entry owns two line pairs; 63 more follow it.
    history.RecordLines(HistoryKind::DateMove, {"b0", "b1"}, {"a0", "a1"}, {2003, 8, 2}, {2003, 8, 3},
                        {2003, 8, 9});
    for (int i = 0; i < 62; ++i) history.RecordFrame(HistoryKind::FrameCreate, Frame("c", {2003, 7, 1}, 900));
    history.RecordShift(HistoryKind::ShiftLater, {"s"}, {"t"}, {2003, 9, 1});
    EXPECT_EQ(history.Entries().size(), 64u);
    EXPECT_EQ(history.Entries().front().kind, HistoryKind::DateMove);
    EXPECT_EQ(history.BeforeLines().size(), 3u);

    history.RecordFrame(HistoryKind::FrameDelete, Frame("d", {2003, 7, 4}, 2530));
    EXPECT_EQ(history.Entries().size(), 64u);
    EXPECT_EQ(history.Entries().front().kind, HistoryKind::FrameCreate);
    EXPECT_EQ(Vec(history.BeforeLines()), std::vector<std::string>{"s"});
    EXPECT_EQ(Vec(history.AfterLines()), std::vector<std::string>{"t"});
    EXPECT_EQ(Utf8(history.UndoCaption()), "元に戻す  #64  【 枠削除 - 07/04  25:30 】");
    EXPECT_EQ(changes, 65);
    EXPECT_TRUE(dialogs.shown.empty());

    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.BeforeLines().empty() && history.AfterLines().empty());
    EXPECT_EQ(Utf8(history.UndoCaption()), "元に戻す");
}

TEST(UndoHistory, StoresTheModifiedFlagOfItsKind) {
    test::FakeDialogs dialogs;
    UndoHistory history(dialogs);
    history.SetModifiedSource([] { return true; });
    const FrameSnapshot before = SnapshotOf(Frame("k", {2003, 7, 1}, 930), false);  // taken while the design was unmodified
    history.RecordFrame(HistoryKind::TitleEdit, before);
    history.RecordFrame(HistoryKind::TitleMove, before);
    history.RecordFrame(HistoryKind::TimeChange, before);
    history.RecordSetting(HistoryKind::MinuteStep, 4, Sjis("枠移動の分単位"));
    ASSERT_EQ(history.Entries().size(), 4u);
    EXPECT_FALSE(history.Entries()[0].modified);
    EXPECT_FALSE(history.Entries()[1].modified);
    EXPECT_TRUE(history.Entries()[2].modified);
    EXPECT_TRUE(history.Entries()[3].modified);
    EXPECT_EQ(history.Entries()[2].key, "k");
    EXPECT_EQ(history.Entries()[2].line, before.line);
}

TEST(UndoHistory, LineCountMismatchIsReportedOnRecordingAndStopsUndo) {
    test::FakeDialogs dialogs;
    UndoHistory history(dialogs);
    history.RecordLines(HistoryKind::MultiDelete, {"b1", "b2"}, {"a1"}, {2003, 7, 1}, {2003, 7, 1}, {2003, 7, 1});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown[0].caption, kProgramName);
    EXPECT_EQ(dialogs.shown[0].text, "プログラムエラー： 管理部の追加 --- 履歴リストの個数が一致していません。"
                                     "\r\n\r\n   元: 2\r\n\r\n   先: 1");
    EXPECT_EQ(history.Entries().size(), 1u);  // the entry stays recorded

    EXPECT_FALSE(history.NewestForUndo());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "プログラムエラー： 復元 --- 履歴リストの個数が一致していません。"
                                     "\r\n\r\n   元: 2\r\n\r\n   先: 1");
    EXPECT_EQ(history.Entries().size(), 1u);
    EXPECT_FALSE(history.CanRedo());
}

// A move to another date, then a date-range move: undone newest first, each kept for redo,
// redone as its inverse, and undone again from the restored entry.
TEST(UndoHistory, UndoHandsOutTheNewestAndKeepsItForRedo) {
    test::FakeDialogs dialogs;
    UndoHistory history(dialogs);
    THistOrgObj source{7, "m", {2003, 7, 1}, 930, "m@0701", 0, 2};
    history.RecordFrame(HistoryKind::FrameMove, Frame("m", {2003, 7, 2}, 1000), &source);
    history.RecordLines(HistoryKind::DateMove, {"x@0802", "y@0802"}, {"x@0809", "y@0809"}, {2003, 8, 2},
                        {2003, 8, 2}, {2003, 8, 9});
    EXPECT_EQ(Utf8(history.RedoCaption()), "やり直す");

    std::optional<UndoStep> step = history.NewestForUndo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->entry.kind, HistoryKind::DateMove);
    ASSERT_EQ(step->lines.size(), 2u);
    EXPECT_EQ(step->lines[1].before, "y@0802");
    EXPECT_EQ(step->lines[1].after, "y@0809");
    EXPECT_EQ(history.Entries().size(), 2u);  // left in place until applied
    history.UndoApplied({{"x@0809", "y@0809"}, true, 0});
    EXPECT_EQ(history.Entries().size(), 1u);
    EXPECT_TRUE(history.BeforeLines().empty() && history.AfterLines().empty());

    step = history.NewestForUndo();
    ASSERT_TRUE(step);
    ASSERT_TRUE(step->entry.source);
    EXPECT_EQ(step->entry.source->line, "m@0701");
    EXPECT_TRUE(step->lines.empty());
    history.UndoApplied({{"m@0702"}, false, 0});
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(Utf8(history.RedoCaption()), "やり直す  #2  【 枠移動 - 07/02  10:00 】");

    // Redo takes back what the undo put in place and brings back what stood before it.
    std::optional<RedoStep> redo = history.NewestForRedo();
    ASSERT_TRUE(redo);
    EXPECT_EQ(redo->removeLines, std::vector<std::string>{"m@0701"});
    EXPECT_EQ(redo->addLines, std::vector<std::string>{"m@0702"});
    EXPECT_FALSE(redo->modified);
    history.RedoApplied();
    redo = history.NewestForRedo();
    ASSERT_TRUE(redo);
    EXPECT_EQ(redo->removeLines, (std::vector<std::string>{"x@0802", "y@0802"}));
    EXPECT_EQ(redo->addLines, (std::vector<std::string>{"x@0809", "y@0809"}));
    history.RedoApplied();
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(Utf8(history.UndoCaption()), "元に戻す  #2  【 日付移動 - 08/02 → 08/09 】");
    step = history.NewestForUndo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->lines.size(), 2u);
    EXPECT_EQ(step->lines[0].before, "x@0802");

    // Undo, then edit again, even unrecorded while shared: nothing is left to redo. Clear
    // empties both lists.
    history.UndoApplied({{"x@0809", "y@0809"}, true, 0});
    bool shared = true;
    history.SetRecordingSuspended([&] { return shared; });
    EXPECT_FALSE(history.RecordFrame(HistoryKind::FrameCreate, Frame("n", {2003, 7, 3}, 900)));
    EXPECT_FALSE(history.RecordLines(HistoryKind::MultiCopy, {"x"}, {"y"}, {}, {}, {}));
    EXPECT_EQ(history.Entries().size(), 1u);
    EXPECT_TRUE(history.BeforeLines().empty());
    EXPECT_FALSE(history.CanRedo());
    shared = false;
    history.RecordSetting(HistoryKind::BaseYear, 13, Sjis("表示年"));
    history.NewestForUndo();
    history.UndoApplied({{}, true, 14});
    ASSERT_TRUE(history.NewestForRedo());
    EXPECT_EQ(history.NewestForRedo()->value, 14);
    history.Clear();
    EXPECT_FALSE(history.CanUndo() || history.CanRedo());
    EXPECT_TRUE(dialogs.shown.empty());
}

// What a redo takes away again is what the undo of each kind put back.
TEST(UndoHistory, RedoRemovesWhatTheUndoPutBack) {
    struct Case {
        HistoryKind kind;
        std::vector<std::string> removed;
    };
    const std::vector<Case> cases = {{HistoryKind::FrameCreate, {}},
                                     {HistoryKind::FrameDelete, {"line"}},
                                     {HistoryKind::FrameCopy, {}},
                                     {HistoryKind::FrameResize, {"src"}},
                                     {HistoryKind::FrameStyle, {"line"}},
                                     {HistoryKind::DateDelete, {"b"}},
                                     {HistoryKind::DateCopy, {}},
                                     {HistoryKind::CalendarMove, {"b"}},
                                     {HistoryKind::MultiCopy, {}},
                                     {HistoryKind::ShiftEarlier, {"b"}},
                                     {HistoryKind::CsvImport, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        test::FakeDialogs dialogs;
        UndoHistory history(dialogs);
        THistOrgObj source;
        source.line = "src";
        if (IsSingleFrameKind(c.kind)) {
            history.RecordFrame(c.kind, FrameSnapshot{"k", {2003, 7, 1}, 900, "line", true}, &source);
        } else {
            history.RecordLines(c.kind, {"b"}, {"a"}, {}, {}, {}) || history.RecordShift(c.kind, {"b"}, {"a"}, {});
        }
        ASSERT_TRUE(history.NewestForUndo());
        history.UndoApplied({{"now"}, true, 0});
        EXPECT_EQ(history.NewestForRedo()->removeLines, c.removed);
    }
}

}  // namespace
}  // namespace mv
