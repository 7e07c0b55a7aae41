// The HTML cell model on small designs, each drawn as a table: one line per table row, the
// boundary and then per lane what starts there ("F" frame, "H" hour label, "G" gap group,
// with row span x column span), "." for a row covered by a cell above or to the left.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "io/html/htmlknr.h"

namespace mv {
namespace {

struct GivenFrame {
    int start, end, lane, laneCount;
};

HtmlSource Source(const std::vector<int>& hourStarts, const std::vector<std::vector<GivenFrame>>& dates) {
    HtmlSource source;
    for (int start : hourStarts) source.hours.push_back({start, start + 100});
    for (std::size_t d = 0; d < dates.size(); ++d) {
        HtmlDate date;
        date.date = {2026, 3, 23 + static_cast<int>(d)};
        for (const GivenFrame& given : dates[d]) {
            HtmlFrame frame;
            frame.start = given.start;
            frame.end = given.end;
            frame.lane = given.lane;
            frame.laneCount = given.laneCount;
            date.frames.push_back(frame);
        }
        source.dates.push_back(date);
    }
    return source;
}

std::vector<std::string> Table(const THtmlKnr& model) {
    std::vector<std::string> rows;
    for (int r = 0; r < model.RowCount(); ++r) {
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d", model.Boundaries[r] / 100, model.Boundaries[r] % 100);
        std::string line = time;
        for (std::size_t g = 0; g < model.Columns.size(); ++g) {
            line += " |";
            for (const HtmlLane& lane : model.Columns[g].lanes) {
                const int value = lane.rowMap[r];
                std::string cell = ".";
                if (IsHtmlGroupRef(value)) {
                    const HtmlGapGroup& gap = model.GapGroups[HtmlGroupIndex(value)];
                    cell = "G" + std::to_string(gap.rowSpan) + "x" + std::to_string(gap.colSpan);
                } else if (value >= 0) {
                    const HtmlCellEntry& entry = lane.entries[value];
                    cell = (entry.kind == HtmlCellKind::Hour ? "H" : entry.kind == HtmlCellKind::Frame ? "F" : "g") +
                           std::to_string(entry.rowSpan) + "x" + std::to_string(entry.colSpan);
                }
                line += " " + cell;
            }
        }
        rows.push_back(line);
    }
    return rows;
}

struct ModelCase {
    const char* name;
    std::vector<int> hours;
    std::vector<std::vector<GivenFrame>> dates;
    std::vector<std::string> table;
};

TEST(HtmlKnrTest, CellModelsOfSmallDesigns) {
    const std::vector<ModelCase> cases{
        {"a date with no frame is one gap group over every row",
         {900, 1000},
         {{}},
         {"09:00 | H1x1 | G2x1 | H1x1",  //
          "10:00 | H1x1 | . | H1x1"}},
        {"two overlapping frames, and a third beside neither spreads over both lanes",
         {900, 1000, 1100},
         {{{900, 1000, 1, 2}, {930, 1100, 2, 2}, {1100, 1200, 0, 1}}},
         {"09:00 | H2x1 | F2x1 G1x1 | H2x1",  //
          "09:30 | . | . F2x1 | .",           //
          "10:00 | H1x1 | G1x1 . | H1x1",     //
          "11:00 | H1x1 | F1x2 . | H1x1"}},
        {"a frame to 10:30 makes the 10:00 label span two rows",
         {900, 1000},
         {{{900, 1030, 0, 1}}},
         {"09:00 | H1x1 | F2x1 | H1x1",  //
          "10:00 | H2x1 | . | H2x1",     //
          "10:30 | . | G1x1 | ."}},
        {"a frame spreads over a free lane beside it, and gaps of the same rows merge across",
         {900, 1000, 1100},
         {{{900, 1000, 1, 2}, {900, 1000, 2, 2}, {1000, 1100, 1, 2}}, {}},
         {"09:00 | H1x1 | F1x1 F1x1 | G3x1 | H1x1",  //
          "10:00 | H1x1 | F1x2 . | . | H1x1",        //
          "11:00 | H1x1 | G1x2 . | . | H1x1"}},
        {"gap groups of different row spans stay apart",
         {900, 1000, 1100},
         {{{900, 1000, 1, 2}, {900, 1000, 2, 2}, {1100, 1200, 2, 2}}},
         {"09:00 | H1x1 | F1x1 F1x1 | H1x1",  //
          "10:00 | H1x1 | G2x1 G1x1 | H1x1",  //
          "11:00 | H1x1 | . F1x1 | H1x1"}},
        {"frames outside the hour rows or into the frame before them are cut to the rows left",
         {900, 1000},
         {{{700, 930, 0, 1}, {900, 1000, 0, 1}, {1030, 1300, 0, 1}}},
         {"09:00 | H2x1 | F1x1 | H2x1",  //
          "09:30 | . | F1x1 | .",        //
          "10:00 | H2x1 | G1x1 | H2x1",  //
          "10:30 | . | F1x1 | ."}},
    };
    for (const ModelCase& c : cases) {
        THtmlKnr model;
        model.Build(Source(c.hours, c.dates));
        EXPECT_EQ(Table(model), c.table) << c.name;
    }
}

TEST(HtmlKnrTest, LaneOfAFrameSpreadsItsLanesOverTheDate) {
    struct LaneCase {
        int p, g, b, lane;
    };
    const std::vector<LaneCase> cases{
        {0, 1, 1, 0}, {1, 2, 2, 0}, {2, 2, 2, 1}, {2, 2, 4, 2},  // even: (p-1) * trunc(b/g)
        {2, 2, 3, 2}, {3, 3, 3, 2},                              // odd: (p-1) * trunc((b+1)/g)
        {2, 3, 5, 1}, {3, 3, 5, 3},                              // less 1 when b mod g > 1
    };
    for (const LaneCase& c : cases) EXPECT_EQ(HtmlLaneOf(c.p, c.g, c.b), c.lane) << c.p << "/" << c.g << " of " << c.b;
}

}  // namespace
}  // namespace mv
