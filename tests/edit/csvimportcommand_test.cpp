// The CSV import as an edit: its questions, one undo step that takes the design back byte
// for byte, and one redraw and report of the imported dates.
#include <gtest/gtest.h>

#include "edit/csvimportcommand.h"
#include "edit/undocommands.h"
#include "editfixture.h"
#include "io/csv/csvmapping.h"
#include "io/csv/csvtable.h"

namespace mv::test {
namespace {

class CsvImportCommandTest : public EditFixture {
protected:
    CsvImportCommandTest() {
        table.LoadLines({"Date,Start,End,Title", "2003/07/02,10:00,,Meeting", "2003/07/05,,,Other", "bad,,,"});
        options.importCol = {0, 1, -1, 2, 3};
    }
    std::vector<std::string> StoreLines() {
        working.CommitView(true);
        std::vector<std::string> lines;
        for (int slot = 0; slot < kSlotCount; ++slot)
            for (const std::string& line : design.Store().Slot(slot)) lines.push_back(line);
        return lines;
    }
    CsvImportResult Run(ImportChoices choices = {}) {
        return ImportCsvTable(context, ids, host, dialogs, table, 1, options, choices);
    }

    CsvTable table;
    CsvOptions options;
};

TEST_F(CsvImportCommandTest, OneUndoStepTakesTheDesignBackByteForByte) {
    design.Store().AddLine({2003, 7, 3}, Line({2003, 7, 3}, "KEEP", 1300));
    working.LoadView();
    const std::vector<std::string> before = StoreLines();

    const CsvImportResult result = Run();
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(result.earliestAdded, (Date{2003, 7, 2}));
    EXPECT_EQ(result.latestAdded, (Date{2003, 7, 5}));
    EXPECT_EQ(result.earliestStart, 1000);
    EXPECT_TRUE(design.Modified());
    ASSERT_EQ(history.Entries().size(), 1u);
    EXPECT_EQ(history.Entries()[0].kind, HistoryKind::CsvImport);
    EXPECT_FALSE(history.Entries()[0].modified);
    EXPECT_EQ(StoreLines().size(), before.size() + 2);
    // The shown dates got their frames, and one redraw named the whole imported range.
    ASSERT_TRUE(working.ColumnOf({2003, 7, 2}));
    EXPECT_EQ(working.Column(*working.ColumnOf({2003, 7, 2})).frames.size(), 1u);
    ASSERT_EQ(listener.changed.size(), 1u);
    EXPECT_EQ(listener.changed[0], (std::vector<Date>{{2003, 7, 2}, {2003, 7, 3}, {2003, 7, 4}, {2003, 7, 5}}));

    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(StoreLines(), before);
    EXPECT_FALSE(design.Modified());
    EXPECT_TRUE(history.Entries().empty());
}

TEST_F(CsvImportCommandTest, NothingImportedLeavesDesignHistoryAndFlagAlone) {
    table.LoadLines({"Date,Start,End,Title", "not a date,,,", ",10:00,,x"});
    const CsvImportResult result = Run();
    EXPECT_EQ(result.rows, 0);
    EXPECT_EQ(result.earliestAdded, Date{});
    EXPECT_TRUE(StoreLines().empty());
    EXPECT_FALSE(design.Modified());
    EXPECT_TRUE(history.Entries().empty());
    EXPECT_TRUE(listener.changed.empty());
    ShowCsvImportDone(result, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "インポート対象データはありませんでした。");
}

TEST_F(CsvImportCommandTest, FrozenLinesAreNotImported) {
    const CsvImportResult result = ImportCsvTable(context, ids, host, dialogs, table, 2, options, {});
    EXPECT_EQ(result.rows, 1);
    EXPECT_EQ(result.earliestAdded, (Date{2003, 7, 5}));
}

TEST_F(CsvImportCommandTest, TheStartDateMustBeMappedBeforeAnythingIsAsked) {
    EXPECT_FALSE(ConfirmCsvImport({-1, 1, 2, 3, 4}, {}, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, StartDateRequiredText());
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::Ok);
}

TEST_F(CsvImportCommandTest, TheConfirmationNamesTheConditionsAndNoCancels) {
    ImportChoices choices;
    choices.from = Date{2003, 7, 1};
    choices.duplicates = DuplicateRule::Skip;
    dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(ConfirmCsvImport(options.importCol, choices, dialogs));
    EXPECT_TRUE(ConfirmCsvImport(options.importCol, choices, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.shown[0].text,
              "指定された対応項目によりインポート処理を行います。\r\n\r\n取り込み条件\r\n\r\n"
              "    開始日　　　　　　　　：　2003/07/01\r\n    終了日　　　　　　　　：　指定無し\r\n"
              "    重複データの扱い　：　取り込まない\r\n\r\nよろしいですか？");
}

TEST_F(CsvImportCommandTest, UndoAfterAnEarlierEditKeepsTheModifiedFlagOfBefore) {
    design.SetModified(true);
    Run();
    ASSERT_EQ(history.Entries().size(), 1u);
    EXPECT_TRUE(history.Entries()[0].modified);
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_TRUE(design.Modified());
}

}  // namespace
}  // namespace mv::test
