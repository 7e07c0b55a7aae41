#pragma once
// The fast preview shown while a date step repeats: the same cells and header sizes, the
// new dates, and each date's frames drawn straight from the stored lines as plain boxes
// with their titles. Nothing is built or kept.

#include "model/linestore.h"
#include "view/geometry/viewlayout.h"

class QPainter;

namespace mv {

struct PaintOptions;

// The layout's columns re-dated from `start`, sizes kept.
ViewLayout PreviewLayout(const ViewLayout& layout, const Date& start);

// The grid of the preview: cells, then every date's frames from its stored lines (linear
// times, the whole column's width, pack timing in the pack display). With `visible`, only
// that part of the grid (what the window shows) is painted: the preview lasts only while
// a step button is held, and the full rebuild on release paints the rest.
void PaintPreviewGrid(QPainter& painter, const ViewLayout& layout, const LineStore& store, const PaintOptions& options,
                      const PixelRect* visible = nullptr);

// The date header of the preview.
void PaintPreviewHeader(QPainter& painter, const ViewLayout& layout, const PaintOptions& options);

}  // namespace mv
