#include "view/geometry/layoutretry.h"

#include <algorithm>

#include "platform/dialogs.h"

namespace mv {

bool LayOutWithRetry(ViewLayout& layout, const std::function<bool(const ViewLayout&)>& tryCreate, Dialogs& dialogs) {
    if (tryCreate(layout)) return true;
    if (layout.Columns().empty()) return false;
    const Date start = layout.Columns().front().date;
    const double zoom = layout.HorizontalZoom();
    int width = layout.ColumnWidth();
    int height = layout.RowHeightPx();
    for (int n = 1; n <= kLayoutRetries; ++n) {
        width = std::max(0, width - static_cast<int>(n * 0.1 * width));
        height = std::max(0, height - static_cast<int>(n * 0.01 * height));
        layout.BuildWithSizes(start, layout.DisplayType(), layout.Metrics(), width, height);
        layout.SetHorizontalZoom(zoom);
        if (tryCreate(layout)) return true;
    }
    dialogs.Error(kProgramName, kResourceShortMessage);
    return false;
}

}  // namespace mv
