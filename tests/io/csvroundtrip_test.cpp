#include <gtest/gtest.h>

#include "io/csv/csvexport.h"
#include "io/csv/csvformat.h"
#include "io/csv/csvmapping.h"
#include "model/codec.h"
#include "model/recordline.h"
#include "tests/io/csvimportsupport.h"

namespace mv {
namespace {

using Lines = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

Rows Split(const Lines& lines) {
    Rows rows;
    for (const std::string& line : lines) rows.push_back(SplitCsvLine(line));
    return rows;
}

// Imports rows with the automatic mapping from the first line, which is frozen.
int AutoImport(test::ImportFixture& target, const Rows& rows) {
    CsvOptions options;
    std::size_t columns = 0;
    for (const auto& row : rows) columns = std::max(columns, row.size());
    options.importCol = AutoMapColumns(ColumnListLines(rows.at(0), static_cast<int>(columns)), options.taiou);
    options.frozenRows = 1;
    return target.importer.RunImport(rows, options, {});
}

TEST(CsvRoundTrip, ExportedFramesImportAsTheSameFrames) {
    test::ImportFixture source;
    auto add = [&](const Date& date, int start, int end, const std::string& title) {
        TCInf frame;
        frame.CDate = date;
        frame.Cid = "PC01-20240101000000-00001";
        frame.STime = start;
        frame.ETime = end;
        TFInf field;
        field.FTextStr = title;
        frame.Fields.push_back(field);
        source.design.Store().Slot(SlotOfDate(date)).push_back(BuildRecordLine(frame));
    };
    add({2024, 5, 10}, 1400, 1530, "later first");
    add({2024, 5, 10}, 900, 1000, "a, b and c");
    add({2024, 5, 10}, 2200, 2600, Sjis("夜間作業"));
    add({2024, 5, 11}, 2500, 2700, "after midnight");
    add({2024, 5, 11}, 2000, 2400, "to midnight");
    add({2024, 5, 12}, 500, 2900, "whole day");
    add({2024, 5, 12}, 2400, 2600, "from midnight");
    add({2024, 12, 31}, 2300, 2800, "new year");
    add({2024, 2, 29}, 800, 900, "");

    CsvOptions options;
    options.exportCol = {4, 2, 3, 0, 1};  // headings in another order: the mapping follows them
    Lines exported;
    const int count = BuildExportLines(source.design.Store(), RecordContext{2024, {}, nullptr}, 2024, options,
                                       ExportChoices{}, exported);
    EXPECT_EQ(count, 10);
    EXPECT_EQ(exported[0], Sjis("件名,終了日,終了時刻,開始日,開始時刻"));
    EXPECT_EQ(exported[1], ",2024/02/29,09:00:00,2024/02/29,08:00:00");  // no title
    EXPECT_EQ(exported[3], "\"a, b and c\",2024/05/10,10:00:00,2024/05/10,09:00:00");

    test::ImportFixture target;
    EXPECT_EQ(AutoImport(target, Split(exported)), 9);
    EXPECT_EQ(target.Frames(), source.Frames());
}

// A calendar program's export in the common Japanese 22-column layout, every field quoted.
const char* const kCalendarCsv =
    "\"件名\",\"開始日\",\"開始時刻\",\"終了日\",\"終了時刻\",\"終日イベント\",\"アラーム オン/オフ\","
    "\"アラーム日付\",\"アラーム時刻\",\"会議の開催者\",\"必須出席者\",\"任意出席者\",\"リソース\",\"場所\","
    "\"内容\",\"分類\",\"秘密度\",\"優先度\",\"公開する時間帯\",\"プライベート\",\"経費情報\",\"支払い条件\"\r\n"
    "\"定例会議\",\"2024/5/10\",\"10:00:00\",\"2024/5/10\",\"11:30:00\",\"オフ\",\"オン\",\"2024/5/10\","
    "\"9:45:00\",\"山田 太郎\",\"佐藤, 鈴木\",\"\",\"\",\"会議室A, 3階\",\"議題: 予算\",\"\",\"標準\",\"標準\","
    "\"予定あり\",\"オフ\",\"\",\"\"\r\n"
    "\"創立記念日\",\"2024/5/11\",\"0:00:00\",\"2024/5/12\",\"0:00:00\",\"オン\",\"オフ\",\"\",\"\",\"\",\"\","
    "\"\",\"\",\"\",\"\",\"\",\"標準\",\"標準\",\"空き時間\",\"オフ\",\"\",\"\"\r\n"
    "\"出張\",\"2024/5/13\",\"8:00:00\",\"2024/5/14\",\"20:00:00\",\"オフ\",\"オフ\",\"\",\"\",\"\",\"\",\"\","
    "\"\",\"大阪\",\"\",\"\",\"標準\",\"標準\",\"外出中\",\"オフ\",\"\",\"\"\r\n";

TEST(CsvCalendarImport, TwentyTwoQuotedColumnsMapAutomatically) {
    test::TempFolder folder;
    test::WriteBytes(folder / "calendar.csv", Sjis(kCalendarCsv));
    test::ImportFixture target;
    auto lines = ReadCsvLines(folder / "calendar.csv", target.host, target.dialogs);
    ASSERT_TRUE(lines);
    Rows rows = Split(*lines);
    ASSERT_EQ(rows[0].size(), 22u);
    ASSERT_EQ(rows[1].size(), 22u);  // commas inside quotes stay in their field
    EXPECT_EQ(rows[1][13], Sjis("会議室A, 3階"));

    EXPECT_EQ(AutoImport(target, Split(*lines)), 3);
    // The all-day event runs from midnight to midnight: the small hours belong to the
    // design day before.
    EXPECT_EQ(target.Frames(), (Lines{"2024/05/10 1000-1130 " + Sjis("定例会議"),
                                      "2024/05/10 2400-2900 " + Sjis("創立記念日"),
                                      "2024/05/11 500-2400 " + Sjis("創立記念日"),
                                      "2024/05/13 800-2900 " + Sjis("出張") + " (1)",
                                      "2024/05/14 500-2000 " + Sjis("出張") + " (2)"}));
}

}  // namespace
}  // namespace mv
