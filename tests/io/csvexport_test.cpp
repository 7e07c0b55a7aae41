#include "io/csv/csvexport.h"

#include <gtest/gtest.h>

#include "model/codec.h"
#include "model/frame.h"
#include "model/keyvalueline.h"
#include "model/linestore.h"
#include "model/recordline.h"

namespace mv {
namespace {

TFInf Field(int id, const std::string& text, int y0 = 0, int y1 = 0) {
    TFInf field;
    field.FID = id;
    field.FTextStr = text;
    field.FOff_Y0 = y0;
    field.FOff_Y1 = y1;
    return field;
}

TCInf Frame(const Date& date, int start, int end, std::vector<TFInf> fields) {
    TCInf frame;
    frame.CDate = date;
    frame.Cid = "PC01-20240101000000-00001";
    frame.STime = start;
    frame.ETime = end;
    frame.Fields = std::move(fields);
    return frame;
}

const Date kDay{2024, 5, 10};

TEST(CsvExport, DefaultLayoutWritesHeadingAndFrame) {
    CsvOptions options;
    ApplyDefinitionDefaults(options);
    EXPECT_EQ(HeadingLine(options), Sjis("開始日,開始時刻,終了日,終了時刻,件名"));
    TCInf frame = Frame(kDay, 900, 1800, {Field(0, "Meeting")});
    EXPECT_EQ(DataLine(FrameToCsvFields(frame, kDay, 0), ExportOrder(options.exportCol)),
              "2024/05/10,09:00:00,2024/05/10,18:00:00,Meeting");
}

TEST(CsvExport, TimesAfterMidnightMoveToTheNextCalendarDay) {
    auto fields = [](int start, int end) {
        CsvTexts t = FrameToCsvFields(Frame(kDay, start, end, {}), kDay, 0);
        return t[0] + " " + t[1] + " " + t[2] + " " + t[3];
    };
    EXPECT_EQ(fields(2200, 2600), "2024/05/10 22:00:00 2024/05/11 02:00:00");
    EXPECT_EQ(fields(2500, 2700), "2024/05/11 01:00:00 2024/05/11 03:00:00");
    EXPECT_EQ(fields(2000, 2400), "2024/05/10 20:00:00 2024/05/11 00:00:00");
    EXPECT_EQ(fields(500, 2900), "2024/05/10 05:00:00 2024/05/11 05:00:00");
    // The day after the last of a month and of a year.
    Date newYearsEve{2024, 12, 31};
    CsvTexts t = FrameToCsvFields(Frame(newYearsEve, 2330, 2530, {}), newYearsEve, 0);
    EXPECT_EQ(t[2], "2025/01/01");
}

TEST(CsvExport, TitleIsTheFirstUsableFieldInDisplayOrder) {
    const std::string dot = Sjis("・");
    // Field 1 is the time field; "・" and blanks are no title.
    TCInf frame = Frame(kDay, 900, 1000, {Field(1, "9:00"), Field(0, "  "), Field(0, dot), Field(2, "B")});
    EXPECT_EQ(FrameToCsvFields(frame, kDay, 0)[4], "B");
    EXPECT_EQ(FrameToCsvFields(Frame(kDay, 900, 1000, {Field(0, dot)}), kDay, 0)[4], "");

    // Display order follows the offsets of the title location, ties keep stored order.
    TCInf placed = Frame(kDay, 900, 1000, {Field(0, "low", 30, 0), Field(0, "high", 10, 20), Field(0, "tie", 30, 10)});
    EXPECT_EQ(FrameToCsvFields(placed, kDay, 0)[4], "high");
    EXPECT_EQ(FrameToCsvFields(placed, kDay, 1)[4], "low");

    // Line-break bytes go; blanks around the text stay.
    TCInf multiLine = Frame(kDay, 900, 1000, {Field(0, std::string(" a") + kLineBreakByte + "b ")});
    EXPECT_EQ(FrameToCsvFields(multiLine, kDay, 0)[4], " ab ");
}

TEST(CsvExport, ColumnOrderAndQuotingOfTitles) {
    CsvOptions options;
    options.exportCol = {4, 0, 1, 2, 3};
    EXPECT_EQ(HeadingLine(options), Sjis("件名,開始日,開始時刻,終了日,終了時刻"));
    CsvColumns order = ExportOrder(options.exportCol);
    EXPECT_EQ(DataLine(FrameToCsvFields(Frame(kDay, 900, 1000, {Field(0, "a,b")}), kDay, 0), order),
              "\"a,b\",2024/05/10,09:00:00,2024/05/10,10:00:00");
    EXPECT_EQ(DataLine(FrameToCsvFields(Frame(kDay, 900, 1000, {Field(0, "say \"x\"")}), kDay, 0), order),
              "say \"x\",2024/05/10,09:00:00,2024/05/10,10:00:00");
    // Entries that name no item fall back to their own column instead of reading past
    // the five items.
    EXPECT_EQ(ExportOrder({-1, 7, 1, 2, 3}), (CsvColumns{0, 1, 1, 2, 3}));
}

class ExportLines : public ::testing::Test {
protected:
    void Add(const TCInf& frame) { store.Slot(SlotOfDate(frame.CDate)).push_back(BuildRecordLine(frame)); }

