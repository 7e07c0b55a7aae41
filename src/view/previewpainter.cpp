#include "view/previewpainter.h"

#include <QPainter>

#include "view/geometry/fieldtext.h"
#include "view/geometry/previewframes.h"
#include "view/paintkit.h"
#include "view/renderer.h"

namespace mv {

namespace {
constexpr int kTitleTop = 10;
}

ViewLayout PreviewLayout(const ViewLayout& layout, const Date& start) {
    ViewLayout preview = layout;
    preview.BuildWithSizes(start, layout.DisplayType(), layout.Metrics(), layout.ColumnWidth(), layout.RowHeightPx());
    preview.SetHorizontalZoom(layout.HorizontalZoom());
    return preview;
}

void PaintPreviewGrid(QPainter& painter, const ViewLayout& layout, const LineStore& store, const PaintOptions& options,
                      const PixelRect* visible) {
    std::vector<DayBoxes> none;
    TimetableRenderer renderer(layout, none, options);
    if (visible) painter.setClipRect(visible->left, visible->top, visible->Width(), visible->Height());
    Canvas canvas(painter, renderer.Fonts());
    const int columns = static_cast<int>(layout.Columns().size());
    auto shown = [&](const PixelRect& r) {
        return !visible || (r.left < visible->right && r.right > visible->left && r.top < visible->bottom &&
                            r.bottom > visible->top);
    };
    for (int c = 0; c < columns; ++c)
        if (shown(layout.FrameArea(c)) || shown(layout.Columns()[c].rect)) renderer.PaintCells(painter, c);

    const MeasuredFont& font = renderer.Fonts().Get(PointsToPixels(10, options.pixelsPerInch));
    const int inset = font.aWidth / 2;
    for (int c = 0; c < columns; ++c) {
        const PixelRect area = layout.FrameArea(c);
        if (!shown(area)) continue;
        for (const PreviewFrame& frame : PreviewFramesOf(store, layout.Columns()[c].date, options.editKind == 1)) {
            auto top = layout.YOfStart(frame.start);
            auto bottom = layout.YOfEnd(frame.end);
            if (!top || !bottom) continue;
            const PixelRect rect{area.left, *top, area.right, *bottom};
            if (!shown(rect)) continue;
            canvas.Fill(rect, frame.fill);
            canvas.Frame3D(rect, colours::kFrameLight, 0x000000);
            const int textLeft = rect.left + inset, textRight = rect.right - inset;
            if (frame.title.empty() || textRight <= textLeft) continue;
            int y = rect.top + kTitleTop;
            for (const std::string& line : WrapBytes(frame.title, textRight - textLeft, font.aWidth)) {
                if (y >= rect.bottom) break;
                canvas.Text({textLeft, y, textRight, std::min(rect.bottom, y + font.aHeight)}, FromSjis(line), 0x000000,
                            font, TextAlign::Centre);
                y += font.aHeight;
            }
        }
    }
    if (visible) painter.setClipping(false);
}

void PaintPreviewHeader(QPainter& painter, const ViewLayout& layout, const PaintOptions& options) {
    std::vector<DayBoxes> none;
    TimetableRenderer(layout, none, options).PaintHeader(painter);
}

}  // namespace mv
