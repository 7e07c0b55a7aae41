#include "io/print/timepagepainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "model/codec.h"
#include "view/paintkit.h"

namespace mv {

namespace {

constexpr double kMmPerInch = 25.4;

int NumberOr(const std::string& text, int fallback) {
    try {
        return text.empty() ? fallback : std::stoi(text);
    } catch (const std::exception&) {
        return fallback;
    }
}

int Gray(int level) {
    const int v = std::clamp(level, 0, 255);
    return v | v << 8 | v << 16;
}

// Part of the picture at (x, y), clipped to its size within whatever clip is already set.
template <typename Paint>
void Part(QPainter& painter, double x, double y, double width, double height, Paint paint) {
    painter.save();
    painter.translate(x, y);
    painter.setClipRect(QRectF(0, 0, width, height), Qt::IntersectClip);
    paint();
    painter.restore();
}

}  // namespace

TimePrintChoices TimePrintChoicesFrom(const EnvSettings& s) {
    TimePrintChoices c;
    c.color = std::clamp(s.Plot_Color, 0, 2);
    c.fixedTextColour = s.Plot_FixedFC;
    c.gray[0] = std::clamp(s.Plot_Gray, 0, 255);
    c.gray[1] = std::clamp(s.Plot_Gray2, 0, 255);
    c.gray[2] = std::clamp(s.Plot_Gray3, 0, 255);
    c.gray[3] = std::clamp(s.Plot_Gray4, 0, 255);
    c.marginUp = std::clamp(s.Plot_MgnUp, 0, 20);
    c.marginLeft = std::clamp(s.Plot_MgnLeft, 0, 20);
    c.headerOnAllPages = s.Plot_PrintHedder == 0 ? 0 : 1;
    c.dateRowsOnAllPages = s.Plot_PrintDate == 0 ? 0 : 1;
    c.pageBoundary = 0;  // " 1." each time the window opens
    c.scale = std::clamp(s.Plot_Scale, 0, 15);
    c.restoreScale = std::clamp(s.Plot_ResetScl, 0, 15);
    c.firstRow = std::clamp(s.Cmb_PrtSTime, 0, kHourRows - 1);
    c.lastRow = std::clamp(s.Cmb_PrtETime, 0, kHourRows - 1);
    c.title = s.Chk_PrtTitle != 0;
    c.printDate = s.Chk_PrtDate != 0;
    c.pageNumber = s.Chk_PrtPage != 0;
    c.paper = NumberOr(s.Plot_Paper, kPaperA4);
    c.orientation = NumberOr(s.Plot_Orient, kPortrait);
    c.printerName = s.Plot_DrvName;
    c.printerPort = s.Plot_PortName;
    return c;
}

void StoreTimePrintChoices(const TimePrintChoices& c, EnvSettings& s) {
    s.Plot_Color = c.color;
    s.Plot_FixedFC = c.fixedTextColour;
    s.Plot_Gray = c.gray[0];
    s.Plot_Gray2 = c.gray[1];
    s.Plot_Gray3 = c.gray[2];
    s.Plot_Gray4 = c.gray[3];
    s.Plot_MgnUp = c.marginUp;
    s.Plot_MgnLeft = c.marginLeft;
    s.Plot_PrintHedder = c.headerOnAllPages;
    s.Plot_PrintDate = c.dateRowsOnAllPages;
    s.Plot_PageKyoukai = c.pageBoundary;
    s.Plot_Scale = c.scale;
    s.Plot_ResetScl = c.restoreScale;
    s.Plot_Paper = std::to_string(c.paper);
    s.Plot_Orient = std::to_string(c.orientation);
    s.Plot_DrvName = c.printerName;
    s.Plot_PortName = c.printerPort;
}

void SetOutputLayout(SnapshotRequest& request, const EnvSettings& settings) {
    request.framePlacement = settings.Cmb_WakuLoc;
    request.titlePlacement = settings.Cmb_TitleLoc;
    request.holidays = settings.Holidays();
    request.defaultFill = settings.DefaultWakuBC;
    request.today = {};  // paper has no today
    request.forOutput = true;
}

PrintColours ShadingFor(const TimePrintChoices& c) {
    PrintColours colours;
    colours.fixedText = c.fixedTextColour;
    switch (c.color) {
        case 0:  // Mono: gray levels only, black text in the frames
            colours.fixed = Gray(c.gray[0]);
            colours.frameFill = Gray(c.gray[1]);
            colours.frameText = 0;
            colours.cell = Gray(255);
            break;
        case 1:  // Gray: shaded fixed areas and cells, frames in their own colours
            colours.fixed = Gray(c.gray[2]);
            colours.cell = Gray(c.gray[3]);
            break;
        default:  // White: white fixed areas and cells, frames in their own colours
            colours.fixed = Gray(255);
            colours.cell = Gray(255);
            break;
    }
    return colours;
}

TimePagePainter::TimePagePainter(const ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& options,
                                 const TimePrintChoices& choices, TimePrintHeader header)
    : mLayout(layout), mDays(days), mOptions(options), mChoices(choices), mHeader(std::move(header)) {
    mOptions.print = ShadingFor(mChoices);
    // Nothing of the editing state belongs on paper.
    mOptions.selected = nullptr;
    mOptions.multiSelection = nullptr;
    mOptions.state = EditState::None;
    mOptions.dateCursorColumn = -1;
    mOptions.rangeState = 0;
    mOptions.pressedCorner = 0;
}

int TimePagePainter::TextHeight() const { return std::max(1, mLayout.Metrics().fontPixelHeight); }

int TimePagePainter::LayoutWidth() const { return 2 * mLayout.Metrics().timeColumnWidth + mLayout.GridWidth(); }

void TimePagePainter::Compose(QSizeF paper, double dotsPerInch) {
    mPaper = paper;
    mDpi = dotsPerInch;
    mMargins = MarginsFromIndexes(mChoices.marginLeft, mChoices.marginUp);
    const double unit = dotsPerInch / kMmPerInch;

    PageInput input;
    for (const RowCell& row : mLayout.Rows()) input.rows.push_back({row.rect.top, row.rect.bottom});
    input.firstRow = mChoices.firstRow;
    input.lastRow = mChoices.lastRow;
    input.layoutWidth = LayoutWidth();
    input.headingHeight = mLayout.HeaderHeight();
    const int lines = (mChoices.title ? 1 : 0) + (mOptions.dateDisplay ? 1 : 0) +
                      (mChoices.printDate || mChoices.pageNumber ? 1 : 0);
    // Lines of 1.5 text heights and half a line below them.
    input.headerHeight = lines == 0 ? 0 : static_cast<int>(TextHeight() * (1.5 * lines + 0.5));
    input.headerOnAllPages = mChoices.headerOnAllPages != 0;
    input.boundaryBand = mChoices.pageBoundary == 0 ? static_cast<int>(1.5 * TextHeight()) : 0;
    input.printableWidth = paper.width() - (mMargins.left + mMargins.right) * unit;
    input.printableHeight = paper.height() - (mMargins.top + mMargins.bottom) * unit;
    mTable = ComposePages(input);
}

void TimePagePainter::DrawPage(QPainter& painter, int pageIndex) {
    if (pageIndex < 0 || pageIndex >= PageCount()) return;
    const PrintPage& page = mTable.pages[static_cast<std::size_t>(pageIndex)];
    const double unit = mDpi / kMmPerInch;
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), mPaper), Qt::white);
    painter.translate(mMargins.left * unit, mMargins.top * unit);
    painter.scale(mTable.scale, mTable.scale);
    painter.setClipRect(QRectF(0, 0, LayoutWidth(), mTable.printableHeight), Qt::IntersectClip);

    if (page.headerHeight > 0) DrawHeader(painter, pageIndex, page.headerHeight);
    const int heading = mLayout.HeaderHeight();
    const bool last = pageIndex == PageCount() - 1;
    if (page.closingOnly) {
        DrawHeading(painter, page.headerHeight);
    } else {
        if (pageIndex == 0 || mChoices.dateRowsOnAllPages != 0) DrawHeading(painter, page.headerHeight);
        DrawRows(painter, page);
        DrawContinuedFrames(painter, page);
        if (last && !mTable.truncated) DrawHeading(painter, page.BodyTop(heading) + page.bottom - page.top);
    }
    painter.restore();
}

