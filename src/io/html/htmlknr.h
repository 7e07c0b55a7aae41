#pragma once
// The cell model of the HTML page (`THtmlKnr`): one column group per date between two time
// columns, lanes for overlapping frames, the sorted time boundaries that start the table
// rows, and per lane which row starts which cell. Row spans, the widening of frames over
// free lanes and the merging of empty cells into gap groups happen here, so the page writer
// only walks rows and lanes.

#include <string>
#include <vector>

#include "io/html/htmlsource.h"

namespace mv {

enum class HtmlCellKind { Frame = 0, Hour = 1, Gap = 2 };

struct HtmlCellEntry {
    HtmlCellKind kind = HtmlCellKind::Frame;
    int rowSpan = 0;
    int colSpan = 1;
    int laneCount = 1;   // lanes of the date
    int laneNo = 1;      // lane of the frame (1-based)
    int start = 0, end = 0;  // HHMM
    int dateIndex = -1, frameIndex = -1;
    std::string text;    // "Limit" for the gap that ends a lane
};

// Row map values other than an entry index (>= 0).
inline constexpr int kHtmlRowFree = -1;     // nothing starts or spans here
inline constexpr int kHtmlRowCovered = -2;  // spanned by a cell above or to the left
// A gap group g is stored as kHtmlGroupBase - g.
inline constexpr int kHtmlGroupBase = -3;
inline constexpr bool IsHtmlGroupRef(int value) { return value <= kHtmlGroupBase; }
inline constexpr int HtmlGroupIndex(int value) { return kHtmlGroupBase - value; }

struct HtmlLane {
    std::vector<HtmlCellEntry> entries;
    std::vector<int> rowMap;  // one per boundary
};

struct HtmlColumnGroup {
    std::vector<HtmlLane> lanes;
};

struct HtmlGapGroup {
    int rowSpan = 1, colSpan = 1;
    int time = 0;  // HHMM of the first row
};

class THtmlKnr {
public:
    // Builds the model of a source: columns, boundaries, row maps, widening, gap groups.
    void Build(const HtmlSource& source);

    std::vector<HtmlColumnGroup> Columns;  // 0 time, 1..d dates, d+1 time
    std::vector<int> Boundaries;           // HHMM, sorted, no duplicates
    std::vector<HtmlGapGroup> GapGroups;

    int RowCount() const { return static_cast<int>(Boundaries.size()); }
    int LaneTotal() const;

private:
    void AddHourColumn(const HtmlSource& source);
    void AddDate(const HtmlSource& source, int dateIndex);
    void MapRows();
    void Widen(HtmlColumnGroup& group);
    void GroupGaps(HtmlColumnGroup& group);
};

// The lane (0-based) of a frame with 1-based lane p of g lanes in a date of b lanes.
int HtmlLaneOf(int p, int g, int b);

}  // namespace mv
