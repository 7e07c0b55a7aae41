#include <gtest/gtest.h>

#include "io/csv/csvimporter.h"
#include "model/codec.h"
#include "tests/io/csvimportsupport.h"

namespace mv {
namespace {

using Lines = std::vector<std::string>;

class SimpleImport : public ::testing::Test, protected test::ImportFixture {
protected:
    SimpleImport() {
        design.Store().Slot(SlotOf(1, 1)).push_back("Ci_CDate=2024/01/01%!#Ci_STime=900%!#Ci_ETime=1000%!#");
        design.SetPath(folder / "old.MVF");
        design.SetTitle("old");
        design.SetModified(true);
    }

    test::TempFolder folder;
};

TEST_F(SimpleImport, ReplacesTheDesignAndTakesTitleYearAndStart) {
    test::WriteBytes(folder / "plan.csv", Sjis("簡易インポート タイトル(Week plan)\r\n"
                                               "2023/05/09,07:30,09:00,Early\r\n"
                                               "2023/05/10,9:00,10:00,Meeting\r\n"
                                               " 2023/05/11,22:00,02:00,Night,extra\r\n"
                                               "x2023/05/12,9:00,10:00,not data\r\n"
                                               "2023/05/13,9:00,10:00\r\n"));
    SimpleImportResult result;
    ASSERT_TRUE(importer.SimpleImport(folder / "plan.csv", {}, &result));
    EXPECT_EQ(result.rows, 3);
    // Start and end date are both the first field, so an end before the start swaps the
    // times: 02:00 to 22:00, whose small hours belong to the day before.
    EXPECT_EQ(Frames(), (Lines{"2023/05/09 730-900 Early", "2023/05/10 900-1000 Meeting",
                               "2023/05/10 2600-2900 Night", "2023/05/11 500-2200 Night"}));
    EXPECT_EQ(design.Title(), "Week plan");
    EXPECT_EQ(design.BaseYear(), 2023);
    EXPECT_TRUE(design.Path().empty());
    EXPECT_FALSE(design.Modified());
    EXPECT_EQ(result.viewStart, (Date{2023, 5, 9}));
    EXPECT_EQ(result.topHourRow, 1);  // 07:30 is hour row 2; one row above it
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SimpleImport, TitleWithoutParenthesesAndUtf8File) {
    test::WriteBytes(folder / "utf8.csv", "\xEF\xBB\xBF簡易インポート タイトル 週間予定\r\n2024/06/01,10:00,11:00,会議\r\n");
    ASSERT_TRUE(importer.SimpleImport(folder / "utf8.csv", {}));
    EXPECT_EQ(design.Title(), Sjis("週間予定"));
    EXPECT_EQ(Frames(), (Lines{"2024/06/01 1000-1100 " + Sjis("会議")}));
}

TEST_F(SimpleImport, OtherFilesLeaveTheDesignAlone) {
    test::WriteBytes(folder / "plain.csv", "2024/06/01,10:00,11:00,x\r\n");
    EXPECT_FALSE(importer.SimpleImport(folder / "plain.csv", {}));
    EXPECT_FALSE(importer.SimpleImport(folder / "missing.csv", {}));
    test::WriteBytes(folder / "empty.csv", "");
    EXPECT_FALSE(importer.SimpleImport(folder / "empty.csv", {}));
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown[0].text, "これは Marovelantis のＣＳＶファイルではありません。\r\r\r     PATH = " +
                                         PathText(folder / "plain.csv") + "\r\r");
    EXPECT_EQ(Frames(), (Lines{"2024/01/01 900-1000"}));
    EXPECT_EQ(design.Title(), "old");
    EXPECT_TRUE(design.Modified());
}

TEST_F(SimpleImport, NoRowKeepsTheEmptyDesignsTitle) {
    test::WriteBytes(folder / "none.csv", Sjis("簡易インポート タイトル(Nothing)\r\n"));
    SimpleImportResult result;
    ASSERT_TRUE(importer.SimpleImport(folder / "none.csv", {}, &result));
    EXPECT_EQ(result.rows, 0);
    EXPECT_TRUE(Frames().empty());
    EXPECT_EQ(design.Title(), Sjis("タイムテーブル"));
}

}  // namespace
}  // namespace mv
