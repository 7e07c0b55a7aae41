#pragma once
// Draws the pages of the printed timetable with the view's one renderer: the header lines,
// the date heading rows, the page's hour rows with their frames (moved up so that the
// page's first row follows the heading) and the closing date rows on the last page. The same
// drawing goes to the preview image, the printer and the PDF file.

#include <QSizeF>
#include <functional>
#include <string>
#include <vector>

#include "io/print/timepages.h"
#include "model/settings.h"
#include "view/renderer.h"
#include "view/snapshot.h"

class QPagedPaintDevice;
class QPainter;

namespace mv {

// The print window's choices, kept in the settings as Plot_… and the print conditions.
struct TimePrintChoices {
    int color = 0;            // Cmb_Color: 0 " Mono", 1 " Gray", 2 " White"
    int fixedTextColour = 0;  // pnlFixedFC, 0x00BBGGRR
    int gray[4] = {234, 234, 128, 160};  // Cmb_Gray .. Cmb_Gray4, 0 black .. 255 white
    int marginUp = 2, marginLeft = 2;    // ×5 mm
    int headerOnAllPages = 1;   // Cmb_PrintHedder: 0 first page only, 1 all pages
    int dateRowsOnAllPages = 1; // Cmb_PrintDate
    int pageBoundary = 0;       // Cmb_PageKyoukai: 0 continue the frame's contents, 1 from their start
    int scale = kHundredScaleEntry, restoreScale = 8;
    int firstRow = 0, lastRow = 23;  // Cmb_PrtSTime, Cmb_PrtETime
    bool title = true, printDate = true, pageNumber = true;
    int paper = kPaperA4, orientation = kPortrait;
    std::string printerName, printerPort;  // Shift-JIS; empty: the default printer
};

TimePrintChoices TimePrintChoicesFrom(const EnvSettings& settings);
// Copies the window's choices back into the Plot_… settings (the print conditions belong to
// the settings window and are left alone).
void StoreTimePrintChoices(const TimePrintChoices& choices, EnvSettings& settings);
// The view laid out for output from the settings: the frame and title placement, holidays,
// the default frame fill, no today mark; the caller sets the dates, type and scales.
void SetOutputLayout(SnapshotRequest& request, const EnvSettings& settings);
// The renderer's colours for a colour mode and its densities.
PrintColours ShadingFor(const TimePrintChoices& choices);

// The header texts, Shift-JIS.
struct TimePrintHeader {
    std::string title;      // the design title
    int firstYear = 0;      // year of the first date
    std::string printedAt;  // "YYYY/MM/DD  HH:NN:SS"
};

class TimePagePainter {
public:
    TimePagePainter(const ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& options,
                    const TimePrintChoices& choices, TimePrintHeader header);

    // Lays the pages out on paper of this size in device units at this resolution.
    void Compose(QSizeF paper, double dotsPerInch);
    const PageTable& Table() const { return mTable; }
    int PageCount() const { return static_cast<int>(mTable.pages.size()); }
    QSizeF Paper() const { return mPaper; }
    double DotsPerInch() const { return mDpi; }

    // Draws page `page` (0-based) on a painter whose origin is the paper's top-left corner,
    // in device units; the painter's state is kept.
    void DrawPage(QPainter& painter, int page);

private:
    void DrawHeader(QPainter& painter, int page, int height);
    void DrawHeading(QPainter& painter, int y);
    void DrawRows(QPainter& painter, const PrintPage& page);
    void DrawContinuedFrames(QPainter& painter, const PrintPage& page);
    int TextHeight() const;
    int LayoutWidth() const;

    const ViewLayout& mLayout;
    std::vector<DayBoxes>& mDays;
    PaintOptions mOptions;
    TimePrintChoices mChoices;
    TimePrintHeader mHeader;
    QSizeF mPaper;
    double mDpi = 96;
    MarginsMm mMargins;
    PageTable mTable;
};

// Draws pages first..last (0-based, swapped when first > last) on a printer or PDF writer as
// one document, a new page between them; `progress` hears each page before it is drawn.
// False when the device would not start or the drawing failed.
bool DrawPages(QPagedPaintDevice& device, TimePagePainter& pages, int first, int last,
               const std::function<void(int)>& progress = {});

}  // namespace mv
