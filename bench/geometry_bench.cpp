// Times a full rebuild's geometry for the five-week view: the frames of 35 dates built from
// the line store, their linear rectangles and the per-hour adjustment.
//
//   geometry-bench DESIGN.MVF [--start YYYY/MM/DD] [--runs N]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <vector>

#include "bench/generatorsupport.h"
#include "model/workingset.h"
#include "view/geometry/displaytype.h"
#include "view/geometry/framelayout.h"

using namespace mv;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: geometry-bench DESIGN.MVF [--start YYYY/MM/DD] [--runs N]\n";
        return 2;
    }
    bench::FixedHost host("BENCH", {2026, 1, 1, 9, 0, 0});
    bench::StderrDialogs dialogs;
    FrameIdSource ids(host);
    DesignDocument design(host, dialogs, ids);
    if (!design.ReadDesignFile(argv[1], false)) return 1;
    Date start{design.BaseYear(), 4, 6};
    int runs = 50;
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string option = argv[i];
        if (option == "--start") start = ParseDate(argv[i + 1]).value_or(start);
        if (option == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
    }

    RecordContext context;
    context.baseYear = design.BaseYear();
    const ViewMetrics metrics = ComputeMetrics({13, 7, 13}, kFiveWeekType, 1600, false);
    const WindowSizes sizes{1600, 1920, 1080, 30, 60, kYearBoxHeight};
    std::vector<double> times;
    std::size_t frames = 0;
    for (int run = 0; run < runs; ++run) {
        auto begin = std::chrono::steady_clock::now();
        WorkingSet working(design.Store(), context);
        ViewLayout layout;
        layout.Build(start, kFiveWeekType, ScaleState{}, metrics, sizes);
        working.Build(start, static_cast<int>(layout.Columns().size()));
        working.LoadView();
        std::vector<DayBoxes> days(working.ColumnCount());
        frames = 0;
        for (int c = 0; c < working.ColumnCount(); ++c) {
            days[c] = OrderedBoxes(working.Column(c).frames);
            MapLinear(layout, c, days[c]);
            frames += days[c].size();
        }
        AdjustAllRows(layout, days);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("five-week rebuild geometry: %zu frames, median %.2f ms, best %.2f ms (%d runs)\n", frames,
                times[times.size() / 2], times.front(), runs);
    return 0;
}
