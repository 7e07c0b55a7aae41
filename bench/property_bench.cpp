// The property window's group commands in the real window, offscreen, on the five-week view
// of a year of 100 frames a day: one frame expanded over the whole design year on every
// weekday (a copy a day) and its undo, and the list of days holding frames filled from the
// stored lines. Questions are answered OK. Prints wall-clock milliseconds (median of runs).
//
//   QT_QPA_PLATFORM=offscreen property-bench YEAR.MVF

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/benchwindow.h"
#include "edit/designlists.h"
#include "edit/runcommands.h"

namespace mv::bench {
namespace {

void Measure(QApplication& app, TfrmTimeTable_01& window, Dialogs& dialogs) {
    // The first frame of the first shown date, held by id and date as the window holds it.
    const TCInf& frame = *window.Boxes().front().front().frame;
    const Date date = frame.CDate;
    const std::string cid = frame.Cid;
    const int year = window.Session().Design().BaseYear();
    constexpr WeekdaySet kEveryDay = 0x7F;
    constexpr int kRuns = 5;
    int made = 0;
    std::vector<double> expansions, undos, lists;
    for (int run = 0; run < kRuns; ++run) {
        expansions.push_back(Ms([&] {
            made = ExpandFrame(window.Edit(), dialogs, window.Session().Ids(), date, cid, {year, 1, 1},
                               {year, 12, 31}, kEveryDay);
            app.processEvents();
        }));
        undos.push_back(Ms([&] {
            window.Mn_UndoClick();
            app.processEvents();
        }));
    }
    // The lists read the stored lines: the shown dates are stored first, as showing the page does.
    window.Session().CommitView();
    DesignDays days;
    const LineStore& store = window.Session().Design().Store();
    for (int run = 0; run < kRuns; ++run) lists.push_back(Ms([&] { days = ListDesignDays(store); }));

    std::printf("five-week view from %04d/%02d/%02d, 100 frames a day\n", date.year, date.month, date.day);
    const std::string expanded = "expansion over the year, every weekday (" + std::to_string(made) + " frames)";
    Print(expanded.c_str(), Median(expansions), 100);
    Print("its undo", Median(undos), 100);
    const std::string listed = "day list of the year (" + std::to_string(days.days) + " days, " +
                               std::to_string(days.frames) + " frames)";
    Print(listed.c_str(), Median(lists), 50);
}

}  // namespace
}  // namespace mv::bench

int main(int argc, char** argv) { return mv::bench::RunInWindow(argc, argv, "property-bench", mv::bench::Measure); }