void TimePagePainter::DrawHeader(QPainter& painter, int page, int height) {
    std::vector<std::string> lines;
    if (mChoices.title) lines.push_back(mHeader.title);
    if (mOptions.dateDisplay) lines.push_back(std::to_string(mHeader.firstYear) + Sjis("年"));
    if (mChoices.printDate || mChoices.pageNumber) {
        std::string line = mChoices.printDate ? mHeader.printedAt : std::string();
        if (mChoices.pageNumber)
            line += "    Page  " + std::to_string(page + 1) + " / " + std::to_string(PageCount());
        lines.push_back(line);
    }
    Canvas canvas(painter, SharedFontCache());
    const int lineHeight = static_cast<int>(1.5 * TextHeight());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int top = static_cast<int>(i) * lineHeight;
        if (top + lineHeight > height) break;
        canvas.Text({0, top, LayoutWidth(), top + lineHeight}, lines[i], 0, TextHeight(), TextAlign::LeftMiddle);
    }
}

void TimePagePainter::DrawHeading(QPainter& painter, int y) {
    TimetableRenderer renderer(mLayout, mDays, mOptions);
    const int time = mLayout.Metrics().timeColumnWidth;
    const int heading = mLayout.HeaderHeight();
    const int gridWidth = mLayout.GridWidth();
    Part(painter, 0, y, time, heading, [&] { renderer.PaintCorner(painter, false); });
    Part(painter, time, y, gridWidth, heading, [&] { renderer.PaintHeader(painter); });
    Part(painter, time + gridWidth, y, time, heading, [&] { renderer.PaintCorner(painter, true); });
}

