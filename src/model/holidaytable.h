#pragma once
// Holidays by month and day, the same in every year; text form "MMDD," per set day.

#include <array>
#include <string>
#include <string_view>

#include "model/date.h"

namespace mv {

class HolidayTable {
public:
    static constexpr std::string_view kDefaultText =
        "0101,0115,0211,0321,0429,0503,0504,0505,0720,0915,0923,1010,1103,1123,1223,";

    HolidayTable() = default;

    bool IsHoliday(const Date& date) const { return IsSet(date.month, date.day); }
    bool IsSet(int month, int day) const;
    void Set(int month, int day, bool on);
    void Clear() { mFlags.fill(false); }

    // Replaces the table by the days of the text; pieces that are blank, shorter than four
    // characters or not a month and day are skipped.
    void Parse(std::string_view text);
    std::string Format() const;

    static HolidayTable Default();

private:
    std::array<bool, 12 * 31> mFlags{};
};

}  // namespace mv