    LineStore store;
    RecordContext context{2024, {}, nullptr};
    CsvOptions options;
};

TEST_F(ExportLines, StoreOrderWithinADayAndDateOrderAcrossDays) {
    Add(Frame({2024, 5, 11}, 800, 900, {Field(0, "third")}));
    Add(Frame(kDay, 1500, 1600, {Field(0, "first")}));
    Add(Frame(kDay, 900, 1000, {Field(0, "second")}));
    // A date-column record and a day the base year lacks are no frames.
    TCInf column = Frame(kDay, -1, -1, {});
    column.TextStr = "header";
    Add(column);
    store.Slot(SlotOf(2, 29)).push_back(BuildRecordLine(Frame({2024, 2, 29}, 900, 1000, {Field(0, "leap")})));

    std::vector<std::string> lines;
    ExportChoices choices;
    choices.headingLine = false;
    EXPECT_EQ(BuildExportLines(store, context, 2024, options, choices, lines), 4);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "2024/02/29,09:00:00,2024/02/29,10:00:00,leap");
    EXPECT_EQ(lines[1], "2024/05/10,15:00:00,2024/05/10,16:00:00,first");
    EXPECT_EQ(lines[2], "2024/05/10,09:00:00,2024/05/10,10:00:00,second");
    EXPECT_EQ(lines[3], "2024/05/11,08:00:00,2024/05/11,09:00:00,third");

    // The range can be limited; a 2023 view exports the template's frames in 2023, where
    // 02/29 does not exist.
    lines.clear();
    choices.from = Date{2024, 5, 11};
    EXPECT_EQ(BuildExportLines(store, context, 2024, options, choices, lines), 1);
    lines.clear();
    EXPECT_EQ(BuildExportLines(store, context, 2023, options, ExportChoices{std::nullopt, std::nullopt, false}, lines), 3);
    EXPECT_EQ(lines[0].substr(0, 10), "2023/05/10");
}

TEST_F(ExportLines, EmptyOrReversedRangeGivesOnlyTheHeading) {
    Add(Frame(kDay, 900, 1000, {Field(0, "x")}));
    ExportChoices choices;
    choices.from = Date{2024, 6, 1};
    choices.to = Date{2024, 5, 1};
    std::vector<std::string> lines;
    EXPECT_EQ(BuildExportLines(store, context, 2024, options, choices, lines), 1);
    EXPECT_EQ(ExportDoneText(0), "エキスポート対象データはありませんでした。");
    EXPECT_EQ(ExportDoneText(1), "エキスポートのデータ作成を終了しました。\r\n\r\n    エキスポートデータ行数 = 1");
}

TEST_F(ExportLines, LinesAreReadAsTheRecordReaderReadsThem) {
    // Lines the export reads for itself: missing times, fields in another display order,
    // a time field, a block without text, an unclosed block, a shadowing item in a text.
    const LineList lines = {
        "Ci_CDate=2024/05/10%!#Ci_Cid=x%!#",
        "Ci_CDate=2024/05/10%!#Ci_STime=2300%!#Ci_ETime=2630%!#%!##Filed[Fi_FID=1%!#Fi_FTextStr=23:00%!#"
        "Fi_FOff_Y0=0%!##Filed]#Filed[Fi_FID=0%!#Fi_FTextStr=below%!#Fi_FOff_Y0=30%!#Fi_FOff_Y1=1%!##Filed]"
        "#Filed[Fi_FID=0%!#Fi_FTextStr=above%!#Fi_FOff_Y0=20%!#Fi_FOff_Y1=2%!##Filed]",
        "Ci_CDate=2024/05/10%!#Ci_STime=900%!#Ci_ETime=1000%!#%!##Filed[Fi_FID=0%!##Filed]#Filed[Fi_FTextStr=b%!#",
        "Ci_CDate=2024/05/10%!#Ci_TextStr=a Ci_STime=1500%!#Ci_STime=900%!#Ci_ETime=1000%!#",
        "Ci_CDate=2024/05/10%!#Ci_STime=-1%!#Ci_ETime=-1%!#",
    };
    for (int titleLocation = 0; titleLocation < 2; ++titleLocation) {
        store.Slot(SlotOf(5, 10)) = lines;
        options.titleLocation = titleLocation;
        std::vector<std::string> expected;
        for (const std::string& line : lines) {
            ParsedRecord parsed = ParseRecordLine(line, context);
            if (parsed.kind == ParsedRecord::Kind::Frame)
                expected.push_back(DataLine(FrameToCsvFields(*parsed.frame, kDay, titleLocation), {0, 1, 2, 3, 4}));
        }
        std::vector<std::string> exported;
        ExportChoices choices{kDay, kDay, false};
        BuildExportLines(store, context, 2024, options, choices, exported);
        EXPECT_EQ(exported, expected);
        EXPECT_EQ(exported.size(), 4u);
    }
}

TEST(CsvExport, ConfirmationNamesTheConditions) {
    ExportChoices choices;
    choices.to = Date{2024, 3, 31};
    std::string text = ExportConfirmationText(2024, choices);
    EXPECT_NE(text.find("：　指定無し ( 2024/01/01 )\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("：　2024/03/31\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("１行目の列見出し行  ：　出力する\r\n\r\nよろしいですか？"), std::string::npos) << text;
}

}  // namespace
}  // namespace mv