void TimePagePainter::DrawRows(QPainter& painter, const PrintPage& page) {
    TimetableRenderer renderer(mLayout, mDays, mOptions);
    const int time = mLayout.Metrics().timeColumnWidth;
    const int gridWidth = mLayout.GridWidth();
    // The page's rows, moved up so that its first row follows the heading and the band.
    const double top = page.BodyTop(mLayout.HeaderHeight());
    const double height = page.bottom - page.top;
    painter.save();
    painter.translate(0, top);
    painter.setClipRect(QRectF(0, 0, LayoutWidth(), height), Qt::IntersectClip);
    painter.translate(0, -page.top);
    const double gridHeight = mLayout.GridHeight();
    Part(painter, 0, 0, time, gridHeight, [&] { renderer.PaintTimeColumn(painter); });
    Part(painter, time, 0, gridWidth, gridHeight, [&] { renderer.PaintGrid(painter); });
    Part(painter, time + gridWidth, 0, time, gridHeight, [&] { renderer.PaintTimeColumn(painter); });
    painter.restore();
}

void TimePagePainter::DrawContinuedFrames(QPainter& painter, const PrintPage& page) {
    // A frame cut by the page's top edge shows its title again in the band above the rows,
    // so the page says what continues there.
    if (page.band <= 0) return;
    const int time = mLayout.Metrics().timeColumnWidth;
    const int top = page.BodyTop(mLayout.HeaderHeight()) - page.band;
    Canvas canvas(painter, SharedFontCache());
    for (const DayBoxes& day : mDays)
        for (const FrameBox& box : day) {
            if (!box.valid || !box.frame || box.rect.top >= page.top || box.rect.bottom <= page.top) continue;
            const PixelRect r{time + box.rect.left, top, time + box.rect.right, top + page.band};
            canvas.Fill(r, ColourOr(mOptions.print.frameFill, box.frame->WakuBC));
            canvas.Border(r, 0, 1);
            canvas.Text(r, box.frame->Title, ColourOr(mOptions.print.frameText, 0), TextHeight(), TextAlign::Centre);
        }
}

bool DrawPages(QPagedPaintDevice& device, TimePagePainter& pages, int first, int last,
               const std::function<void(int)>& progress) {
    auto [from, to] = PrintRange(first, last);
    from = std::clamp(from, 0, pages.PageCount() - 1);
    to = std::clamp(to, 0, pages.PageCount() - 1);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (int page = from; page <= to; ++page) {
        if (progress) progress(page);
        if (page > from && !device.newPage()) {
            painter.end();
            return false;
        }
        pages.DrawPage(painter, page);
    }
    return painter.end();
}

}  // namespace mv
