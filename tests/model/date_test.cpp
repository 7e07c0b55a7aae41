#include "model/date.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/codec.h"
#include "model/dayslot.h"
#include "model/holidaytable.h"
#include "model/identity.h"
#include "support/testhost.h"

namespace mv {
namespace {

TEST(Date, CalendarArithmetic) {
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2003));
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2003, 2), 28);
    EXPECT_EQ(DaysInMonth(2003, 4), 30);
    EXPECT_EQ(DaysInMonth(2003, 13), 0);

    struct Case {
        Date date;
        int days;
        Date expected;
    };
    for (const Case& c : std::vector<Case>{{{2003, 12, 31}, 1, {2004, 1, 1}},
                                           {{2004, 2, 28}, 1, {2004, 2, 29}},
                                           {{2003, 2, 28}, 1, {2003, 3, 1}},
                                           {{2004, 3, 1}, -1, {2004, 2, 29}},
                                           {{2003, 1, 1}, 365, {2004, 1, 1}},
                                           {{2004, 1, 1}, 366, {2005, 1, 1}},
                                           {{1970, 1, 1}, -1, {1969, 12, 31}},
                                           {{2100, 2, 28}, 1, {2100, 3, 1}}}) {
        SCOPED_TRACE(FormatDate(c.date));
        EXPECT_EQ(AddDays(c.date, c.days), c.expected);
        EXPECT_EQ(DaySerial(c.expected) - DaySerial(c.date), c.days);
    }
    EXPECT_EQ(DaySerial({1970, 1, 1}), 0);
    // Every day of several years survives the trip to a serial number and back.
    for (int serial = DaySerial({1899, 12, 30}); serial < DaySerial({1899, 12, 30}) + 80000; serial += 7) {
        Date date = DateFromSerial(serial);
        ASSERT_TRUE(IsValidDate(date.year, date.month, date.day));
        ASSERT_EQ(DaySerial(date), serial);
    }
}

TEST(Date, WeekdaysAndTexts) {
    EXPECT_EQ(DayOfWeek({1970, 1, 1}), 4);    // Thursday
    EXPECT_EQ(DayOfWeek({1969, 12, 31}), 3);  // Wednesday
    EXPECT_EQ(DayOfWeek({2003, 7, 1}), 2);    // Tuesday
    EXPECT_EQ(DayOfWeek({2000, 2, 29}), 2);
    EXPECT_EQ(DayOfWeek({2026, 1, 4}), 0);    // Sunday
    EXPECT_EQ(DayOfWeek({1899, 12, 30}), 6);  // Saturday

    EXPECT_EQ(WeekdayLetter({2026, 1, 4}), Sjis("日"));
    EXPECT_EQ(WeekdayLetter({2003, 7, 1}), Sjis("火"));
    EXPECT_EQ(WeekdayLetter({2003, 7, 5}), Sjis("土"));
    EXPECT_EQ(LongDateText({2003, 7, 1}, false), Sjis("2003年 07月 01日"));
    EXPECT_EQ(LongDateText({2003, 7, 1}, true), Sjis("2003年 07月 01日(火)"));

    EXPECT_EQ(FormatDate({2003, 7, 1}), "2003/07/01");
    EXPECT_EQ(ParseDate("2003/07/01"), (Date{2003, 7, 1}));
    EXPECT_EQ(ParseDate(FormatDate({1990, 12, 31})), (Date{1990, 12, 31}));
    EXPECT_EQ(ParseDate("2003/07/01 "), std::nullopt);
    EXPECT_EQ(ParseDate("20030/07/01"), std::nullopt);
    EXPECT_EQ(ParseDate("2003/007/01"), std::nullopt);
    EXPECT_EQ(ParseDate("2003//01"), std::nullopt);

    EXPECT_EQ(DateFromYmd(20030701), (Date{2003, 7, 1}));
    EXPECT_EQ(DateFromYmd(20040229), (Date{2004, 2, 29}));
    EXPECT_EQ(DateFromYmd(20030229), std::nullopt);
    EXPECT_EQ(DateFromYmd(20031301), std::nullopt);
    EXPECT_EQ(DateFromYmd(0), std::nullopt);
}

