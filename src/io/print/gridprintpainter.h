#pragma once
// The pages of a grid print job: laid out once for a printer (its paper, orientation and
// resolution) and painted page by page. The preview, the printer and the PDF file all go
// through PaintGridDocument, so they show the same pages.

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "io/print/gridpaging.h"
#include "io/print/gridprinttable.h"
#include "model/gridprintsettings.h"

class QPainter;
class QPrinter;

namespace mv {

// Paper, orientation, colour mode and a full-page coordinate system (the margins are the
// painter's own) from the settings.
void ApplyPageSetup(QPrinter& printer, const GridPrintSettings& settings, bool monthCalendar);
// "Portrait" or "Landscape" as the settings give it, or by the kind of grid when empty.
bool IsLandscape(const GridPrintSettings& settings, bool monthCalendar);

class GridPrintLayout {
public:
    // Lays the request out for the printer's current page and resolution.
    GridPrintLayout(const GridPrintRequest& request, const GridPrintSettings& settings, const QPrinter& printer);

    int PageCount() const { return static_cast<int>(mPages.size()); }
    // Paints page `page` (0-based) with the painter already on that page.
    void PaintPage(QPainter& painter, int page) const;

private:
    void PaintFrame(QPainter& painter, int page) const;
    void PaintGridPage(QPainter& painter, const GridPage& page) const;
    void PaintCalendar(QPainter& painter) const;
    void PaintDayCell(QPainter& painter, const QRectF& cell, int row, int col) const;
    QColor TextColour(int bgr) const;
    void SetLinePen(QPainter& painter) const;
    double Mm(double mm) const { return mm * mResolution / 25.4; }

    const GridPrintRequest& mRequest;
    const GridPrintSettings& mSettings;
    double mResolution = 72;
    QRectF mContent;   // paper less the margins
    QRectF mGridArea;  // below the headings, above the foot
    QStringList mHeadingLines;
    QFont mTitleFont, mHeadingFont, mFootFont, mCellFont;
    StringGrid mGrid;  // plain grids: with row and column numbers when asked
    std::vector<int> mColWidths, mRowHeights;
    double mScale = 1.0;
    std::vector<GridPage> mPages;
    QString mPrintDate;
};

// Paints every page on the printer as one document; the number of pages painted, 0 when
// the printer could not be started.
int PaintGridDocument(QPrinter& printer, const GridPrintRequest& request, const GridPrintSettings& settings);

}  // namespace mv
