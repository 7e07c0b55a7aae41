#pragma once
// The texts of the date header and the time columns, and where they go: the month band over
// the dates of one month, the date cells, the weekday header of the weekday view, the column
// labels kept for the output pages, and the hour labels. Texts are Shift-JIS.

#include <string>
#include <vector>

#include "view/geometry/viewlayout.h"

namespace mv {

class HolidayTable;

// Size of the letter "A" at a font height, as the renderer measured it.
struct LetterSize {
    int width = 7;
    int height = 13;
};

struct BandText {
    PixelRect rect;
    std::string text;
    int fontHeight = 0;
    bool leftAligned = false;  // otherwise centred
};

struct MonthBandBox {
    PixelRect rect;               // over the group's columns, the top third of the header
    std::vector<BandText> texts;  // none while the date display is off
};

// The month band (not in the weekday view): one box per run of columns of one month, with
// texts by the display type's rules. `letter` is measured at the label height.
std::vector<MonthBandBox> MonthBand(const ViewLayout& layout, int labelHeight, LetterSize letter, bool dateDisplay);

// The header's thirds: the band on top, then the day, then the weekday.
int HeaderThird(const ViewLayout& layout);

// "DD" of a date cell, "*" appended on a holiday.
std::string DayCellText(const Date& date, bool holiday);
// The weekday letter followed by "曜日".
std::string WeekdayHeaderText(const Date& date);

// The label a column keeps for the output pages: " 3月 23日(月)", or "3/23 月" when that
// is wider than the column; empty in the five-week view; "月曜日" in the weekday view.
std::string ColumnLabel(const Date& date, int displayType, int columnWidth, int charWidth);
std::vector<std::string> ColumnLabels(const ViewLayout& layout);

// The text of an hour row: the hour (less 24 after midnight), or the row's letter A to X
// when hours are not shown (time display off, or the pack display).
std::string HourRowText(const RowCell& row, bool showHours);

}  // namespace mv
