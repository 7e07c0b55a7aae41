#include "io/csv/csvimporter.h"

#include <gtest/gtest.h>

#include "io/csv/csvdatetime.h"
#include "io/csv/csvmapping.h"
#include "model/codec.h"
#include "model/workingset.h"
#include "tests/io/csvimportsupport.h"

namespace mv {
namespace {

using Lines = std::vector<std::string>;

TEST(CsvDateTime, DatesWithSlashesDigitsAndTwoDigitYears) {
    auto date = [](std::string_view text) {
        auto d = NormalizeCsvDate(text);
        return d ? FormatDate(*d) : std::string("none");
    };
    EXPECT_EQ(date("2024/5/10"), "2024/05/10");
    EXPECT_EQ(date(" 2024/05/10 "), "2024/05/10");
    EXPECT_EQ(date("24/5/10"), "2024/05/10");
    EXPECT_EQ(date("20240510"), "2024/05/10");
    EXPECT_EQ(date("240510"), "2024/05/10");
    EXPECT_EQ(date("29/1/1"), "2029/01/01");
    EXPECT_EQ(date("30/1/1"), "1930/01/01");
    EXPECT_EQ(date("99/12/31"), "1999/12/31");
    EXPECT_EQ(date("2024-05-10"), "none");
    EXPECT_EQ(date("2023/02/29"), "none");
    EXPECT_EQ(date("2024/05"), "none");
    EXPECT_EQ(date("2024年5月10日"), "none");
    EXPECT_EQ(date(""), "none");
    // The usual "YYYY/MM/DD" is read as any other slashed date.
    EXPECT_EQ(date("0024/01/31"), "2024/01/31");
    EXPECT_EQ(date("0030/01/31"), "1930/01/31");
    EXPECT_EQ(date("0000/01/31"), "2000/01/31");
    EXPECT_EQ(date("2024/13/01"), "none");
    EXPECT_EQ(date("2024/00/10"), "none");
    EXPECT_EQ(date("2024/1a/10"), "none");
    EXPECT_EQ(date("2024/05/10/3"), "2024/05/10");
    EXPECT_EQ(date("12024/05/10"), "none");
    EXPECT_EQ(date("/05/10"), "none");
    EXPECT_EQ(date("2024/5/1234567890"), "none");
    EXPECT_EQ(date("202405101"), "2024/05/10");
}

TEST(CsvDateTime, TimesWithColonsOrDigitsHoursModulo24) {
    auto time = [](std::string_view text) { return NormalizeCsvTime(text).value_or(-1); };
    EXPECT_EQ(time("9:30"), 93000);
    EXPECT_EQ(time("09:30:15"), 93015);
    EXPECT_EQ(time("930"), 93000);
    EXPECT_EQ(time("0930"), 93000);
    EXPECT_EQ(time("9"), 90000);
    EXPECT_EQ(time("9:"), 90000);
    EXPECT_EQ(time("123045"), 123045);
    EXPECT_EQ(time("25:30"), 13000);
    EXPECT_EQ(time("24:00"), 0);
    EXPECT_EQ(time("12:60"), -1);
    EXPECT_EQ(time("12:00:60"), -1);
    EXPECT_EQ(time("1a:00"), -1);
    EXPECT_EQ(time("9.30"), -1);
    EXPECT_EQ(time(""), -1);
    // The usual "HH:MM" and "HH:MM:SS" are read as any other time with colons.
    EXPECT_EQ(time("00:00"), 0);
    EXPECT_EQ(time("23:59:59"), 235959);
    EXPECT_EQ(time("48:05:07"), 507);
    EXPECT_EQ(time("99:59"), 35900);
    EXPECT_EQ(time("09:60"), -1);
    EXPECT_EQ(time("09:30:6a"), -1);
    EXPECT_EQ(time(" 09:30 "), 93000);
    EXPECT_EQ(time("0930:"), 180000);
    EXPECT_EQ(time(":30"), 3000);
    EXPECT_EQ(time("1234567890:00"), -1);
    EXPECT_EQ(time("1:2:3:4"), 10203);
    EXPECT_EQ(time("12345"), 123405);
}

class CsvImport : public ::testing::Test, protected test::ImportFixture {};

TEST_F(CsvImport, RowsBecomeFramesOnTheDesignDay) {
    EXPECT_EQ(Import({"2024/05/10,,,,only date"}), 1);
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 900-1800 only date"}));
}

TEST_F(CsvImport, EndsUpTo0500NextMorningStayOnTheStartDay) {
    Import({"2024/05/10,22:00,2024/05/11,02:00,night", "2024/06/01,22:00,2024/06/02,05:00,till five"});
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 2200-2600 night", "2024/06/01 2200-2900 till five"}));
}

TEST_F(CsvImport, RowsOverSeveralDaysAreSplitAndNumbered) {
    Import({"2024/05/10,22:00,2024/05/12,10:00,trip"});
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 2200-2900 trip (1)", "2024/05/11 500-2900 trip (2)",
                               "2024/05/12 500-1000 trip (3)"}));
}

