#include "view/monthpainter.h"

#include "model/holidaytable.h"
#include "view/geometry/yeardates.h"
#include "view/paintkit.h"

namespace mv {

namespace {

constexpr int kGray = 0x808080;
constexpr int kLightGray = 0xC0C0C0;
constexpr int kShadow = 0x808080;  // the button-shadow colour of the usual system scheme
constexpr int kHeaderText = 0xFFFFFF;
constexpr int kSundayHeaderText = 0x60A4F4;
constexpr int kFocusedCell = 0xB0B0B0;
constexpr int kCell = 0x909090;
constexpr int kMoveSource = 0x8CE6F0;
constexpr int kMoveTarget = 0x008000;
constexpr int kCopyTarget = 0xFF0000;
constexpr int kRange = 0xFF0000;
constexpr int kNumberLeft = 8, kNumberTop = 4;
constexpr double kListFontFactors[] = {0.9, 1.0, 0.7};

PixelRect RectOf(const MonthGridGeometry::Box& box) {
    return {box.left, box.top, box.left + box.width, box.top + box.height};
}

QFont Bold(const MeasuredFont& measured) {
    QFont font = measured.font;
    font.setBold(true);
    return font;
}

}  // namespace

void MonthPainter::Paint(QPainter& painter, const MonthCalendar& month, const MonthPaintOptions& options) {
    for (int week = -1; week < month.WeekRows(); ++week)
        for (int column = 0; column < kCalendarColumns; ++column) PaintCell(painter, month, options, column, week);
}

void MonthPainter::PaintCell(QPainter& painter, const MonthCalendar& month, const MonthPaintOptions& options,
                             int column, int week) {
    Canvas canvas(painter, mFonts);
    const MonthGridGeometry& grid = options.grid;
    PixelRect rect = RectOf(grid.CellBox(column, week));
    if (week < 0) {
        static constexpr const char* kNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        canvas.Fill(rect, kGray);
        canvas.Frame3D(rect, options.draw3D ? kShadow : kLightGray, kLightGray);
        const MeasuredFont& font = mFonts.Get(std::max(1, static_cast<int>(grid.headerHeight * 0.9)));
        painter.setFont(Bold(font));
        painter.setPen(ColourOf(column == 0 ? kSundayHeaderText : kHeaderText));
        painter.drawText(QRect(rect.left, rect.top, rect.Width(), rect.Height()), Qt::AlignCenter,
                         QString::fromLatin1(kNames[column]));
        return;
    }

    const int index = week * kCalendarColumns + column;
    const MonthCell& cell = month.Cell(column, week);
    const bool inMonth = month.InMonth(cell.date);
    const bool holiday = options.holidays && options.holidays->IsHoliday(cell.date);
    const Date designDay = options.baseYear > 0 ? RebaseIntoYear(cell.date, options.baseYear) : cell.date;
    int background = index == options.focusedIndex ? kFocusedCell : kCell;
    int numberColour = DayNumberColour(inMonth, holiday, column == 0);
    int listColour = CalendarFontColour(options.fontColourChoice);
    if (options.moveMode && designDay == options.moveSource) {
        background = kMoveSource;
        numberColour = listColour = 0x000000;
    } else if (options.moveMode && index == options.hoverIndex) {
        background = options.moveCopy ? kCopyTarget : kMoveTarget;
    }
    if (options.rangeFirst != Date{} && options.rangeFirst <= designDay && designDay <= options.rangeLast) {
        background = kRange;
        numberColour = listColour = 0xFFFFFF;
    }
    canvas.Fill(rect, background);
    if (options.draw3D && background == kCell) rect = canvas.Frame3D(rect, 0xE0E0E0, 0x404040);

    // The day number: centred and large with day numbers only, else small at the top left.
    const QString number = QString::number(cell.date.day) + (holiday ? QStringLiteral("*") : QString());
    const double numberScale = options.dateOnly ? (inMonth ? 1.2 : 1.2 * 0.6) : (inMonth ? 0.8 : 0.8 * 0.8);
    const int numberHeight = std::max(1, static_cast<int>(grid.headerHeight * numberScale));
    const MeasuredFont& numberFont = mFonts.Get(numberHeight);
    painter.setFont(Bold(numberFont));
    painter.setPen(ColourOf(numberColour));
    painter.save();
    painter.setClipRect(rect.left, rect.top, rect.Width(), rect.Height());
    if (options.dateOnly) {
        painter.drawText(QRect(rect.left, rect.top, rect.Width(), rect.Height()), Qt::AlignCenter, number);
        painter.restore();
        return;
    }
    painter.drawText(QRect(rect.left + kNumberLeft, rect.top + kNumberTop, rect.Width(), numberHeight + 2),
                     Qt::AlignLeft | Qt::AlignTop, number);

    // The frame list below the number, one text height per line.
    const double factor = kListFontFactors[options.fontSizeChoice >= 0 && options.fontSizeChoice < 3 ? options.fontSizeChoice : 0];
    const MeasuredFont& listFont = mFonts.Get(std::max(1, static_cast<int>(options.gridTextHeight * factor)));
    const int areaLeft = rect.left + kNumberLeft, areaTop = rect.top + kNumberTop + numberHeight + 2;
    const int areaWidth = rect.right - areaLeft - 2, areaHeight = rect.bottom - areaTop;
    const int lineHeight = listFont.aHeight;
    if (areaWidth <= 0 || areaHeight < lineHeight || cell.content.empty()) {
        painter.restore();
        return;
    }
    std::vector<std::string> texts;
    for (const CalendarItem& item : SplitContent(cell.content)) texts.push_back(ItemText(item, options.withTime));
    const auto lines = LayOutDayItems(texts, CalendarCharsPerLine(areaWidth, listFont.aWidth), areaHeight / lineHeight);
    painter.setFont(listFont.font);
    painter.setPen(ColourOf(listColour));
    for (const CalendarLine& line : lines) {
        if (line.text.empty()) continue;
        painter.drawText(areaLeft, areaTop + line.lineIndex * lineHeight + listFont.ascent, FromSjis(line.text));
    }
    painter.restore();
}

}  // namespace mv
