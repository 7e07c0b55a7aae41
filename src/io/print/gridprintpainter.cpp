#include "io/print/gridprintpainter.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

#include "io/print/gridprintoptions.h"
#include "io/print/timepdf.h"
#include "model/codec.h"
#include "view/geometry/monthprintcell.h"

namespace mv {

namespace {

QString Text(std::string_view cp932) { return QString::fromUtf8(ToUtf8(cp932)); }

QFont GothicFont(double points, bool bold = false) {
    QFont font;
    // The design's face first, then its stand-in, for machines without substitutions.
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

constexpr double kCellFontPoints = 10;
constexpr double kTitlePoints = 12;
constexpr double kHeadingPoints = 9;
constexpr double kFootPoints = 8;
constexpr double kDayPoints = 11;         // day numbers of the month
constexpr double kOtherDayPoints = 8;     // day numbers outside the month
constexpr double kCalendarHeadPoints = 10;
constexpr double kMaxFitScale = 1.5;      // a small grid fitted to the page width grows at most this much

}  // namespace

bool IsLandscape(const GridPrintSettings& settings, bool monthCalendar) {
    if (settings.Prt_Orient == "Landscape") return true;
    if (settings.Prt_Orient == "Portrait") return false;
    return monthCalendar;
}

void ApplyPageSetup(QPrinter& printer, const GridPrintSettings& settings, bool monthCalendar) {
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(PaperId(settings.Prt_Paper)));
    printer.setPageOrientation(IsLandscape(settings, monthCalendar) ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setColorMode(settings.Cmb_Color == 1 ? QPrinter::GrayScale : QPrinter::Color);
}

GridPrintLayout::GridPrintLayout(const GridPrintRequest& request, const GridPrintSettings& settings,
                                 const QPrinter& printer)
    : mRequest(request), mSettings(settings) {
    mResolution = printer.resolution();
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    const double left = Mm(ChoiceValue(kMarginChoices, settings.Cmb_MgnLeft));
    const double top = Mm(ChoiceValue(kMarginChoices, settings.Cmb_MgnUp));
    // The right and bottom margins mirror the left and top ones.
    mContent = QRectF(paper.left() + left, paper.top() + top, std::max(1.0, paper.width() - 2 * left),
                      std::max(1.0, paper.height() - 2 * top));

    mTitleFont = GothicFont(kTitlePoints, true);
    mHeadingFont = GothicFont(kHeadingPoints);
    mFootFont = GothicFont(kFootPoints);
    mCellFont = GothicFont(kCellFontPoints);
    const QPaintDevice* device = &printer;
    auto lineHeight = [&](const QFont& font) { return QFontMetricsF(font, device).height(); };

    double headingHeight = 0;
    if (!request.title.empty()) {
        mHeadingLines << Text(request.title);
        headingHeight += lineHeight(mTitleFont);
    }
    for (const std::string& heading : request.headings) {
        if (heading.empty()) continue;
        mHeadingLines << Text(heading);
        headingHeight += lineHeight(mHeadingFont);
    }
    if (headingHeight > 0) headingHeight += Mm(2);
    const bool foot = settings.PrintDate != 0 || settings.PrintPage != 0;
    const double footHeight = foot ? lineHeight(mFootFont) + Mm(2) : 0;
    mGridArea = QRectF(mContent.left(), mContent.top() + headingHeight, mContent.width(),
                       std::max(1.0, mContent.height() - headingHeight - footHeight));
    mPrintDate = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));

    if (request.monthCalendar) {
        mPages.push_back(GridPage{});  // a month is one page
        return;
    }
    mGrid = NumberedGrid(request.grid, settings.PrintRowNo != 0, settings.PrintColNo != 0);
    const QFontMetricsF metrics(mCellFont, device);
    const double padX = Mm(1), padY = Mm(0.6);
    mColWidths.assign(static_cast<std::size_t>(mGrid.cols), static_cast<int>(Mm(4)));
    mRowHeights.assign(static_cast<std::size_t>(mGrid.rows), static_cast<int>(metrics.height() + 2 * padY));
    for (int r = 0; r < mGrid.rows; ++r)
        for (int c = 0; c < mGrid.cols; ++c) {
            const std::string& cell = mGrid.At(r, c);
            if (cell.empty()) continue;
            const QString text = Text(settings.TrimSpace ? TrimmedCell(cell) : cell);
            mColWidths[c] = std::max(mColWidths[c], static_cast<int>(metrics.horizontalAdvance(text) + 2 * padX + 1));
        }
    const int scalePercent = ChoiceValue(kCellScaleChoices, settings.CellScale);
    if (scalePercent == 0) {
        const double total = std::accumulate(mColWidths.begin(), mColWidths.end(), 0.0);
        mScale = total > 0 ? std::min(kMaxFitScale, mGridArea.width() / total) : 1.0;
    } else {
        mScale = scalePercent / 100.0;
    }
    GridPagingInput paging;
    paging.colWidths = mColWidths;
    paging.rowHeights = mRowHeights;
    paging.fixedCols = mGrid.fixedCols;
    paging.fixedRows = mGrid.fixedRows;
    paging.pageWidth = static_cast<int>(mGridArea.width());
    paging.pageHeight = static_cast<int>(mGridArea.height());
    paging.scale = mScale;
    paging.order = settings.Cmb_CellWay == 1 ? GridPageOrder::AcrossThenDown : GridPageOrder::DownThenAcross;
    mPages = PaginateGrid(paging);
}

