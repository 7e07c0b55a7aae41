#pragma once
// Paints the month calendar's grid: the header of day names and the day cells with their
// numbers and frame lists, in the colours of the month, holidays, Sundays, the calendar's
// move mode and the picked date range. Used by the calendar window and the benchmarks.

#include <QPainter>

#include "view/fonts.h"
#include "view/geometry/monthcalendar.h"

namespace mv {

class HolidayTable;

struct MonthPaintOptions {
    MonthGridGeometry grid;
    int gridTextHeight = 13;    // pixel height of the grid's text
    bool dateOnly = false;      // day numbers only
    bool withTime = false;      // frame lists show start times
    bool draw3D = false;
    int fontSizeChoice = 0;     // frame lists at 0.9, 1.0 or 0.7 of the grid's text height
    int fontColourChoice = 0;   // black, white, blue, yellow
    int focusedIndex = -1;      // cell index (week * 7 + column) with the focus
    // Move mode: the source day, the cell under the pointer, and move (green) or copy (blue).
    bool moveMode = false;
    Date moveSource;
    int hoverIndex = -1;
    bool moveCopy = false;
    // The picked date range, drawn blue; unset when none.
    Date rangeFirst, rangeLast;
    // The design's year: a grid of another year shows the design's days of the same month
    // and day, so the move source and the range are found by month and day there.
    int baseYear = 0;
    const HolidayTable* holidays = nullptr;
};

class MonthPainter {
public:
    // The whole grid (the header and the shown week rows).
    void Paint(QPainter& painter, const MonthCalendar& month, const MonthPaintOptions& options);
    // One cell; week -1 is the header row.
    void PaintCell(QPainter& painter, const MonthCalendar& month, const MonthPaintOptions& options, int column,
                   int week);

private:
    FontCache mFonts;
};

}  // namespace mv
