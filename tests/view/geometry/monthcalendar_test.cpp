// The month calendar's arithmetic: which dates a month shows, the cell sizes and the cell
// under a point, each day's list of frames and its detail text, how the lists share a
// cell's lines, where the detail box goes, and the month handed to the grid print window.

#include "view/geometry/monthcalendar.h"

#include <gtest/gtest.h>

#include "model/codec.h"
#include "model/dayslot.h"
#include "model/frame.h"
#include "model/holidaytable.h"
#include "model/linestore.h"
#include "model/recordline.h"
#include "view/geometry/monthprintcell.h"

namespace mv {
namespace {

TEST(MonthCalendarTest, AMonthShowsTheWeeksFromTheSundayBeforeItsFirstDay) {
    struct Case {
        Date date;
        Date last;
        int rows;
        Date gridFirst, gridLast;
    };
    const std::vector<Case> cases = {
        // Starts on a Sunday and is not a leap year: four weeks exactly, the fifth row
        // wholly in March since the sixth would start after February.
        {{2026, 2, 14}, {2026, 2, 28}, 5, {2026, 2, 1}, {2026, 3, 7}},
        // Starts on a Friday with 31 days: the 31st needs a sixth row.
        {{2026, 5, 31}, {2026, 5, 31}, 6, {2026, 4, 26}, {2026, 6, 6}},
        {{2024, 2, 1}, {2024, 2, 29}, 5, {2024, 1, 28}, {2024, 3, 2}},
        {{2003, 12, 31}, {2003, 12, 31}, 5, {2003, 11, 30}, {2004, 1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatDate(c.date));
        MonthCalendar month;
        month.Build(c.date);
        EXPECT_EQ(month.FirstDay(), (Date{c.date.year, c.date.month, 1}));
        EXPECT_EQ(month.LastDay(), c.last);
        EXPECT_EQ(month.WeekRows(), c.rows);
        EXPECT_EQ(month.GridFirst(), c.gridFirst);
        EXPECT_EQ(month.GridLast(), c.gridLast);
        EXPECT_FALSE(month.ContentsLoaded());
        for (int i = 0; i < c.rows * kCalendarColumns; ++i) {
            EXPECT_EQ(month.At(i).date, AddDays(c.gridFirst, i));
            EXPECT_EQ(month.IndexOf(month.At(i).date), i);
        }
        EXPECT_EQ(month.IndexOf(AddDays(c.gridFirst, -1)), -1);
        EXPECT_EQ(month.IndexOf(AddDays(c.gridLast, 1)), -1);
    }
    MonthCalendar february;
    february.Build({2026, 2, 1});
    for (int column = 0; column < kCalendarColumns; ++column) {
        EXPECT_EQ(february.Cell(column, 4).date.month, 3);
        EXPECT_FALSE(february.InMonth(february.Cell(column, 4).date));
    }
    EXPECT_EQ(MonthTitle(february.FirstDay()), Sjis("2026年 2月"));
}

TEST(MonthCalendarTest, CellSizesAndTheCellUnderAPointAgree) {
    struct Case {
        int width, height, rows;
        int header, row, column;
    };
    const std::vector<Case> cases = {
        {1300, 800, 6, 53, 123, 184},  // (800 - 53 - 7) / 6, (1300 - 7) / 7
        {708, 450, 5, 30, 82, 100},    // (450 - 30 - 6) / 5, (708 - 7) / 7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const MonthGridGeometry grid = ComputeMonthGrid(c.width, c.height, c.rows);
        EXPECT_EQ(grid.headerHeight, c.header);
        EXPECT_EQ(grid.rowHeight, c.row);
        EXPECT_EQ(grid.columnWidth, c.column);
        for (int week = -1; week < c.rows; ++week)
            for (int column = 0; column < kCalendarColumns; ++column) {
                const MonthGridGeometry::Box box = grid.CellBox(column, week);
                const bool lastColumn = column == kCalendarColumns - 1, lastRow = week == c.rows - 1;
                EXPECT_EQ(box.width, c.column - (lastColumn ? 1 : 0));
                EXPECT_EQ(box.height, week < 0 ? c.header : c.row - (lastRow ? 1 : 0));
                EXPECT_LE(box.left + box.width, c.width);
                EXPECT_LE(box.top + box.height, c.height);
                for (const auto& [x, y] : {std::pair{box.left, box.top},
                                           std::pair{box.left + box.width - 1, box.top + box.height - 1}}) {
                    int foundColumn = -9, foundWeek = -9;
                    ASSERT_TRUE(grid.CellAt(x, y, foundColumn, foundWeek)) << column << "," << week;
                    EXPECT_EQ(foundColumn, column);
                    EXPECT_EQ(foundWeek, week);
                }
            }
        int column = 0, week = 0;
        EXPECT_FALSE(grid.CellAt(7 * (c.column + 1), 100, column, week));
        EXPECT_FALSE(grid.CellAt(10, c.header + 1 + c.rows * (c.row + 1), column, week));
        EXPECT_FALSE(grid.CellAt(-1, 100, column, week));
    }
}

// A frame's record line with fields (id, text, automatic offset, free offset).
struct TestField {
    int id;
    const char* text;
    int automaticY, freeY;
};
std::string FrameLine(const Date& date, const std::string& cid, int start, const std::vector<TestField>& fields) {
    FrameDefaults defaults;
    auto frame = NewFrame(defaults, cid);
    frame->CDate = date;
    frame->STime = start;
    frame->ETime = start + 100;
    for (const TestField& made : fields) {
        TFInf field = NewField(made.id, 0, defaults);
        field.FTextStr = Sjis(made.text);
        field.FOff_Y1 = made.automaticY;
        field.FOff_Y0 = made.freeY;
        frame->Fields.push_back(field);
    }
    return BuildRecordLine(*frame);
}

TEST(MonthCalendarTest, ADaysItemsTakeTheTopmostTitleFieldsFirstLine) {
    // Stacked top to bottom under automatic placement: the time field, "・", a blank field,
    // "上" (two lines), "下"; the free offsets stack them the other way round.
    const std::vector<TestField> fields = {
        {2, "下", 20, 0}, {kTimeFieldId, "[time]", 0, 40}, {2, "・", 5, 30}, {2, "  ", 6, 20}, {2, "上\x7f二行目", 10, 10}};
    struct Case {
        std::vector<TestField> fields;
        bool automatic;
        const char* content;
        const char* detail;
    };
    const std::vector<Case> cases = {
        {fields, true, "<9:05>#上%!#", "09:05  上  下%!#"},
        {fields, false, "<9:05>#下%!#", "09:05  下  上%!#"},
        {{{kTimeFieldId, "[time]", 0, 0}}, true, "<>#%!#", "09:05%!#"},
        {{}, true, "<>#%!#", "09:05%!#"},
        {{{2, "同じ高さ一", 0, 0}, {2, "同じ高さ二", 0, 0}}, true, "<9:05>#同じ高さ一%!#", "09:05  同じ高さ一  同じ高さ二%!#"},
        {{{2, "下", 3, 0}, {2, "上", -5, 0}}, true, "<9:05>#上%!#", "09:05  上  下%!#"},
    };
    RecordContext context;
    context.baseYear = 2026;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        const std::string line = FrameLine({2026, 2, 3}, "F", 905, c.fields);
        auto parsed = ParseRecordLine(line, context);
        std::string content, detail;
        AppendFrameItems(*parsed.frame, c.automatic, content, detail);
        EXPECT_EQ(content, Sjis(c.content));
        EXPECT_EQ(detail, Sjis(c.detail));
        // A month reads the same items straight from the stored line.
        LineStore store;
        store.AddLine({2026, 2, 3}, line);
        MonthCalendar month;
        month.Build({2026, 2, 3});
        month.LoadContents(store, context, c.automatic);
        EXPECT_EQ(month.At(month.IndexOf({2026, 2, 3})).content, Sjis(c.content));
        EXPECT_EQ(month.At(month.IndexOf({2026, 2, 3})).detail, Sjis(c.detail));
    }

    // Taken apart again, and shown with or without the time.
    const std::vector<CalendarItem> items = SplitContent(Sjis("<9:05>#上%!#<>#%!#<23:30>#深夜%!#"));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(ItemText(items[0], true), Sjis("<9:05> 上"));
    EXPECT_EQ(ItemText(items[0], false), Sjis("上"));
    EXPECT_EQ(ItemText(items[1], true), "");
    EXPECT_EQ(ItemText(items[1], false), "");
    EXPECT_EQ(ItemText(items[2], true), Sjis("<23:30> 深夜"));
}

TEST(MonthCalendarTest, ContentsComeFromTheStoredLinesOfEachShownDay) {
    LineStore store;
    RecordContext context;
    context.baseYear = 2026;
    store.AddLine({2026, 2, 3}, FrameLine({2026, 2, 3}, "A", 1000, {{2, "会議", 0, 0}}));
    store.AddLine({2026, 2, 3}, FrameLine({2026, 2, 3}, "B", 905, {{kTimeFieldId, "[time]", 0, 0}}));
    store.AddLine({2026, 3, 1}, FrameLine({2026, 3, 1}, "C", 1330, {{2, "三月", 0, 0}}));
    store.AddLine({2026, 3, 8}, FrameLine({2026, 3, 8}, "D", 1330, {{2, "見えない", 0, 0}}));
    FrameDefaults defaults;
    auto column = NewFrame(defaults, "K");
    column->CDate = {2026, 2, 4};
    column->STime = column->ETime = -1;
    column->TextStr = Sjis("列見出し");
    store.AddLine({2026, 2, 4}, BuildRecordLine(*column));

    MonthCalendar month;
    month.Build({2026, 2, 10});
    month.LoadContents(store, context, true);
    EXPECT_TRUE(month.ContentsLoaded());
    const int third = month.IndexOf({2026, 2, 3});
    EXPECT_EQ(month.At(third).content, Sjis("<10:00>#会議%!#<>#%!#"));
    EXPECT_EQ(month.At(third).detail, Sjis("10:00  会議%!#09:05%!#"));
    EXPECT_EQ(month.At(month.IndexOf({2026, 2, 4})).content, "") << "a column record is no frame";
    EXPECT_EQ(month.At(month.IndexOf({2026, 3, 1})).content, Sjis("<13:30>#三月%!#")) << "days after the month too";

    // After an edit only the dates asked for are read again, in whatever year the grid shows.
    store.Slot(SlotOfDate({2026, 2, 3})).clear();
    store.AddLine({2026, 3, 1}, FrameLine({2026, 3, 1}, "E", 1400, {{2, "追加", 0, 0}}));
    EXPECT_TRUE(month.ReloadDates({{2025, 3, 1}}, store, context, true));
    EXPECT_EQ(month.At(third).content, Sjis("<10:00>#会議%!#<>#%!#"));
    EXPECT_EQ(month.At(month.IndexOf({2026, 3, 1})).content, Sjis("<13:30>#三月%!#<14:00>#追加%!#"));
    EXPECT_FALSE(month.ReloadDates({{2026, 3, 8}, {2026, 6, 1}}, store, context, true));
    EXPECT_TRUE(month.ReloadDates({{2026, 2, 3}}, store, context, true));
    EXPECT_EQ(month.At(third).content, "");
}

TEST(MonthCalendarTest, ItemsShareTheCellsLines) {
    struct Case {
        const char* what;
        std::vector<std::string> items;
        int charsPerLine, lines;
        std::vector<std::pair<int, std::string>> expected;
    };
    const std::string a = Sjis("あ"), i = Sjis("い"), u = Sjis("う");
    const std::vector<Case> cases = {
        {"two lines an item, the last running on", {"AAAAA", "BB", "CCCCCCC"}, 3, 6,
         {{0, "AAA"}, {1, "AA"}, {2, "BB"}, {3, "CCC"}, {4, "CCC"}, {5, "C"}}},
        {"the running count, not the item's own, ends an item", {"A", "BBBBBBB", "CC"}, 2, 6,
         {{0, "A"}, {1, "BB"}, {2, "CC"}}},
        {"fewer lines than items: one line each until the cell is full", {"AAAAA", "BB", "CC"}, 3, 2,
         {{0, "AAA"}, {1, "BB"}}},
        {"the last item stops at the cell's end", {"AB", "CDEFGHIJ"}, 2, 3, {{0, "AB"}, {1, "CD"}, {2, "EF"}}},
        {"a double-byte character is never split", {a + i + u}, 3, 5, {{0, a}, {1, i}, {2, u}}},
        {"mixed widths", {"x" + a + "y"}, 2, 5, {{0, "x"}, {1, a}, {2, "y"}}},
        {"a line narrower than one character still holds it", {a + "b"}, 1, 5, {{0, a}, {1, "b"}}},
        {"no lines", {"A"}, 3, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::pair<int, std::string>> got;
        for (const CalendarLine& line : LayOutDayItems(c.items, c.charsPerLine, c.lines))
            got.emplace_back(line.lineIndex, line.text);
        EXPECT_EQ(got, c.expected);
    }
    EXPECT_EQ(CalendarCharsPerLine(100, 7), 13);  // trunc(100 / 7) - 1
    EXPECT_EQ(CalendarCharsPerLine(13, 7), 1);
    EXPECT_EQ(CalendarCharsPerLine(3, 7), 1);
}

TEST(MonthCalendarTest, TheDetailBoxListsTheDayAndStaysInsideTheGrid) {
    MonthCell cell{{2026, 2, 1}, Sjis("<9:30>#会議%!#<>#%!#"), Sjis("09:30  会議  第二%!#10:00%!#")};
    EXPECT_EQ(DayDetailText(cell), Sjis(" 2026年 02月 01日 (日)\r\n\r\n 09:30  会議  第二\r\n 10:00\r\n"));
    cell.detail.clear();
    EXPECT_EQ(DayDetailText(cell), Sjis(" 2026年 02月 01日 (日)\r\n\r\n"));

    const int width = 708, height = 450;
    const MonthGridGeometry grid = ComputeMonthGrid(width, height, 6);  // header 30, rows 68, columns 100
    struct Case {
        int column, week, size;
        int left, top, width, height;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, 0, 31, 404, 207},      // 4 * (100 + 1), 3 * 68 + 3, at the cell
        {6, 5, 0, 304, 243, 404, 207},   // moved left and up to the grid's edges
        {2, 1, 0, 202, 100, 404, 207},
        {5, 2, 2, 405, 169, 303, 138},   // small: 3 * 100 + 3, 2 * (68 + 1)
        {0, 0, 2, 0, 31, 303, 138},
        {3, 3, 1, 0, 0, width, height},  // big: the whole grid
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << "," << c.week << " size " << c.size);
        const MonthGridGeometry::Box box = DayDetailBox(grid, width, height, c.column, c.week, c.size);
        EXPECT_EQ(box.left, c.left);
        EXPECT_EQ(box.top, c.top);
        EXPECT_EQ(box.width, c.width);
        EXPECT_EQ(box.height, c.height);
    }
}

TEST(MonthCalendarTest, ThePrintGridDecodesBackToTheMonth) {
    LineStore store;
    RecordContext context;
    context.baseYear = 2026;
    store.AddLine({2026, 2, 11}, FrameLine({2026, 2, 11}, "A", 930, {{2, "式典", 0, 0}}));
    HolidayTable holidays;
    holidays.Set(2, 11, true);
    holidays.Set(3, 1, true);
    MonthCalendar month;
    month.Build({2026, 2, 1});
    month.LoadContents(store, context, true);

    const StringGrid grid = MonthPrintGrid(month, holidays, 2);
    ASSERT_EQ(grid.rows, 6);
    ASSERT_EQ(grid.cols, 7);
    EXPECT_EQ(grid.fixedRows, 1);
    const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int column = 0; column < 7; ++column) {
        const auto header = DecodeMonthPrintCell(grid.At(0, column), true);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->day, names[column]);
        EXPECT_EQ(header->numberColour, column == 0 ? 0x60A4F4 : 0xFFFFFF);
    }
    for (int week = 0; week < 5; ++week)
        for (int column = 0; column < 7; ++column) {
            const MonthCell& cell = month.Cell(column, week);
            SCOPED_TRACE(FormatDate(cell.date));
            const auto decoded = DecodeMonthPrintCell(grid.At(week + 1, column), false);
            ASSERT_TRUE(decoded);
            const bool inMonth = cell.date.month == 2, holiday = holidays.IsHoliday(cell.date);
            EXPECT_EQ(decoded->day, std::to_string(cell.date.day));
            EXPECT_EQ(decoded->inMonth, inMonth);
            EXPECT_EQ(decoded->holiday, holiday);
            EXPECT_EQ(decoded->numberColour, DayNumberColour(inMonth, holiday, column == 0));
            EXPECT_EQ(decoded->contentColour, 0xCD0000);
            EXPECT_EQ(decoded->content, cell.content);
        }
    EXPECT_EQ(grid.At(2, 3), "9498256#13434880#11*" + Sjis("○<9:30>#式典%!#"));  // 0x90EE90, 0xCD0000
    EXPECT_EQ(grid.At(5, 0), "11517093#13434880#1*" + Sjis("×"));  // 1 March: a holiday outside the month
    EXPECT_FALSE(DecodeMonthPrintCell("plain text", false));
}

}  // namespace
}  // namespace mv
