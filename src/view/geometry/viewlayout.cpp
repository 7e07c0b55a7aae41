#include "view/geometry/viewlayout.h"

#include <algorithm>
#include <cstdio>

#include "model/codec.h"
#include "view/geometry/displaytype.h"

namespace mv {

ScaleState EffectiveScale(int displayType, ScaleState scale) {
    if (AlwaysFitsWidth(NormalizeDisplayType(displayType))) scale.horizontal = kHorzFit;
    return scale;
}

int ColumnContentWidth(int displayType, const ScaleState& scaleIn, const ViewMetrics& metrics,
                       const WindowSizes& sizes, double* zoom) {
    const int type = NormalizeDisplayType(displayType);
    const ScaleState scale = EffectiveScale(type, scaleIn);
    const DisplayTypeInfo& info = DisplayTypeOf(type);
    const bool fit = scale.horizontal == kHorzFit;
    const int n = fit ? info.fittedAtFit : info.fittedAt100;
    const int band = type == kFiveWeekType ? 0 : metrics.bandWidth;
    const int available = (fit ? sizes.windowWidth - metrics.charWidth : sizes.screenWidth) -
                          2 * metrics.timeColumnWidth - n * band - sizes.yearBoxHeight;
    const double base = static_cast<double>(available - metrics.charWidth) / n;
    double factor = info.widthFactor * scale.dateWidthIndex / 10.0;
    if (fit) factor = 1.0;
    if (type == 0) factor = 0.75;
    if (zoom) *zoom = factor;
    // The first size-list entry gives a factor of 0: keep the view visible.
    return std::max(1, static_cast<int>(base * factor));
}

int RowHeight(const ScaleState& scale, const ViewMetrics& metrics, const WindowSizes& sizes) {
    const double base = static_cast<double>(sizes.screenHeight - sizes.frameExtra - sizes.toolPanelHeight -
                                            metrics.headerHeight - sizes.yearBoxHeight - metrics.charHeight) /
                        kHourRows;
    double factor = 5.8 * scale.timeHeightIndex / 10.0;
    switch (scale.vertical) {
        case kVertFit: factor = 1.0; break;
        case kVert50: factor *= 0.5; break;
        case kVert70: factor *= 0.7; break;
        default: break;
    }
    return std::max(1, static_cast<int>(base * factor));
}

std::string StartDateBoxText(const Date& date) {
    char text[64];
    std::snprintf(text, sizeof text, "  %02d%s %02d%s (", date.month, "月", date.day, "日");
    return Sjis(text) + WeekdayLetter(date) + ")";
}

void ViewLayout::Build(const Date& start, int displayType, const ScaleState& scale, const ViewMetrics& metrics,
                       const WindowSizes& sizes) {
    double zoom = 1.0;
    int width = ColumnContentWidth(displayType, scale, metrics, sizes, &zoom);
    BuildWithSizes(start, displayType, metrics, width, RowHeight(scale, metrics, sizes));
    mZoom = zoom;
}

void ViewLayout::BuildWithSizes(const Date& start, int displayType, const ViewMetrics& metrics, int contentWidth,
                                int rowHeight) {
    mMetrics = metrics;
    mDisplayType = NormalizeDisplayType(displayType);
    mContentWidth = std::max(1, contentWidth);
    mRowHeight = std::max(1, rowHeight);
    const int count = DisplayTypeOf(mDisplayType).columns;

    mColumns.assign(count, {});
    int x = 0;
    for (int i = 0; i < count; ++i) {
        ColumnCell& cell = mColumns[i];
        cell.date = AddDays(start, i);
        if (mDisplayType == kFiveWeekType) {
            cell.hasBand = i == 0 || i == count - 1;
            cell.bandOnLeft = i == 0;
        } else {
            cell.hasBand = true;
            cell.bandOnLeft = true;
        }
        int width = mContentWidth + (cell.hasBand ? metrics.bandWidth : 0);
        cell.rect = {x, 0, x + width, metrics.headerHeight};
        x += width;
    }
    mGridWidth = x;

    mRows.assign(kHourRows, {});
    for (int i = 0; i < kHourRows; ++i) {
        RowCell& row = mRows[i];
        row.rect = {0, i * mRowHeight, metrics.timeColumnWidth, (i + 1) * mRowHeight};
        row.startTime = (i + kFirstHour) * 100;
        row.endTime = (i + kFirstHour + 1) * 100;
        row.labelHour = i + kFirstHour;
    }
}

std::optional<int> ViewLayout::ColumnIndexOfDate(const Date& date) const {
    if (mColumns.empty()) return std::nullopt;
    return ShownIndexOf(mColumns.front().date, static_cast<int>(mColumns.size()), date);
}

std::optional<PixelRect> ViewLayout::ColumnRectOfDate(const Date& date) const {
    auto index = ColumnIndexOfDate(date);
    if (!index) return std::nullopt;
    return mColumns[*index].rect;
}

PixelRect ViewLayout::FrameArea(int column) const {
    const ColumnCell& cell = mColumns.at(column);
    PixelRect area = cell.rect;
    area.top = 0;
    area.bottom = GridHeight();
    if (cell.hasBand) {
        if (cell.bandOnLeft) area.left += mMetrics.bandWidth;
        else area.right -= mMetrics.bandWidth;
    }
    return area;
}

std::optional<int> ViewLayout::YOfStart(int hhmm) const {
    const int hour = hhmm / 100, minute = hhmm % 100;
    for (const RowCell& row : mRows)
        if (row.startTime / 100 == hour)
            return row.rect.top + static_cast<int>(static_cast<double>(row.rect.Height()) / 60 * minute);
    return std::nullopt;
}

std::optional<int> ViewLayout::YOfEnd(int hhmm) const {
    if (!mRows.empty() && hhmm == mRows.back().endTime) return mRows.back().rect.bottom;
    return YOfStart(hhmm);
}

int ViewLayout::ColumnAtX(int x) const {
    if (mColumns.empty() || x <= mColumns.front().rect.left) return 0;
    const int last = static_cast<int>(mColumns.size()) - 1;
    if (x >= mColumns.back().rect.right) return last;
    for (int i = 0; i <= last; ++i)
        if (mColumns[i].rect.left <= x && x <= mColumns[i].rect.right) return i;
    return last;
}

int ViewLayout::TimeAtY(int y, int minuteUnit) const {
    for (const RowCell& row : mRows) {
        if (row.rect.top > y || y > row.rect.bottom) continue;
        int e = y <= row.rect.top ? 0 : static_cast<int>((y - row.rect.top) / (static_cast<double>(mRowHeight) / 60));
        int m = e < 60 ? e : 0;
        if (minuteUnit > 0 && m % minuteUnit != 0) m = m / minuteUnit * minuteUnit;
        return (row.startTime / 100 + (e >= 60 ? 1 : 0)) * 100 + m;
    }
    return y > 0 ? kHourRows * 100 + kFirstHour * 100 : kFirstHour * 100;
}

int ViewLayout::ScrollYForStart(int startHHMM) const {
    const int hour = startHHMM / 100;
    const int target = hour >= 6 ? hour - 1 : hour;
    for (const RowCell& row : mRows)
        if (row.startTime / 100 == target) return row.rect.top;
    return 0;
}

}  // namespace mv
