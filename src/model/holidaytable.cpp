#include "model/holidaytable.h"

#include <cstdio>

#include "model/dayslot.h"
#include "model/keyvalueline.h"

namespace mv {

bool HolidayTable::IsSet(int month, int day) const {
    if (month < 1 || month > 12 || day < 1 || day > 31) return false;
    return mFlags[SlotOf(month, day)];
}

void HolidayTable::Set(int month, int day, bool on) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return;
    mFlags[SlotOf(month, day)] = on;
}

void HolidayTable::Parse(std::string_view text) {
    Clear();
    std::string rest(text);
    rest += ',';
    std::size_t start = 0;
    for (std::size_t comma; (comma = rest.find(',', start)) != std::string::npos; start = comma + 1) {
        std::string_view piece = Trim(std::string_view(rest).substr(start, comma - start));
        if (piece.size() < 4) continue;
        auto month = ParseInt(piece.substr(0, 2));
        auto day = ParseInt(piece.substr(2, 2));
        if (month && day) Set(*month, *day, true);
    }
}

std::string HolidayTable::Format() const {
    std::string text;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day)
            if (IsSet(month, day)) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "%02d%02d,", month, day);
                text += buffer;
            }
    return text;
}

HolidayTable HolidayTable::Default() {
    HolidayTable table;
    table.Parse(kDefaultText);
    return table;
}

}  // namespace mv
