#include "model/date.h"

#include <array>
#include <cstdio>

#include "model/codec.h"
#include "model/digits.h"

namespace mv {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

// Civil-date arithmetic after Howard Hinnant's days_from_civil / civil_from_days.
int DaySerial(const Date& date) {
    int y = date.year - (date.month <= 2 ? 1 : 0);
    int era = (y >= 0 ? y : y - 399) / 400;
    int yoe = y - era * 400;
    int mp = (date.month + 9) % 12;
    int doy = (153 * mp + 2) / 5 + date.day - 1;
    int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date DateFromSerial(int serial) {
    int z = serial + 719468;
    int era = (z >= 0 ? z : z - 146096) / 146097;
    int doe = z - era * 146097;
    int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int mp = (5 * doy + 2) / 153;
    int day = doy - (153 * mp + 2) / 5 + 1;
    int month = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

Date AddDays(const Date& date, int days) { return DateFromSerial(DaySerial(date) + days); }

int DayOfWeek(const Date& date) {
    int s = DaySerial(date);  // 1970/01/01 was a Thursday
    return ((s % 7) + 7 + 4) % 7;
}

std::optional<int> ShownIndexOf(const Date& start, int count, const Date& date) {
    const int first = DaySerial(start);
    const int exact = DaySerial(date) - first;
    if (exact >= 0 && exact < count) return exact;
    for (int year : {start.year, start.year + 1}) {
        if (year == date.year || !IsValidDate(year, date.month, date.day)) continue;
        const int index = DaySerial({year, date.month, date.day}) - first;
        if (index >= 0 && index < count) return index;
    }
    return std::nullopt;
}

std::string FormatDate(const Date& date) {
    // "%04d/%02d/%02d", written by hand: record lines carry one date each.
    char buffer[48];
    char* end = WriteZeroPadded(buffer, date.year, 4);
    *end++ = '/';
    end = WriteZeroPadded(end, date.month, 2);
    *end++ = '/';
    end = WriteZeroPadded(end, date.day, 2);
    return std::string(buffer, end);
}

namespace {
// Reads 1..maxDigits decimal digits; false when there are none or too many.
bool ReadNumber(std::string_view& text, int maxDigits, int& value) {
    int digits = 0;
    value = 0;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        if (++digits > maxDigits) return false;
        value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    return digits > 0;
}
}  // namespace

std::optional<Date> ParseDate(std::string_view text) {
    int y = 0, m = 0, d = 0;
    if (!ReadNumber(text, 4, y) || text.empty() || text.front() != '/') return std::nullopt;
    text.remove_prefix(1);
    if (!ReadNumber(text, 2, m) || text.empty() || text.front() != '/') return std::nullopt;
    text.remove_prefix(1);
    if (!ReadNumber(text, 2, d) || !text.empty()) return std::nullopt;
    if (!IsValidDate(y, m, d)) return std::nullopt;
    return Date{y, m, d};
}

std::optional<Date> DateFromYmd(int yyyymmdd) {
    int y = yyyymmdd / 10000, m = yyyymmdd / 100 % 100, d = yyyymmdd % 100;
    if (!IsValidDate(y, m, d)) return std::nullopt;
    return Date{y, m, d};
}

std::string WeekdayLetter(const Date& date) {
    static const std::array<std::string, 7> kLetters = {Sjis("日"), Sjis("月"), Sjis("火"), Sjis("水"),
                                                        Sjis("木"), Sjis("金"), Sjis("土")};
    return kLetters[DayOfWeek(date)];
}

std::string LongDateText(const Date& date, bool withWeekday) {
    static const std::string kYear = Sjis("年 "), kMonth = Sjis("月 "), kDay = Sjis("日");
    char y[8], m[8], d[8];
    std::snprintf(y, sizeof y, "%04d", date.year);
    std::snprintf(m, sizeof m, "%02d", date.month);
    std::snprintf(d, sizeof d, "%02d", date.day);
    std::string text = std::string(y) + kYear + m + kMonth + d + kDay;
    if (withWeekday) text += "(" + WeekdayLetter(date) + ")";
    return text;
}

}  // namespace mv
