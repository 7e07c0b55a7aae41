// Group operations in the real window, offscreen, on the five-week view of a year of 100
// frames a day: a 35-day range copied onto a target overlapping it, its undo, the same range
// moved and its undo; the whole year copied to the next day; 500 chosen frames deleted and
// brought back. Questions are answered OK. Prints wall-clock milliseconds (median of runs;
// the year copy once).
//
//   QT_QPA_PLATFORM=offscreen range-bench YEAR.MVF

#include <QApplication>
#include <cstdio>
#include <vector>

#include "edit/daterangecommands.h"
#include "edit/framecommands.h"
#include "bench/benchwindow.h"

using mv::bench::Median;
using mv::bench::Ms;
using mv::bench::Print;

namespace {

void Measure(QApplication& app, mv::TfrmTimeTable_01& window, mv::Dialogs& dialogs) {
    mv::EditContext& edit = window.Edit();
    const mv::Date first = window.Layout().Columns().front().date;
    const mv::Date last = mv::AddDays(first, 34);
    const mv::Date target = mv::AddDays(first, 7);
    constexpr int kRuns = 5;
    std::vector<double> copies, copyUndos, moves, moveUndos, deletes, deleteUndos;
    for (int run = 0; run < kRuns; ++run) {
        copies.push_back(Ms([&] {
            mv::TransferDateRange(edit, dialogs, window.Session().Ids(), first, last, target, true);
            app.processEvents();
        }));
        copyUndos.push_back(Ms([&] {
            window.Mn_UndoClick();
            app.processEvents();
        }));
        moves.push_back(Ms([&] {
            mv::TransferDateRange(edit, dialogs, window.Session().Ids(), first, last, target, false);
            app.processEvents();
        }));
        moveUndos.push_back(Ms([&] {
            window.Mn_UndoClick();
            app.processEvents();
        }));
        // 500 frames of the shown dates chosen, deleted, and brought back.
        int chosen = 0;
        for (const mv::DayBoxes& day : window.Boxes())
            for (const mv::FrameBox& box : day)
                if (chosen < 500 && box.frame->STime % 3 == 0 && ++chosen)
                    edit.Chosen().Toggle(box.frame->Cid, box.frame->CDate);
        deletes.push_back(Ms([&] {
            mv::DeleteChosenFrames(edit, dialogs);
            app.processEvents();
        }));
        deleteUndos.push_back(Ms([&] {
            window.Mn_UndoClick();
            app.processEvents();
        }));
    }
    const double rebuild = Ms([&] {
        window.Session().CommitView();
        window.RebuildView();
        app.processEvents();
    });
    const int year = window.Session().Design().BaseYear();
    const double wholeYear = Ms([&] {
        mv::TransferDateRange(edit, dialogs, window.Session().Ids(), {year, 1, 1}, {year, 12, 31}, {year, 1, 2}, true);
        app.processEvents();
    });

    std::printf("five-week view from %04d/%02d/%02d, 100 frames a day\n", first.year, first.month, first.day);
    Print("range copy of 35 days onto a target 7 days on (3,500 frames)", Median(copies), 150);
    Print("its undo", Median(copyUndos), 150);
    Print("range move of the same", Median(moves), 150);
    Print("its undo", Median(moveUndos), 150);
    Print("delete of 500 chosen frames", Median(deletes), 100);
    Print("its undo", Median(deleteUndos), 100);
    std::printf("%-58s %9.1f ms\n", "for comparison: the view's full rebuild and redraw", rebuild);
    Print("range copy of the whole year to the next day (36,500 frames)", wholeYear, 1500);
}

}  // namespace

int main(int argc, char** argv) { return mv::bench::RunInWindow(argc, argv, "range-bench", Measure); }