QColor GridPrintLayout::TextColour(int bgr) const {
    if (mSettings.Cmb_Color == 1) return Qt::black;
    // The calendar hands over the colours it draws on its dark gray cells; on paper the
    // light ones would vanish: white becomes black, other light colours are darkened.
    QColor colour(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    const int lightness = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    if (lightness <= 160) return colour;
    const int spread = std::max({colour.red(), colour.green(), colour.blue()}) -
                       std::min({colour.red(), colour.green(), colour.blue()});
    if (spread < 48) return Qt::black;
    return colour.darker(100 * lightness / 120);
}

void GridPrintLayout::SetLinePen(QPainter& painter) const {
    const int kind = ChoiceValue(kLineKindChoices, mSettings.Cmb_LineKind);
    if (kind == 2) {
        painter.setPen(Qt::NoPen);
        return;
    }
    const int gray = ChoiceValue(kLineColourChoices, mSettings.Cmb_Gray3);
    QPen pen(QColor(gray, gray, gray));
    pen.setWidthF(std::max(1.0, mResolution / 150.0));  // about 0.17 mm on any device
    pen.setStyle(kind == 1 ? Qt::DotLine : Qt::SolidLine);
    painter.setPen(pen);
}

void GridPrintLayout::PaintPage(QPainter& painter, int page) const {
    if (page < 0 || page >= PageCount()) return;
    painter.save();
    PaintFrame(painter, page);
    if (mRequest.monthCalendar)
        PaintCalendar(painter);
    else
        PaintGridPage(painter, mPages[static_cast<std::size_t>(page)]);
    painter.restore();
}

void GridPrintLayout::PaintFrame(QPainter& painter, int page) const {
    painter.setPen(Qt::black);
    double y = mContent.top();
    for (int i = 0; i < mHeadingLines.size(); ++i) {
        const bool title = i == 0 && !mRequest.title.empty();
        const QFont& font = title ? mTitleFont : mHeadingFont;
        painter.setFont(font);
        const double h = QFontMetricsF(font, painter.device()).height();
        painter.drawText(QRectF(mContent.left(), y, mContent.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                         mHeadingLines[i]);
        y += h;
    }
    if (mSettings.PrintDate == 0 && mSettings.PrintPage == 0) return;
    painter.setFont(mFootFont);
    const double h = QFontMetricsF(mFootFont, painter.device()).height();
    const QRectF foot(mContent.left(), mContent.bottom() - h, mContent.width(), h);
    if (mSettings.PrintDate != 0)
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("印刷日 ") + mPrintDate);
    if (mSettings.PrintPage != 0)
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 / %2").arg(page + 1).arg(PageCount()));
}

void GridPrintLayout::PaintGridPage(QPainter& painter, const GridPage& page) const {
    std::vector<int> cols, rows;
    for (int c = 0; c < std::min(mGrid.fixedCols, mGrid.cols); ++c) cols.push_back(c);
    for (int c = page.firstCol; c < page.endCol; ++c) cols.push_back(c);
    for (int r = 0; r < std::min(mGrid.fixedRows, mGrid.rows); ++r) rows.push_back(r);
    for (int r = page.firstRow; r < page.endRow; ++r) rows.push_back(r);

    // The outer lines lie on the area's edges: half of their width is outside it.
    const double lineRoom = painter.device()->logicalDpiX() / 25.4;
    painter.setClipRect(mGridArea.adjusted(-lineRoom, -lineRoom, lineRoom, lineRoom));
    painter.translate(mGridArea.topLeft());
    painter.scale(mScale, mScale);
    painter.setFont(mCellFont);
    const int shade = ChoiceValue(kShadeChoices, mSettings.Cmb_Gray);
    const double padX = Mm(1);
    double y = 0;
    for (int r : rows) {
        double x = 0;
        const double h = mRowHeights[r];
        for (int c : cols) {
            const double w = mColWidths[c];
            const QRectF cell(x, y, w, h);
            const bool fixed = r < mGrid.fixedRows || c < mGrid.fixedCols;
            if (fixed) painter.fillRect(cell, QColor(shade, shade, shade));
            const std::string& raw = mGrid.At(r, c);
            if (!raw.empty()) {
                const bool centre = fixed ? mSettings.FixedCenter != 0 : mSettings.DataCenter != 0;
                painter.setPen(Qt::black);
                painter.drawText(cell.adjusted(padX, 0, -padX, 0),
                                 (centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                                 Text(mSettings.TrimSpace ? TrimmedCell(raw) : raw));
            }
            SetLinePen(painter);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
            x += w;
        }
        y += h;
    }
}

void GridPrintLayout::PaintCalendar(QPainter& painter) const {
    const StringGrid& grid = mRequest.grid;
    if (grid.rows <= 0 || grid.cols <= 0) return;
    const double rateW = ChoiceValue(kCalendarRateChoices, mSettings.Cmb_Cal_RateW) / 100.0;
    const double rateH = ChoiceValue(kCalendarRateChoices, mSettings.Cmb_Cal_RateH) / 100.0;
    const double width = mGridArea.width() * rateW, height = mGridArea.height() * rateH;
    const QRectF area(mGridArea.left() + (mGridArea.width() - width) / 2, mGridArea.top(), width, height);
    const QFont headFont = GothicFont(kCalendarHeadPoints, true);
    const int headerRows = std::min(grid.fixedRows, grid.rows);
    const double headerHeight = headerRows * QFontMetricsF(headFont, painter.device()).height() * 1.8;
    const int weeks = grid.rows - headerRows;
    const double rowHeight = weeks > 0 ? (area.height() - headerHeight) / weeks : 0;
    const double colWidth = area.width() / grid.cols;
    const int shade = ChoiceValue(kShadeChoices, mSettings.Cmb_Gray);

    // The outer lines lie on the area's edges: half of their width is outside it.
    const double lineRoom = painter.device()->logicalDpiX() / 25.4;
    painter.setClipRect(mGridArea.adjusted(-lineRoom, -lineRoom, lineRoom, lineRoom));
    for (int r = 0; r < grid.rows; ++r) {
        const bool header = r < headerRows;
        const double top = header ? area.top() + r * headerHeight / std::max(1, headerRows)
                                  : area.top() + headerHeight + (r - headerRows) * rowHeight;
        const double h = header ? headerHeight / std::max(1, headerRows) : rowHeight;
        for (int c = 0; c < grid.cols; ++c) {
            const QRectF cell(area.left() + c * colWidth, top, colWidth, h);
            if (header) {
                painter.fillRect(cell, QColor(shade, shade, shade));
                const auto decoded = DecodeMonthPrintCell(grid.At(r, c), true);
                painter.setFont(headFont);
                painter.setPen(decoded ? TextColour(decoded->numberColour) : QColor(Qt::black));
                painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine,
                                 Text(decoded ? decoded->day : grid.At(r, c)));
            } else {
                PaintDayCell(painter, cell, r, c);
            }
            SetLinePen(painter);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
        }
    }
}

void GridPrintLayout::PaintDayCell(QPainter& painter, const QRectF& cell, int row, int col) const {
    const std::string& raw = mRequest.grid.At(row, col);
    const auto decoded = DecodeMonthPrintCell(raw, false);
    const double pad = Mm(1);
    const QRectF inner = cell.adjusted(pad, pad * 0.6, -pad, -pad * 0.6);
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    if (!decoded) {  // not a calendar cell: its text as it stands
        painter.setFont(GothicFont(kCellFontPoints));
        painter.setPen(Qt::black);
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Text(raw));
        painter.restore();
        return;
    }
    const QFont dayFont = GothicFont(decoded->inMonth ? kDayPoints : kOtherDayPoints, true);
    painter.setFont(dayFont);
    painter.setPen(TextColour(decoded->numberColour));
    const QString day = Text(decoded->day) + (decoded->holiday ? QStringLiteral("*") : QString());
    const double dayHeight = QFontMetricsF(dayFont, painter.device()).height();
    painter.drawText(QRectF(inner.left(), inner.top(), inner.width(), dayHeight), Qt::AlignLeft | Qt::AlignTop, day);
    if (mSettings.Cmb_Cal_DateOnly != 0) {
        painter.restore();
        return;
    }
    const QFont itemFont = GothicFont(ChoiceValue(kCalendarFontChoices, mSettings.Cmb_Cal_Font));
    painter.setFont(itemFont);
    painter.setPen(TextColour(decoded->contentColour));
    const double lineHeight = QFontMetricsF(itemFont, painter.device()).height();
    double y = inner.top() + dayHeight;
    for (const CalendarItem& item : SplitContent(decoded->content)) {
        const QString text = Text(ItemText(item, mSettings.Cmb_Cal_Time != 0));
        if (text.isEmpty()) continue;
        QTextLayout layout(text, itemFont, painter.device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        bool full = false;
        int placed = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            if (y + lineHeight > inner.bottom() + 0.5) {
                full = true;
                break;
            }
            line.setLineWidth(inner.width());
            line.setPosition(QPointF(0, y - inner.top()));
            y += lineHeight;
            ++placed;
        }
        layout.endLayout();
        // Only the lines that fit are drawn; a line cut off at the bottom is left out whole.
        for (int i = 0; i < placed; ++i) layout.lineAt(i).draw(&painter, inner.topLeft());
        if (full) break;  // the cell is full: later items are left out
    }
    painter.restore();
}

int PaintGridDocument(QPrinter& printer, const GridPrintRequest& request, const GridPrintSettings& settings) {
    const GridPrintLayout layout(request, settings, printer);
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    for (int page = 0; page < layout.PageCount(); ++page) {
        if (page > 0) printer.newPage();
        layout.PaintPage(painter, page);
    }
    painter.end();
    return layout.PageCount();
}

}  // namespace mv
