#include "auxiliary/environmentchoices.h"

#include <algorithm>
#include <cstdio>

namespace mv {

namespace {
constexpr int kFixedColour = 0x808080;       // the label cells
constexpr int kEvenMonthShift = 2105376;      // 0x202020 on the fixed colour
constexpr int kHolidayColour = 0x008000;
constexpr int kDayColour = 0xFFFFFF;
}  // namespace

std::vector<std::string> HourRowItems() {
    std::vector<std::string> items;
    char text[16];
    for (int row = 0; row < 24; ++row) {
        std::snprintf(text, sizeof text, " %.2d", (row + 5) % 24);
        items.push_back(std::string(text) + " 時");
    }
    return items;
}

std::vector<std::string> FormScaleItems() {
    std::vector<std::string> items;
    for (int percent = 50; percent <= 300; percent += 2) items.push_back(" " + std::to_string(percent) + " %");
    return items;
}

int FormScaleItemOf100() { return (100 - 50) / 2; }

int PrintEndItem(int startItem, int endItem) { return std::max(startItem, endItem); }

bool HtmlCaptionIsBlack(int colour) { return colour > 12632255; }

int HolidayCellColour(int month, bool holiday) {
    if (holiday) return kHolidayColour;
    return month % 2 == 0 ? kFixedColour + kEvenMonthShift : kDayColour;
}

std::string MonthLabel(int month) { return " " + std::to_string(month) + "月"; }

}  // namespace mv