TEST_F(CsvImport, EarlyEndOnTheLastOfSeveralDaysClosesTheDayBefore) {
    // 03:00 on the 12th is the small hours of the 11th: nothing belongs on the 12th.
    Import({"2024/05/10,10:00,2024/05/12,03:00,late", "2024/06/10,10:00,2024/06/12,00:00,midnight"});
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 1000-2900 late (1)", "2024/05/11 500-2700 late (2)",
                               "2024/06/10 1000-2900 midnight (1)", "2024/06/11 500-2400 midnight (2)"}));
}

TEST_F(CsvImport, TimesBefore0500GoToThePreviousDay) {
    Import({"2024/05/10,03:00,2024/05/10,07:00,early", "2024/06/10,25:30,,,late start",
            "2024/07/10,01:00,2024/07/10,04:00,small hours"});
    EXPECT_EQ(Frames(), (Lines{"2024/05/09 2700-2900 early", "2024/05/10 500-700 early",
                               "2024/06/09 2530-2900 late start", "2024/06/10 500-1800 late start",
                               "2024/07/09 2500-2800 small hours"}));
}

TEST_F(CsvImport, EndAtMidnightOfTheStartDateClosesThatDay) {
    Import({"2024/05/10,22:00,2024/05/10,24:00,late", "2024/06/10,22:00,,0:00,blank end date",
            "2024/07/10,03:00,2024/07/10,24:00:00,from the small hours", "2024/08/10,0:00,,24:00,whole day"});
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 2200-2400 late", "2024/06/10 2200-2400 blank end date",
                               "2024/07/09 2700-2900 from the small hours", "2024/07/10 500-2400 from the small hours",
                               "2024/08/09 2400-2900 whole day", "2024/08/10 500-2400 whole day"}));
}

TEST_F(CsvImport, RowsRunningOnForMoreThanAYearAreRefusedAndCounted) {
    design.SetModified(false);
    EXPECT_EQ(Import({"2024/05/10,9:00,9999/12/31,10:00,typo", "2024/05/10,9:00,2025/05/10,9:01,a minute more",
                      "2025/05/10,,2024/05/09,,reversed", "2024/05/10,9:00,2025/05/10,9:00,a year",
                      "2024/02/29,9:00,2025/02/28,9:00,leap day", "2024/02/29,9:00,2025/03/01,,leap day on"}),
              2);
    EXPECT_EQ(importer.State().rowsRefused, 4);
    // A year to the minute reaches the first day again, without overlapping it.
    const Lines frames = Frames();
    EXPECT_EQ(frames.size(), 2u * 366);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "2024/05/10 900-2900 a year (1)"), 1);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "2025/05/10 500-900 a year (366)"), 1);

    // Only the adding pass counts, and only rows the date range lets through.
    ImportChoices replaceInMay;
    replaceInMay.to = Date{2024, 5, 31};
    EXPECT_EQ(Import({"2024/05/10,9:00,9999/12/31,10:00,typo", "2023/05/10,9:00,2024/05/11,10:00,long"}, replaceInMay),
              0);
    EXPECT_EQ(importer.State().rowsRefused, 1);
    EXPECT_EQ(ImportDoneText(0, 1), "インポート対象データはありませんでした。\r\n\r\n    取り込まなかった行数 = 1"
                                    "\r\n\r\n開始から終了までが１年を超える行は取り込みません。\r\n"
                                    "（１年分のデザインでは、同じ月日に同じ枠が重なるだけのため）");
    EXPECT_EQ(ImportDoneText(2, 4).rfind(ImportDoneText(2) + "\r\n\r\n    取り込まなかった行数 = 4\r\n", 0), 0u);
}

TEST_F(CsvImport, DateFormsAndInvalidTexts) {
    EXPECT_EQ(Import({"2024-05-10,9:00,,10:00,hyphen", "20240511,9:00,,10:00,digits", "24/5/12,9:00,,10:00,short",
                      ",9:00,,10:00,no date", "2024/05/13,9x,2024/13/01,99:99,bad rest"}),
              3);
    EXPECT_EQ(Frames(), (Lines{"2024/05/11 900-1000 digits", "2024/05/12 900-1000 short",
                               "2024/05/13 900-1800 bad rest"}));
}

