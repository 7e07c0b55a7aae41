#pragma once
// The month calendar without widgets: which dates a month's grid of weeks shows, the sizes
// of its cells, each day's list of frames read from the stored lines, how those lists share
// a cell's lines, the day-detail text, and the month as a string grid for printing.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/date.h"
#include "view/geometry/stringgrid.h"

namespace mv {

class HolidayTable;
class LineStore;
struct RecordContext;

inline constexpr int kCalendarColumns = 7;
inline constexpr int kCalendarMaxWeeks = 6;
inline constexpr int kCalendarCells = kCalendarColumns * kCalendarMaxWeeks;
// Ends each item of a day's content and detail texts.
inline constexpr std::string_view kCalendarItemEnd = "%!#";

// One day of the grid: its date and, once loaded, its frames as content items
// ("<" time ">#" title "%!#") and detail items (time and titles, then "%!#").
struct MonthCell {
    Date date;
    std::string content;
    std::string detail;
};

// One content item taken apart.
struct CalendarItem {
    std::string time;   // "9:00"; empty for a frame without a title field
    std::string title;  // the first line of the first title field
    friend bool operator==(const CalendarItem&, const CalendarItem&) = default;
};

class MonthCalendar {
public:
    // The month of `date`: the grid starts on the Sunday on or before its first day and
    // shows 5 week rows when the sixth would start after the month, else 6. Texts cleared.
    void Build(const Date& date);

    const Date& FirstDay() const { return mFirstDay; }
    const Date& LastDay() const { return mLastDay; }
    int WeekRows() const { return mWeekRows; }
    const Date& GridFirst() const { return mCells[0].date; }
    const Date& GridLast() const { return mCells[static_cast<std::size_t>(mWeekRows) * kCalendarColumns - 1].date; }
    bool Built() const { return mFirstDay != Date{}; }
    bool ContentsLoaded() const { return mContentsLoaded; }
    bool InMonth(const Date& date) const { return date.year == mFirstDay.year && date.month == mFirstDay.month; }
    bool InGrid(const Date& date) const { return Built() && GridFirst() <= date && date <= GridLast(); }

    // Column 0..6 (Sunday first), week row 0..5.
    MonthCell& Cell(int column, int week) { return mCells.at(static_cast<std::size_t>(week) * kCalendarColumns + column); }
    const MonthCell& Cell(int column, int week) const {
        return mCells.at(static_cast<std::size_t>(week) * kCalendarColumns + column);
    }
    // The cell index (week * 7 + column) of a date in the shown rows; -1 when not shown.
    int IndexOf(const Date& date) const;
    const MonthCell& At(int index) const { return mCells.at(index); }

    // Fills every shown cell's texts from the stored lines of its month and day.
    void LoadContents(const LineStore& store, const RecordContext& context, bool automaticTitles);
    // The same for the cells of these dates only (after an edit); false when none is shown.
    bool ReloadDates(const std::vector<Date>& dates, const LineStore& store, const RecordContext& context,
                     bool automaticTitles);

private:
    void LoadCell(MonthCell& cell, const LineStore& store, const RecordContext& context, bool automaticTitles);

    Date mFirstDay, mLastDay;
    int mWeekRows = 6;
    bool mContentsLoaded = false;
    std::array<MonthCell, kCalendarCells> mCells{};
};

// The cells' sizes for a grid area: a header row, then the week rows; one pixel of line
// between rows and between columns; the last row and the last column one pixel smaller.
struct MonthGridGeometry {
    int headerHeight = 0;
    int rowHeight = 0;
    int columnWidth = 0;
    int weekRows = 6;

    // Left, top, width and height of a cell; week -1 is the header row.
    struct Box {
        int left = 0, top = 0, width = 0, height = 0;
    };
    Box CellBox(int column, int week) const;
    // The column and week row under a point; week -1 for the header, nothing outside.
    bool CellAt(int x, int y, int& column, int& week) const;
};
MonthGridGeometry ComputeMonthGrid(int width, int height, int weekRows);

// The content and detail items of one frame read from its record line.
void AppendFrameItems(const class TCInf& frame, bool automaticTitles, std::string& content, std::string& detail);
// A day's content text taken apart into its items (empty pieces left out).
std::vector<CalendarItem> SplitContent(std::string_view content);
// What a cell shows of an item: the title, or with the time "<" time ">" and, when there is
// a title, a space and the title; nothing for an item without time and title.
std::string ItemText(const CalendarItem& item, bool withTime);

// The lines a cell shows of its items: each item wrapped at `charsPerLine` bytes (never
// inside a double-byte character); an item other than the last ends when its text runs
// out or when the running line count reaches a multiple of the lines each item gets; the
// last item runs until the text or the cell's lines end. `lineIndex` of each line says
// where it goes; the caller draws only lines that end above the area's bottom.
struct CalendarLine {
    int lineIndex = 0;
    std::string text;
};
std::vector<CalendarLine> LayOutDayItems(const std::vector<std::string>& itemTexts, int charsPerLine, int availableLines);
// Characters per line for an area width and a character width.
int CalendarCharsPerLine(int areaWidth, int charWidth);

// The day-detail box's text: " YYYY年 MM月 DD日 (曜)", a blank line, then each detail item
// on a line of its own after a space. Lines end with CR LF; CP932.
std::string DayDetailText(const MonthCell& cell);

// The size of the day-detail box: 0 standard, 1 big (the whole grid), 2 small; placed at
// the cell and moved left or up to stay inside the grid.
MonthGridGeometry::Box DayDetailBox(const MonthGridGeometry& grid, int gridWidth, int gridHeight, int column,
                                    int week, int sizeChoice);

// Colours (0x00BBGGRR) of a day's number and of its frame list.
struct MonthCellColours {
    int number = 0;
    int content = 0;
};
// The day number's colour: in the month green on a holiday, orange on a Sunday, white
// otherwise; outside it dimmer.
int DayNumberColour(bool inMonth, bool holiday, bool sunday);
// The frame lists' colour for a colour choice 0..3 (black, white, blue, yellow).
int CalendarFontColour(int choice);

// The month as a string grid for printing: a header row of day names, then one row per
// week, each cell encoded for the grid print window.
StringGrid MonthPrintGrid(const MonthCalendar& month, const HolidayTable& holidays, int fontColourChoice);

// "2005年 12月": CP932.
std::string MonthTitle(const Date& firstDay);

}  // namespace mv
