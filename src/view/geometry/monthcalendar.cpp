#include "view/geometry/monthcalendar.h"

#include <algorithm>

#include "model/codec.h"
#include "model/dayslot.h"
#include "model/frame.h"
#include "model/holidaytable.h"
#include "model/linestore.h"
#include "model/recordline.h"
#include "model/keyvalueline.h"
#include "model/timeofday.h"
#include "view/geometry/fieldtext.h"
#include "view/geometry/monthprintcell.h"

namespace mv {

namespace {

constexpr int kHeaderColour = 0xFFFFFF;
constexpr int kSundayHeaderColour = 0x60A4F4;

// "HH:MM" with one leading "0" removed: "9:05", "10:30", "0:15".
std::string ListTime(int hhmm) {
    std::string text = FormatHHMM(hhmm);
    if (text.size() > 1 && text[0] == '0') text.erase(0, 1);
    return text;
}

// A field's text up to its first line break.
std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find(kLineBreakByte)); }

// What a day's list needs of one field.
struct ListedField {
    int id = 0;
    std::string_view text;
    int offset = 0;  // vertical offset under the placement in use
    int serial = 0;  // fields at one offset keep their order
};

bool IsTitleField(const ListedField& field) {
    static const std::string dot = Sjis("・");
    if (field.id == kTimeFieldId) return false;
    const std::string_view trimmed = Trim(field.text);
    return !trimmed.empty() && trimmed != dot;
}

// The fields top to bottom, as the design view stacks them. Offsets of up to seven digits
// order as numbers, which is how the view's text keys order them; others go the view's way.
std::vector<int> StackOrder(const std::vector<ListedField>& fields) {
    std::vector<int> order(fields.size());
    bool plain = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        order[i] = static_cast<int>(i);
        plain = plain && fields[i].offset >= 0 && fields[i].offset < 10000000;
    }
    if (plain) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return fields[a].offset != fields[b].offset ? fields[a].offset < fields[b].offset
                                                         : fields[a].serial < fields[b].serial;
        });
        return order;
    }
    std::vector<int> offsets, serials;
    for (const ListedField& field : fields) {
        offsets.push_back(field.offset);
        serials.push_back(field.serial);
    }
    return FieldStackOrder(offsets, -1, serials);
}

// The items of a frame starting at `start` with these fields: the time and title of the
// topmost title field, and the start with every title field's first line.
void AppendItems(int start, const std::vector<ListedField>& fields, std::string& content, std::string& detail) {
    std::string time;
    std::string_view title;
    detail += FormatHHMM(start);
    for (int index : StackOrder(fields)) {
        const ListedField& field = fields[index];
        if (!IsTitleField(field)) continue;
        const std::string_view first = FirstLine(field.text);
        if (time.empty()) {
            time = ListTime(start);
            title = first;
        }
        detail += "  ";
        detail += first;
    }
    content += '<';
    content += time;
    content += ">#";
    content += title;
    content += kCalendarItemEnd;
    detail += kCalendarItemEnd;
}

// A day's list reads thousands of record lines for a month: only what it needs is read
// from each line. Lines that are no frame of the design's year add nothing.
void AppendLineItems(std::string_view line, const RecordContext& context, bool automaticTitles, ListSummary& summary,
                     std::vector<ListedField>& fields, std::string& content, std::string& detail) {
    if (!ParseListSummary(line, context, summary)) return;
    fields.clear();
    for (const FieldSummary& field : summary.fields)
        fields.push_back({field.id, field.text, automaticTitles ? field.offsetY1 : field.offsetY0,
                          static_cast<int>(fields.size()) + 1});
    AppendItems(summary.start, fields, content, detail);
}

}  // namespace

void MonthCalendar::Build(const Date& date) {
    mFirstDay = Date{date.year, date.month, 1};
    mLastDay = Date{date.year, date.month, DaysInMonth(date.year, date.month)};
    const Date gridFirst = AddDays(mFirstDay, -DayOfWeek(mFirstDay));
    for (int i = 0; i < kCalendarCells; ++i) mCells[i] = MonthCell{AddDays(gridFirst, i), {}, {}};
    mWeekRows = InMonth(mCells[5 * kCalendarColumns].date) ? 6 : 5;
    mContentsLoaded = false;
}

int MonthCalendar::IndexOf(const Date& date) const {
    if (!InGrid(date)) return -1;
    return DaySerial(date) - DaySerial(GridFirst());
}