TEST_F(CsvImport, ReversedDatesAndTimesAreSwapped) {
    Import({"2024/05/12,10:00,2024/05/11,09:00,dates", "2024/06/10,18:00,2024/06/10,09:00,times"});
    // The dates are swapped, the times stay: 10:00 on the 11th to 09:00 on the 12th.
    EXPECT_EQ(Frames(), (Lines{"2024/05/11 1000-2900 dates (1)", "2024/05/12 500-900 dates (2)",
                               "2024/06/10 900-1800 times"}));
}

TEST_F(CsvImport, DateRangeLimitsWholeRows) {
    ImportChoices choices;
    choices.from = Date{2024, 5, 10};
    choices.to = Date{2024, 5, 20};
    EXPECT_EQ(Import({"2024/05/09,9:00,,10:00,before", "2024/05/10,9:00,,10:00,first day",
                      "2024/05/20,22:00,2024/05/21,01:00,over the end", "2024/05/20,9:00,,10:00,last day"},
                     choices),
              2);
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 900-1000 first day", "2024/05/20 900-1000 last day"}));
}

TEST_F(CsvImport, DuplicateRules) {
    const Lines csv = {"2024/05/10,9:00,,10:00,A", "2024/05/10,9:00,,11:00,B"};
    Import(csv);
    Import(csv);  // "置換する" is the default
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 900-1000 A", "2024/05/10 900-1100 B"}));

    ImportChoices keep;
    keep.duplicates = DuplicateRule::Keep;
    Import(csv, keep);
    EXPECT_EQ(Frames().size(), 4u);

    ImportChoices skip;
    skip.duplicates = DuplicateRule::Skip;
    EXPECT_EQ(Import({"2024/05/10,9:00,,10:00,again", "2024/05/10,12:00,,13:00,new", "2024/05/10,12:00,,13:00,twice"},
                     skip),
              1);
    EXPECT_EQ(Frames().back(), "2024/05/10 1200-1300 new");
    EXPECT_EQ(Frames().size(), 5u);

    // Replacing removes every stored frame with the same day and times, whatever its title.
    Import({"2024/05/10,9:00,,10:00,C"});
    EXPECT_EQ(Frames(), (Lines{"2024/05/10 900-1100 B", "2024/05/10 900-1100 B", "2024/05/10 1200-1300 new",
                               "2024/05/10 900-1000 C"}));
}

TEST_F(CsvImport, FrozenLinesAreNotImported) {
    const Lines csv = {"2024/05/01,9:00,,10:00,first line", "2024/05/02,9:00,,10:00,second line"};
    EXPECT_EQ(Import(csv, {}, 1), 1);
    EXPECT_EQ(Frames(), (Lines{"2024/05/02 900-1000 second line"}));
    // A heading line read as data is skipped: its start date is not a date.
    EXPECT_EQ(Import({Sjis("開始日,開始時刻,終了日,終了時刻,件名"), "2024/05/03,9:00,,10:00,x"}, {}, 0), 1);
    // The grid never freezes every line, so a single line is read.
    EXPECT_EQ(Import({"2024/05/04,9:00,,10:00,alone"}, {}, 1), 1);
    EXPECT_EQ(FrozenLines(3, 10), 3);
    EXPECT_EQ(FrozenLines(3, 2), 1);
    EXPECT_EQ(FrozenLines(1, 0), 0);
}

TEST_F(CsvImport, RunStateHoldsTheUndoLinesAndDates) {
    design.SetModified(false);
    EXPECT_EQ(Import({"2024/05/10,22:00,2024/05/12,10:00,trip", "2024/04/01,9:00,,10:00,Memo"}), 2);
    const ImportRunState& state = importer.State();
    EXPECT_TRUE(design.Modified());
    EXPECT_FALSE(state.wasModified);
    EXPECT_EQ(state.framesAdded, 4);
    EXPECT_EQ(state.BeforeLines, Lines(4, ""));
    ASSERT_EQ(state.AfterLines.size(), 4u);
    EXPECT_EQ(state.AfterLines[3],
              "Ci_CDate=2024/04/01%!#Ci_Cid=PC01-20030701140359-00004%!#Ci_STime=900%!#Ci_ETime=1000%!#"
              "#Filed[Fi_FID=0%!#Fi_FTextStr=Memo%!##Filed]");
    EXPECT_EQ(state.earliestAdded, (Date{2024, 4, 1}));
    EXPECT_EQ(state.latestAdded, (Date{2024, 5, 12}));
    EXPECT_EQ(state.earliestPiece, (Date{2024, 4, 1}));
    EXPECT_EQ(state.earliestStart, 900);
    // The stored line reads back as the frame it describes.
    ParsedRecord parsed = ParseRecordLine(state.AfterLines[0], RecordContext{2024, {}, nullptr});
    ASSERT_EQ(parsed.kind, ParsedRecord::Kind::Frame);
    EXPECT_EQ(parsed.frame->Title, "trip (1)");
    EXPECT_EQ(parsed.frame->STime, 2200);
}

