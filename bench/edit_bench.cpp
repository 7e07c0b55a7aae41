// Editing in the real window, offscreen, on the five-week view of a design with 40 frames a
// day: one mouse move of a body drag (the preview recomputed and painted), the commit of a
// move to the next date (undo entry, data change, the two columns laid out again and
// redrawn), its undo, and the full rebuild and redraw of the view as the baseline the
// partial redraw is measured against; and the property window following the selection. Prints milliseconds of CPU time (median, fastest).
//
//   QT_QPA_PLATFORM=offscreen edit-bench DESIGN.MVF
//   (bench/edit.sh generates the design and runs this and the edit verb's benchmark)

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "edit/undocommands.h"
#include "bench/benchwindow.h"
#include "view/fonts.h"

namespace {

constexpr int kRuns = 25;

double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timing {
    double median = 0, fastest = 0;
};

Timing Summary(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    return {runs[runs.size() / 2], runs.front()};
}

void Print(const char* what, Timing timing, double target) {
    std::printf("%-52s median %7.3f ms  fastest %7.3f ms  (target %.0f ms: %s)\n", what, timing.median,
                timing.fastest, target, timing.median <= target ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: edit-bench DESIGN.MVF\n");
        return 2;
    }
    QApplication app(argc, argv);
    mv::SubstituteFonts();
    mv::QtDialogs dialogs;
    mv::bench::BenchWindow shown(argv[1], "mv-edit-bench", dialogs);
    mv::TfrmTimeTable_01& window = *shown;

    mv::EditController& controller = window.Controller();
    // A frame on the third date, pressed in its body grip, and the place on the next date.
    auto grip = [&](int column) {
        for (const mv::FrameBox& box : window.Boxes().at(column))
            if (box.valid && box.rect.Height() >= 25) return std::make_pair(box.rect.left + 5, box.rect.top + 7);
        std::fprintf(stderr, "edit-bench: no frame tall enough to take by its body\n");
        std::exit(1);
    };
    auto at = [](int x, int y) { return mv::PointerEvent{x, y, mv::PointerButton::Left, false, false}; };
    const int width = window.Layout().ColumnWidth();

    // One mouse move of a drag: the preview follows and is painted.
    std::vector<double> moves;
    {
        const auto [x, y] = grip(2);
        controller.MouseDown(at(x, y));
        for (int i = 0; i < kRuns * 4; ++i) {
            const double begin = CpuMs();
            controller.MouseMove(at(x + (i % 2 ? width : 12), y + 20 + (i % 7) * 3));
            app.processEvents();
            moves.push_back(CpuMs() - begin);
        }
        controller.MouseUp(at(x, y));  // back where it started: nothing changes
        if (window.Session().History().CanUndo()) mv::UndoNewest(window.Edit());
    }

    // The commit of a move to the next date, its undo, and the full rebuild.
    std::vector<double> commits, undos, rebuilds;
    for (int i = 0; i < kRuns; ++i) {
        const auto [x, y] = grip(2 + i % 3);
        controller.MouseDown(at(x, y));
        controller.MouseMove(at(x + width / 2, y + 10));
        controller.MouseMove(at(x + width, y + 14));
        double begin = CpuMs();
        controller.MouseUp(at(x + width, y + 14));
        app.processEvents();
        commits.push_back(CpuMs() - begin);

        begin = CpuMs();
        window.Mn_UndoClick();
        app.processEvents();
        undos.push_back(CpuMs() - begin);

        // As a change of the display type rebuilds: the shown dates stored, then all of it.
        begin = CpuMs();
        window.Session().CommitView();
        window.RebuildView();
        app.processEvents();
        rebuilds.push_back(CpuMs() - begin);
    }

    // A frame created at a press (the generated days leave no empty time: it takes the
    // pressed frame's times), then taken away again by undo.
    std::vector<double> creates;
    for (int i = 0; i < kRuns; ++i) {
        const auto [x, y] = grip(2 + i % 3);
        controller.MouseDown(mv::PointerEvent{x, y + 10, mv::PointerButton::Right, false, false});
        const double begin = CpuMs();
        controller.CreateAtPress(false);
        app.processEvents();
        creates.push_back(CpuMs() - begin);
        controller.Escape();
        window.Mn_UndoClick();
    }

    // The property window, open on the Title page, filled for one frame after another of the
    // third date, as it is after every selection change.
    std::vector<double> refreshes;
    {
        window.Properties().Open(false);
        const mv::Date date = window.Layout().Columns().at(2).date;
        const auto& frames = window.Session().Working().Column(2).frames;
        for (int i = 0; i < kRuns * 4; ++i) {
            const mv::TCInf& frame = *frames.at(static_cast<std::size_t>(i) % frames.size());
            window.Edit().Selection().Select(frame.Cid, date, 0);
            const double begin = CpuMs();
            window.Properties().RefreshFrame();
            app.processEvents();
            refreshes.push_back(CpuMs() - begin);
        }
        window.Properties().hide();
    }

    const Timing commit = Summary(commits), rebuild = Summary(rebuilds);
    std::printf("five-week view, %zu dates, %zu frames on the third date\n", window.Layout().Columns().size(),
                window.Boxes().at(2).size());
    Print("one mouse move of a drag (preview and its paint)", Summary(moves), 2);
    Print("commit of a move to the next date (partial redraw)", commit, 16);
    Print("undo of that move", Summary(undos), 16);
    Print("create at a press (commit and redraw)", Summary(creates), 16);
    Print("property window following a selection change", Summary(refreshes), 5);
    std::printf("%-52s median %7.3f ms  fastest %7.3f ms\n", "baseline: full rebuild and redraw", rebuild.median,
                rebuild.fastest);
    std::printf("commit against the full rebuild: %.1f times faster (target 3)\n", rebuild.median / commit.median);
    return 0;
}
