// The iCalendar import as an edit: under every duplicate rule one undo step takes the design
// back byte for byte (frames an event's UID or times replaced included), and redo gives the
// import's result again.
#include <gtest/gtest.h>

#include <algorithm>

#include "edit/icsimportcommand.h"
#include "edit/undocommands.h"
#include "editfixture.h"
#include "model/keyvalueline.h"

namespace mv::test {
namespace {

// UID-1 is a stored frame's id (moved to 07/04 10:00-12:00 by the file); UID-2 has the times
// of the stored frame on 07/02; the third event has no start and is refused.
constexpr const char* kCalendar =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n"
    "BEGIN:VEVENT\r\nUID:UID-1\r\nDTSTART:20030704T100000\r\nDTEND:20030704T120000\r\nSUMMARY:Moved\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:UID-2\r\nDTSTART:20030702T100000\r\nDTEND:20030702T110000\r\nSUMMARY:Same times\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:UID-3\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

class IcsImportCommandTest : public EditFixture {
protected:
    std::vector<std::string> StoreLines() {
        working.CommitView(design.Modified());
        std::vector<std::string> lines;
        for (int slot = 0; slot < kSlotCount; ++slot)
            for (const std::string& line : design.Store().Slot(slot)) lines.push_back(line);
        return lines;
    }
    bool Holds(const std::string& cid) {
        for (const std::string& line : StoreLines()) {
            std::string id;
            if (GetText(line, "Ci_Cid", kSep, id) && id == cid) return true;
        }
        return false;
    }
};

TEST_F(IcsImportCommandTest, EveryDuplicateRuleIsOneUndoStepThatRestoresTheDesign) {
    struct Case {
        DuplicateRule rule;
        int frames;       // frames added
        int storeLines;   // lines stored afterwards (two before)
        bool keepsUid1;   // the stored UID-1 frame is still there
    };
    const Case cases[] = {
        {DuplicateRule::Skip, 0, 2, true},     // UID-1 skipped by id, UID-2 by its times
        {DuplicateRule::Replace, 2, 2, false},  // both stored frames replaced by frames of new ids
        {DuplicateRule::Keep, 2, 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.rule));
        for (int slot = 0; slot < kSlotCount; ++slot) design.Store().Slot(slot).clear();
        history.Clear();
        design.Store().AddLine({2003, 7, 3}, Line({2003, 7, 3}, "UID-1", 900));
        design.Store().AddLine({2003, 7, 2}, Line({2003, 7, 2}, "OTHER", 1000));
        working.LoadView();
        design.SetModified(false);
        const std::vector<std::string> before = StoreLines();

        ImportChoices choices;
        choices.duplicates = c.rule;
        const IcsImportOutcome outcome = ImportIcsText(context, ids, host, dialogs, kCalendar, choices, "UTC");
        ASSERT_TRUE(outcome.result.ok);
        EXPECT_EQ(outcome.result.events, 3);
        EXPECT_EQ(outcome.result.refused, 1);
        EXPECT_EQ(outcome.result.frames, c.frames);
        const std::vector<std::string> after = StoreLines();
        EXPECT_EQ(after.size(), static_cast<std::size_t>(c.storeLines));
        EXPECT_EQ(Holds("UID-1"), c.keepsUid1);
        if (c.rule == DuplicateRule::Replace) {
            EXPECT_FALSE(Holds("OTHER"));
            // The shown 07/03 lost the replaced frame; 07/04 shows it moved.
            EXPECT_TRUE(working.Column(*working.ColumnOf({2003, 7, 3})).frames.empty());
            EXPECT_EQ(working.Column(*working.ColumnOf({2003, 7, 4})).frames.size(), 1u);
            EXPECT_EQ(outcome.earliestAdded, (Date{2003, 7, 2}));
        }
        if (c.frames == 0) {
            EXPECT_TRUE(history.Entries().empty());
            EXPECT_FALSE(design.Modified());
            continue;
        }
        ASSERT_EQ(history.Entries().size(), 1u);
        EXPECT_EQ(history.Entries()[0].kind, HistoryKind::IcsImport);
        EXPECT_TRUE(design.Modified());

        ASSERT_TRUE(UndoNewest(context));
        EXPECT_EQ(StoreLines(), before);
        EXPECT_FALSE(design.Modified());
        ASSERT_TRUE(RedoNewest(context));
        std::vector<std::string> redone = StoreLines(), imported = after;
        std::sort(redone.begin(), redone.end());
        std::sort(imported.begin(), imported.end());
        EXPECT_EQ(redone, imported);
    }
}

TEST_F(IcsImportCommandTest, AFileThatIsNotICalendarChangesNothing) {
    const IcsImportOutcome outcome = ImportIcsText(context, ids, host, dialogs, "Date,Start\r\n", {}, "UTC");
    EXPECT_FALSE(outcome.result.ok);
    EXPECT_EQ(IcsImportDoneText(outcome.result), "これは iCalendar 形式のファイルではありません。");
    EXPECT_TRUE(StoreLines().empty());
    EXPECT_TRUE(history.Entries().empty());
    EXPECT_FALSE(design.Modified());
}

}  // namespace
}  // namespace mv::test
