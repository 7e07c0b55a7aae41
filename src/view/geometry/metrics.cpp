#include "view/geometry/metrics.h"

#include <algorithm>

#include "view/geometry/displaytype.h"

namespace mv {

ViewMetrics ComputeMetrics(const ReferenceFont& font, int displayType, int windowWidth, bool forPrinting) {
    const int type = NormalizeDisplayType(displayType);
    ViewMetrics m;
    m.fontPixelHeight = font.pixelHeight;
    m.charWidth = font.charWidth;
    m.charHeight = font.charHeight;
    m.smallFontHeight = static_cast<int>(0.9 * font.pixelHeight);
    m.smallCharWidth = static_cast<int>(0.9 * font.charWidth);
    m.smallCharHeight = static_cast<int>(0.9 * font.charHeight);
    m.timeColumnWidth = 4 * font.charWidth;
    m.headerHeight = type == kWeekdayType ? static_cast<int>(font.charHeight * 2.5)
                                          : static_cast<int>(font.charHeight * 1.7 * 3);
    m.fullBandWidth = static_cast<int>(font.charWidth * 2.7);
    m.bandWidth = m.fullBandWidth;
    if (!forPrinting && type >= 6) {
        int divisor = type == 7 ? 60 : type == kFiveWeekType ? 80 : 50;
        m.bandWidth = std::min(m.bandWidth, windowWidth / divisor);
    }
    m.minFrameHeight = static_cast<int>(font.charHeight * 1.25);
    m.labelFontHeight = static_cast<int>(font.pixelHeight * 1.2);
    return m;
}

}  // namespace mv
