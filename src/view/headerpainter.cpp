// The date header, the time columns, the corners, and the whole view in one picture.

#include <QPainter>

#include "model/codec.h"
#include "model/holidaytable.h"
#include "view/geometry/displaytype.h"
#include "view/geometry/fieldtext.h"
#include "view/geometry/headertext.h"
#include "view/paintkit.h"
#include "view/renderer.h"

namespace mv {

namespace {

struct CellColours {
    int background;
    int text;
};

bool InRange(const Date& date, const Date& first, const Date& last) {
    const Date& low = first < last ? first : last;
    const Date& high = first < last ? last : first;
    return !(date < low) && !(high < date);
}

}  // namespace

int TimetableRenderer::DateCellFontHeight(int column) {
    const int label = mLayout.Metrics().labelFontHeight;
    const MeasuredFont& font = mFonts.Get(label);
    return std::max(1, FitFontHeight(label, 3, mLayout.Columns().at(column).rect.Width(), font.aWidth, font.aHeight));
}

void TimetableRenderer::PaintHeader(QPainter& painter) {
    Canvas canvas(painter, mFonts);
    canvas.Fill({0, 0, mLayout.GridWidth(), mLayout.HeaderHeight()}, ColourOr(mOptions.print.fixed, colours::kFixed));
    if (mLayout.DisplayType() != kWeekdayType) PaintMonthBand(painter);
    for (int c = 0; c < static_cast<int>(mLayout.Columns().size()); ++c) PaintHeaderColumn(painter, c);
}

void TimetableRenderer::PaintMonthBand(QPainter& painter) {
    Canvas canvas(painter, mFonts);
    const int label = mLayout.Metrics().labelFontHeight;
    const MeasuredFont& font = mFonts.Get(label);
    for (const MonthBandBox& box : MonthBand(mLayout, label, {font.aWidth, font.aHeight}, mOptions.dateDisplay)) {
        canvas.HeaderBox(box.rect, ColourOr(mOptions.print.fixed, colours::kFixed), colours::kWhite, {}, label);
        for (const BandText& text : box.texts)
            canvas.Text(text.rect, text.text, ColourOr(mOptions.print.fixedText, colours::kWhite), std::max(1, text.fontHeight),
                        text.leftAligned ? TextAlign::LeftMiddle : TextAlign::Centre);
    }
}

void TimetableRenderer::PaintHeaderColumn(QPainter& painter, int column) {
    Canvas canvas(painter, mFonts);
    const ColumnCell& cell = mLayout.Columns().at(column);
    const Date& date = cell.date;
    const bool holiday = mOptions.dateDisplay && mOptions.holidays && mOptions.holidays->IsHoliday(date);
    const int weekday = DayOfWeek(date);
    CellColours c{weekday == 0 ? colours::kSunday : weekday == 6 ? colours::kSaturday : colours::kFixed,
                  colours::kWhite};
    if (holiday) c = {colours::kHoliday, colours::kWhite};
    if (mOptions.print.fixed >= 0) c = {mOptions.print.fixed, ColourOr(mOptions.print.fixedText, colours::kWhite)};
    if (mOptions.rangeState == 0 && column == mOptions.dateCursorColumn) c = {colours::kCursor, colours::kCursorText};
    if (mOptions.rangeState != 0 && InRange(date, mOptions.rangeFirst, mOptions.rangeLast))
        c = {mOptions.rangeState == 2 ? colours::kRange2 : colours::kCursor, colours::kWhite};

    const int height = mLayout.HeaderHeight();
    const PixelRect& r = cell.rect;
    if (mLayout.DisplayType() == kWeekdayType) {
        const std::string text = WeekdayHeaderText(date);
        const int label = mLayout.Metrics().labelFontHeight;
        const MeasuredFont& font = mFonts.Get(label);
        const int fontHeight = FitFontHeight(label, static_cast<int>(text.size()), r.Width(), font.aWidth, font.aHeight);
        canvas.HeaderBox({r.left, 0, r.right, height}, c.background, c.text, text, std::max(1, fontHeight));
        return;
    }
    const int third = HeaderThird(mLayout);
    const int fontHeight = DateCellFontHeight(column);
    if (mOptions.dateDisplay) {
        canvas.HeaderBox({r.left, third, r.right, 2 * third}, c.background, c.text, DayCellText(date, holiday),
                         fontHeight);
        canvas.HeaderBox({r.left, 2 * third, r.right, height}, c.background, c.text, WeekdayLetter(date), fontHeight);
    } else {
        canvas.HeaderBox({r.left, third, r.right, height}, c.background, c.text, WeekdayLetter(date), fontHeight);
    }
    const Date& today = mOptions.today;
    if (today.year != 0 && today.month == date.month && today.day == date.day) {
        const PixelRect frame = canvas.Frame3D({r.left + 3, third + 2, r.right - 3, height - 2}, colours::kWhite,
                                               colours::kWhite);
        canvas.Frame3D(frame, colours::kWhite, colours::kWhite);
    }
}

void TimetableRenderer::PaintTimeColumn(QPainter& painter) {
    Canvas canvas(painter, mFonts);
    const int width = mLayout.Metrics().timeColumnWidth;
    const int fixed = ColourOr(mOptions.print.fixed, colours::kFixed);
    canvas.Fill({0, 0, width, mLayout.GridHeight()}, fixed);
    for (const RowCell& row : mLayout.Rows())
        canvas.HeaderBox({0, row.rect.top, width, row.rect.bottom}, fixed, ColourOr(mOptions.print.fixedText, colours::kWhite),
                         HourRowText(row, ShowsTimes(mOptions)), mLayout.Metrics().labelFontHeight);
}

void TimetableRenderer::PaintCorner(QPainter& painter, bool right) {
    Canvas canvas(painter, mFonts);
    const int width = mLayout.Metrics().timeColumnWidth;
    const int height = mLayout.HeaderHeight();
    const int third = height / 3;
    const bool pressed = mOptions.pressedCorner == (right ? 2 : 1);
    const int background = pressed ? colours::kPressedCorner : ColourOr(mOptions.print.fixed, colours::kFixed);
    const int text = ColourOr(mOptions.print.fixedText, colours::kWhite);
    const int label = mLayout.Metrics().labelFontHeight;
    // The arrow's band is a third of the header: in the weekday view's low header the label
    // font is taller than the band inside its border, and the arrow would be cut off.
    canvas.HeaderBox({0, 0, width, third}, background, text, right ? ">" : "<",
                     std::max(1, std::min(label, third - 2)));
    static const std::string kHour = FromUtf8("時");
    canvas.HeaderBox({0, third, width, height}, background, text, ShowsTimes(mOptions) ? kHour : std::string(),
                     label);
}

QSize TimetableRenderer::WholeSize() const {
    const int time = mLayout.Metrics().timeColumnWidth;
    return {2 * time + mLayout.GridWidth(), mLayout.HeaderHeight() + mLayout.GridHeight()};
}

void TimetableRenderer::PaintWhole(QPainter& painter) {
    const int time = mLayout.Metrics().timeColumnWidth;
    const int header = mLayout.HeaderHeight();
    const int gridWidth = mLayout.GridWidth(), gridHeight = mLayout.GridHeight();
    auto part = [&](int x, int y, int width, int height, auto paint) {
        painter.save();
        painter.translate(x, y);
        painter.setClipRect(0, 0, width, height);
        paint();
        painter.restore();
    };
    part(0, 0, time, header, [&] { PaintCorner(painter, false); });
    part(time, 0, gridWidth, header, [&] { PaintHeader(painter); });
    part(time + gridWidth, 0, time, header, [&] { PaintCorner(painter, true); });
    part(0, header, time, gridHeight, [&] { PaintTimeColumn(painter); });
    part(time, header, gridWidth, gridHeight, [&] { PaintGrid(painter); });
    part(time + gridWidth, header, time, gridHeight, [&] { PaintTimeColumn(painter); });
}

}  // namespace mv