TEST_F(CsvImport, NothingImportedLeavesTheDesignUnmodified) {
    design.SetModified(false);
    EXPECT_EQ(Import({"not a date,9:00"}), 0);
    EXPECT_FALSE(design.Modified());
    EXPECT_TRUE(importer.State().AfterLines.empty());
    EXPECT_EQ(ImportDoneText(0), "インポート対象データはありませんでした。");
    EXPECT_EQ(ImportDoneText(3), "インポート処理を終了しました。\r\n\r\n    インポート行数 = 3");
}

TEST_F(CsvImport, FramesOnScreenFollowTheDayStore) {
    RecordContext context{2024, {}, nullptr};
    WorkingSet view(design.Store(), context);
    view.Build({2024, 5, 9}, 3);
    view.LoadView();
    importer.SetView(&view);
    Import({"2024/05/10,9:00,,10:00,old", "2024/05/10,11:00,,12:00,other"});
    ASSERT_EQ(view.Column(1).frames.size(), 2u);
    EXPECT_EQ(importer.State().dayOffsets, (std::vector<int>{1, 1}));

    // An edit on screen that is not yet in the day store survives the import, and the
    // replaced frame leaves the screen.
    view.Column(1).frames[1]->Fields[0].FTextStr = "edited";
    design.SetModified(true);
    Import({"2024/05/10,9:00,,10:00,new", "2024/07/01,9:00,,10:00,off screen"});
    ASSERT_EQ(view.Column(1).frames.size(), 2u);
    EXPECT_EQ(view.Column(1).frames[0]->Title, "edited");
    EXPECT_EQ(view.Column(1).frames[1]->Title, "new");
    EXPECT_EQ(importer.State().dayOffsets, (std::vector<int>{1}));
    EXPECT_TRUE(importer.State().wasModified);
}

TEST(CsvMapping, ColumnListAndAutomaticMapping) {
    std::vector<std::string> first = {Sjis("件名"), Sjis("開始日"), Sjis("開始時刻"), Sjis("終了日"), Sjis("終了時刻")};
    Lines list = ColumnListLines(first, 6);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0], "   1. " + Sjis("件名"));
    EXPECT_EQ(list[5], "   6. ");
    EXPECT_EQ(AutoMapColumns(list, DefaultCsvTaiou()), (CsvColumns{1, 2, 3, 4, 0}));

    // Substrings count; the first match wins; an empty name maps nothing.
    CsvTexts names = {Sjis("開始"), "", Sjis("終了"), Sjis("時刻"), Sjis("なし")};
    EXPECT_EQ(AutoMapColumns(list, names), (CsvColumns{1, -1, 3, 2, -1}));
}

TEST(CsvMapping, SameColumnTwiceIsRefused) {
    test::FakeDialogs dialogs;
    Lines list = ColumnListLines({"date", "title"}, 2);
    CsvColumns mapping{0, -1, -1, -1, -1};
    EXPECT_TRUE(MapColumn(mapping, 4, 1, list, dialogs));
    EXPECT_FALSE(MapColumn(mapping, 2, 0, list, dialogs));
    EXPECT_EQ(mapping, (CsvColumns{0, -1, -1, -1, 1}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "既に同じ列が選択されています。\r\n\r\n    ＞1. date");

    EXPECT_FALSE(CheckStartDateMapped({-1, 0, 1, 2, 3}, dialogs));
    EXPECT_EQ(dialogs.shown.back().text,
              "対応項目の【 開始日 】 を指定して下さい。\r\n\r\n開始日はインポートの必須項目です。");
    EXPECT_EQ(RowTexts({"a", "b"}, {1, -1, 5, 0, -1}), (CsvTexts{"b", "", "", "a", ""}));
}

TEST(CsvMapping, QuestionsListTheConditions) {
    std::string question = AutoMappingQuestion(DefaultCsvTaiou());
    EXPECT_NE(question.find("\r\n\r\n    1.   \"開始日\"\r\n    2.   \"開始時刻\"\r\n"), std::string::npos);
    EXPECT_NE(question.find("    5.   \"件名\"\r\n\r\n\r\nよろしいですか？\r\n\r\n\r\n("), std::string::npos);

    ImportChoices choices;
    choices.from = Date{2024, 1, 2};
    choices.duplicates = DuplicateRule::Keep;
    EXPECT_EQ(ImportConfirmationText(choices),
              "指定された対応項目によりインポート処理を行います。\r\n\r\n取り込み条件\r\n"
              "\r\n    開始日　　　　　　　　：　2024/01/02"
              "\r\n    終了日　　　　　　　　：　指定無し"
              "\r\n    重複データの扱い　：　取り込む\r\n\r\nよろしいですか？");
}

}  // namespace
}  // namespace mv