void MonthCalendar::LoadCell(MonthCell& cell, const LineStore& store, const RecordContext& context,
                             bool automaticTitles) {
    cell.content.clear();
    cell.detail.clear();
    ListSummary summary;
    std::vector<ListedField> fields;
    for (const std::string& line : store.Slot(SlotOfDate(cell.date)))
        AppendLineItems(line, context, automaticTitles, summary, fields, cell.content, cell.detail);
}

void MonthCalendar::LoadContents(const LineStore& store, const RecordContext& context, bool automaticTitles) {
    for (int i = 0; i < mWeekRows * kCalendarColumns; ++i) LoadCell(mCells[i], store, context, automaticTitles);
    mContentsLoaded = true;
}

bool MonthCalendar::ReloadDates(const std::vector<Date>& dates, const LineStore& store, const RecordContext& context,
                                bool automaticTitles) {
    if (!mContentsLoaded) return false;
    bool any = false;
    // The cells show the stored lines of their month and day, so a date of the design's
    // year reaches the cell of the same month and day in whatever year the grid shows.
    for (int i = 0; i < mWeekRows * kCalendarColumns; ++i) {
        MonthCell& cell = mCells[i];
        const bool touched = std::any_of(dates.begin(), dates.end(), [&](const Date& d) {
            return d.month == cell.date.month && d.day == cell.date.day;
        });
        if (!touched) continue;
        LoadCell(cell, store, context, automaticTitles);
        any = true;
    }
    return any;
}

void AppendFrameItems(const TCInf& frame, bool automaticTitles, std::string& content, std::string& detail) {
    std::vector<ListedField> fields;
    fields.reserve(frame.Fields.size());
    for (const TFInf& field : frame.Fields)
        fields.push_back({field.FID, field.FTextStr, automaticTitles ? field.FOff_Y1 : field.FOff_Y0, field.Serial});
    AppendItems(frame.StoredSTime(), fields, content, detail);
}

