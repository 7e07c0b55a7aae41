#pragma once
// Calendar dates without time, and their text forms.

#include <optional>
#include <string>
#include <string_view>

namespace mv {

struct Date {
    int year = 0, month = 0, day = 0;

    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Days since 1970/01/01 and back; any valid date of the proleptic Gregorian calendar.
int DaySerial(const Date& date);
Date DateFromSerial(int serial);
Date AddDays(const Date& date, int days);

// The index of `date` among `count` days shown from `start`. The design holds one year, so
// a date of another year stands for the shown day of the same month and day (a view that
// runs past 31 December shows the design's January there). Nothing when not shown.
std::optional<int> ShownIndexOf(const Date& start, int count, const Date& date);

// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(const Date& date);

// "YYYY/MM/DD".
std::string FormatDate(const Date& date);
// Year, month and day separated by "/" (month and day with one or two digits); nothing
// when the text is not such a date or the date does not exist.
std::optional<Date> ParseDate(std::string_view text);
// The date whose year, month and day are written together as YYYYMMDD; nothing when it
// does not exist.
std::optional<Date> DateFromYmd(int yyyymmdd);

// One Shift-JIS letter of "日月火水木金土", Sunday first.
std::string WeekdayLetter(const Date& date);
// "YYYY年 MM月 DD日", optionally followed by "(", the weekday letter and ")"; Shift-JIS.
std::string LongDateText(const Date& date, bool withWeekday);

}  // namespace mv