TEST(DaySlot, MonthAndDayOnly) {
    for (int year : {2003, 2004, 1990, 2100}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(SlotOfDate({year, 1, 1}), 0);
        EXPECT_EQ(SlotOfDate({year, 12, 31}), 371);
        EXPECT_EQ(SlotOfDate({year, 3, 1}), 62);
        EXPECT_EQ(SlotOfDate({year, 7, 1}), 186);
    }
    EXPECT_EQ(SlotOfDate({2004, 2, 29}), 59);
    EXPECT_EQ(SlotOf(2, 30), 60);  // exists, stays empty

    for (int slot = 0; slot < kSlotCount; ++slot) {
        int md = MonthDayOfSlot(slot);
        ASSERT_EQ(SlotOf(md / 100, md % 100), slot);
    }
    EXPECT_EQ(MonthDayOfSlot(59), 229);
    EXPECT_EQ(MonthDayOfSlot(371), 1231);
    // Every day of a leap year has its own slot.
    std::set<int> used;
    for (Date d{2004, 1, 1}; d.year == 2004; d = AddDays(d, 1)) used.insert(SlotOfDate(d));
    EXPECT_EQ(used.size(), 366u);
}

TEST(HolidayTable, TextFormRoundTrip) {
    HolidayTable table = HolidayTable::Default();
    int count = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) count += table.IsSet(m, d);
    EXPECT_EQ(count, 15);
    EXPECT_EQ(table.Format(), HolidayTable::kDefaultText);
    EXPECT_TRUE(table.IsHoliday({2003, 1, 1}));
    EXPECT_TRUE(table.IsHoliday({1990, 11, 23}));
    EXPECT_TRUE(table.IsHoliday({2099, 12, 23}));
    EXPECT_FALSE(table.IsHoliday({2003, 1, 2}));

    struct Case {
        const char* text;
        const char* formatted;
    };
    for (const Case& c : std::vector<Case>{
             {"", ""},
             {"1231,0101", "0101,1231,"},  // sorted, and a last entry without ","
             {" 0505 , ,12,abcd,0101", "0101,0505,"},
             {"1301,0001,0132,0230", "0230,"},  // no such month or day; 02/30 has a slot
             {"0101,0101,", "0101,"},
             {",,,", ""}}) {
        SCOPED_TRACE(c.text);
        HolidayTable parsed = HolidayTable::Default();
        parsed.Parse(c.text);  // replaces, never adds to, the table
        EXPECT_EQ(parsed.Format(), c.formatted);
    }
    table.Set(1, 1, false);
    table.Set(2, 29, true);
    EXPECT_FALSE(table.IsHoliday({2003, 1, 1}));
    EXPECT_TRUE(table.IsHoliday({2004, 2, 29}));
    table.Clear();
    EXPECT_EQ(table.Format(), "");
}

TEST(Identity, StampsAndFrameIdsComeFromTheHost) {
    test::FakeHost host;  // PC01, 2003/07/01 14:03:59
    EXPECT_EQ(ProcessStamp(host), "PC01-14:03:59");
    host.now = {2026, 1, 2, 3, 4, 5};
    host.name = "WS-7";
    EXPECT_EQ(ProcessStamp(host), "WS-7-03:04:05");

    FrameIdSource ids(host);
    EXPECT_EQ(ids.NewFrameId(), "WS-7-20260102030405-00001");
    EXPECT_EQ(ids.NewFrameId(), "WS-7-20260102030405-00002");
    host.now.second = 6;
    EXPECT_EQ(ids.NewFrameId(), "WS-7-20260102030406-00003");
    // A second instance counts on its own.
    FrameIdSource other(host);
    EXPECT_EQ(other.NewFrameId(), "WS-7-20260102030406-00001");
    // Ids are longer than the 20 characters that mark an old id to be renewed.
    EXPECT_GT(other.NewFrameId().size(), 20u);
}

}  // namespace
}  // namespace mv