std::vector<CalendarItem> SplitContent(std::string_view content) {
    std::vector<CalendarItem> items;
    // "%!#", "<", ">" and "#" are below 0x40, so no trail byte is ever taken for them.
    while (!content.empty()) {
        const std::size_t end = content.find(kCalendarItemEnd);
        const std::string_view piece = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view{} : content.substr(end + kCalendarItemEnd.size());
        if (piece.empty()) continue;
        CalendarItem item;
        const std::size_t close = piece.find(">#");
        if (piece.front() == '<' && close != std::string_view::npos) {
            item.time = std::string(piece.substr(1, close - 1));
            item.title = std::string(piece.substr(close + 2));
        } else {
            item.title = std::string(piece);
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::string ItemText(const CalendarItem& item, bool withTime) {
    if (!withTime || item.time.empty()) return item.title;
    std::string text = "<" + item.time + ">";
    if (!item.title.empty()) text += " " + item.title;
    return text;
}

int CalendarCharsPerLine(int areaWidth, int charWidth) {
    const int quotient = charWidth > 0 ? areaWidth / charWidth : 0;
    return std::max(1, quotient - 1);
}

std::vector<CalendarLine> LayOutDayItems(const std::vector<std::string>& itemTexts, int charsPerLine, int availableLines) {
    std::vector<CalendarLine> lines;
    if (itemTexts.empty() || availableLines <= 0) return lines;
    charsPerLine = std::max(1, charsPerLine);
    const int itemCount = static_cast<int>(itemTexts.size());
    const int perItem = std::max(1, availableLines / itemCount);
    int lineCount = 0;
    for (int i = 0; i < itemCount && lineCount < availableLines; ++i) {
        const std::string& text = itemTexts[i];
        const bool last = i == itemCount - 1;
        std::size_t at = 0;
        while (at < text.size() && lineCount < availableLines) {
            // A line never ends between the two bytes of a double-byte character.
            std::size_t end = at;
            while (end < text.size()) {
                const std::size_t width = CharLength(text, end);
                if (end + width - at > static_cast<std::size_t>(charsPerLine) && end > at) break;
                end += width;
            }
            lines.push_back({lineCount, text.substr(at, end - at)});
            at = end;
            ++lineCount;
            if (!last && lineCount % perItem == 0) break;
        }
    }
    return lines;
}

MonthGridGeometry ComputeMonthGrid(int width, int height, int weekRows) {
    MonthGridGeometry grid;
    grid.weekRows = weekRows;
    grid.headerHeight = height / 15;
    // One pixel of line under every row, the header's included.
    grid.rowHeight = std::max(1, (height - grid.headerHeight - (weekRows + 1)) / weekRows);
    grid.columnWidth = std::max(1, (width - kCalendarColumns) / kCalendarColumns);
    return grid;
}

MonthGridGeometry::Box MonthGridGeometry::CellBox(int column, int week) const {
    Box box;
    box.left = column * (columnWidth + 1);
    box.width = columnWidth - (column == kCalendarColumns - 1 ? 1 : 0);
    if (week < 0) {
        box.height = headerHeight;
        return box;
    }
    box.top = headerHeight + 1 + week * (rowHeight + 1);
    box.height = rowHeight - (week == weekRows - 1 ? 1 : 0);
    return box;
}

bool MonthGridGeometry::CellAt(int x, int y, int& column, int& week) const {
    if (x < 0 || y < 0) return false;
    column = x / (columnWidth + 1);
    if (column >= kCalendarColumns) return false;
    if (y < headerHeight + 1) {
        week = -1;
        return true;
    }
    week = (y - headerHeight - 1) / (rowHeight + 1);
    return week < weekRows;
}

std::string DayDetailText(const MonthCell& cell) {
    std::string text = " " + LongDateText(cell.date, false) + " (" + WeekdayLetter(cell.date) + ")\r\n\r\n";
    std::string_view rest = cell.detail;
    while (!rest.empty()) {
        const std::size_t end = rest.find(kCalendarItemEnd);
        text += " ";
        text += rest.substr(0, end);
        text += "\r\n";
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + kCalendarItemEnd.size());
    }
    return text;
}

MonthGridGeometry::Box DayDetailBox(const MonthGridGeometry& grid, int gridWidth, int gridHeight, int column, int week,
                                    int sizeChoice) {
    MonthGridGeometry::Box box;
    if (sizeChoice == 1) {
        box.width = gridWidth;
        box.height = gridHeight;
        return box;
    }
    const MonthGridGeometry::Box cell = grid.CellBox(column, week);
    if (sizeChoice == 2) {
        box.width = 3 * grid.columnWidth + 3;
        box.height = 2 * (grid.rowHeight + 1);
    } else {
        box.width = 4 * (grid.columnWidth + 1);
        box.height = 3 * grid.rowHeight + 3;
    }
    box.left = std::max(0, std::min(cell.left, gridWidth - box.width));
    box.top = std::max(0, std::min(cell.top, gridHeight - box.height));
    return box;
}

int DayNumberColour(bool inMonth, bool holiday, bool sunday) {
    if (inMonth) return holiday ? 0x90EE90 : sunday ? 0x00A5FF : 0xFFFFFF;
    return holiday ? 0xAFBCA5 : sunday ? 0x2D52A0 : 0x606060;
}

int CalendarFontColour(int choice) {
    static constexpr int kColours[] = {0x000000, 0xFFFFFF, 0xCD0000, 0x00FFFF};
    return choice >= 0 && choice < 4 ? kColours[choice] : kColours[0];
}

StringGrid MonthPrintGrid(const MonthCalendar& month, const HolidayTable& holidays, int fontColourChoice) {
    static constexpr std::string_view kNames = "Sun Mon Tue Wed Thu Fri Sat";
    StringGrid grid;
    grid.Resize(month.WeekRows() + 1, kCalendarColumns);
    grid.fixedRows = 1;
    for (int column = 0; column < kCalendarColumns; ++column) {
        MonthPrintCell header;
        header.header = true;
        header.numberColour = column == 0 ? kSundayHeaderColour : kHeaderColour;
        header.day = std::string(kNames.substr(static_cast<std::size_t>(column) * 4, 3));
        grid.At(0, column) = EncodeMonthPrintCell(header);
    }
    for (int week = 0; week < month.WeekRows(); ++week)
        for (int column = 0; column < kCalendarColumns; ++column) {
            const MonthCell& cell = month.Cell(column, week);
            MonthPrintCell out;
            out.inMonth = month.InMonth(cell.date);
            out.holiday = holidays.IsHoliday(cell.date);
            out.numberColour = DayNumberColour(out.inMonth, out.holiday, column == 0);
            out.contentColour = CalendarFontColour(fontColourChoice);
            out.day = std::to_string(cell.date.day);
            out.content = cell.content;
            grid.At(week + 1, column) = EncodeMonthPrintCell(out);
        }
    return grid;
}

std::string MonthTitle(const Date& firstDay) {
    return Sjis(std::to_string(firstDay.year) + "年 " + std::to_string(firstDay.month) + "月");
}

}  // namespace mv
