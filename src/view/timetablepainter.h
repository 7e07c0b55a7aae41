#pragma once
// Paints the grid, the date header and the time columns of a laid-out view into any paint
// device (the window's images, a printer, an image file).

#include <vector>

#include "view/geometry/framelayout.h"
#include "view/geometry/viewlayout.h"

class QPainter;

namespace mv {

class HolidayTable;

struct PaintOptions {
    bool timeDisplay = true;
    bool dateDisplay = true;
    const HolidayTable* holidays = nullptr;
    const TCInf* selected = nullptr;
};

// Colour 0x00BBGGRR as Qt wants it.
unsigned ColourToRgb(int colour);

void PaintGrid(QPainter& painter, const ViewLayout& layout, const std::vector<DayBoxes>& days,
               const PaintOptions& options);
void PaintDateHeader(QPainter& painter, const ViewLayout& layout, const PaintOptions& options);
// One time column (both sides look alike).
void PaintTimeColumn(QPainter& painter, const ViewLayout& layout);
void PaintCorner(QPainter& painter, int width, int height);

}  // namespace mv
