#pragma once
// The printed timetable as a PDF file, for the print window and the command-line tool: the
// same pages through the same drawing, on paper set up as the print window sets a printer.

#include <QPageLayout>
#include <QPageSize>
#include <string>

class QPagedPaintDevice;

namespace mv {

class Host;
class TimePagePainter;

// The page size of a paper name: "A3", "A4", "A5", "B4", "B5" (B4 and B5 the Japanese sizes);
// A4 for any other name.
QPageSize::PageSizeId PaperId(const std::string& paper);
// The paper code of a page size: 0 for a size outside the five.
int PaperCodeOf(QPageSize::PageSizeId id);
// The paper of a paper code (A3, A4, A5, B4, B5; A4 for any other) in an orientation, without
// margins: the page drawing places its own.
QPageLayout TimePrintPageLayout(int paperCode, int orientation);
// Composes the pages for the device's paper and resolution.
void ComposeForDevice(TimePagePainter& pages, QPagedPaintDevice& device);
// Writes pages first..last (0-based) as a PDF file, replaced whole or left as it was. False
// when it could not be drawn or written.
bool WriteTimetablePdf(TimePagePainter& pages, const QPageLayout& paper, int first, int last,
                       const std::string& utf8Path, const std::string& docName, Host& host);

}  // namespace mv
