#pragma once
// The coordinate model of the grid: date columns and hour rows with their rectangles, and
// the mappings between dates, times and pixels. Pure arithmetic; the window measures the
// font, the screen and itself and passes the numbers in. Pixel arithmetic truncates.

#include <optional>
#include <string>
#include <vector>

#include "model/date.h"
#include "view/geometry/metrics.h"

namespace mv {

inline constexpr int kHourRows = 24;
inline constexpr int kFirstHour = 5;
inline constexpr int kSizeListItems = 30;   // " 10" ... " 300"
inline constexpr int kDefaultSizeIndex = 9;  // " 100"
inline constexpr int kYearBoxHeight = 21;

enum HorizontalScale { kHorz100 = 0, kHorzFit = 1 };
enum VerticalScale { kVert100 = 0, kVertFit = 1, kVert50 = 2, kVert70 = 3 };

struct ScaleState {
    int horizontal = kHorz100;
    int vertical = kVert100;
    int dateWidthIndex = kDefaultSizeIndex;
    int timeHeightIndex = kDefaultSizeIndex;
};

// What the window measures of itself and the screen.
struct WindowSizes {
    int windowWidth = 1280;    // client width of the window
    int screenWidth = 1920;
    int screenHeight = 1080;
    int frameExtra = 30;       // outer height minus client height
    int toolPanelHeight = 90;  // height of the tool panel above the grid
    int yearBoxHeight = kYearBoxHeight;
};

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct ColumnCell {
    PixelRect rect;  // full width, band included; top 0, bottom the header height
    Date date;
    bool hasBand = false;
    bool bandOnLeft = false;
};

struct RowCell {
    PixelRect rect;  // left 0, right the time column width
    int startTime = 0, endTime = 0;  // HHMM
    int labelHour = 0;               // 5 ... 28 (shown as hour - 24 after midnight)
    bool changedByAdjustment = false;
};

// The scale state a display type runs at: types that always fit their width force it.
ScaleState EffectiveScale(int displayType, ScaleState scale);
// Width of a column without its band; zoom receives the factor used.
int ColumnContentWidth(int displayType, const ScaleState& scale, const ViewMetrics& metrics,
                       const WindowSizes& sizes, double* zoom = nullptr);
int RowHeight(const ScaleState& scale, const ViewMetrics& metrics, const WindowSizes& sizes);

// "  12月 01日 (月)" for the start-date box; Shift-JIS.
std::string StartDateBoxText(const Date& date);

class ViewLayout {
public:
    // Lays out the columns from `start` and the 24 hour rows.
    void Build(const Date& start, int displayType, const ScaleState& scale, const ViewMetrics& metrics,
               const WindowSizes& sizes);
    // Lays out with given sizes (for printing and retries).
    void BuildWithSizes(const Date& start, int displayType, const ViewMetrics& metrics, int contentWidth,
                        int rowHeight);

    const ViewMetrics& Metrics() const { return mMetrics; }
    int DisplayType() const { return mDisplayType; }
    const std::vector<ColumnCell>& Columns() const { return mColumns; }
    std::vector<RowCell>& Rows() { return mRows; }
    const std::vector<RowCell>& Rows() const { return mRows; }
    int ColumnWidth() const { return mContentWidth; }
    int RowHeightPx() const { return mRowHeight; }
    int GridWidth() const { return mGridWidth; }
    int GridHeight() const { return mRowHeight * kHourRows; }
    int HeaderHeight() const { return mMetrics.headerHeight; }
    double HorizontalZoom() const { return mZoom; }
    void SetHorizontalZoom(double zoom) { mZoom = zoom; }

    // Forward mappings. The full x range of a shown date; nothing when not shown.
    std::optional<PixelRect> ColumnRectOfDate(const Date& date) const;
    std::optional<int> ColumnIndexOfDate(const Date& date) const;
    // The part of a column frames are drawn in: its rectangle without the band.
    PixelRect FrameArea(int column) const;
    // y of a start or end time; nothing when no row has the time's hour.
    std::optional<int> YOfStart(int hhmm) const;
    std::optional<int> YOfEnd(int hhmm) const;

    // Inverse mappings for hit-testing.
    int ColumnAtX(int x) const;
    // The time at y, minutes snapped down to the unit (minuteUnit = 1 ... 60).
    int TimeAtY(int y, int minuteUnit) const;
    // Top of the row to scroll to so that a frame starting at this time shows.
    int ScrollYForStart(int startHHMM) const;

private:
    ViewMetrics mMetrics;
    int mDisplayType = 0;
    int mContentWidth = 0;
    int mRowHeight = 0;
    int mGridWidth = 0;
    double mZoom = 1.0;
    std::vector<ColumnCell> mColumns;
    std::vector<RowCell> mRows;
};

}  // namespace mv
