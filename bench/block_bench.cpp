// Frames through the clipboard and partial design files in the real window, offscreen, on the
// five-week view of a year of 100 frames a day: 35 days (3,500 frames) put on a clipboard
// held in memory and read back at another date, shown or not; the same days saved as a
// partial design file and loaded at a shown date. Each read is taken back (and the view
// brought back to its dates) before the next run. Questions are answered OK. Prints wall-clock milliseconds (median of runs).
//
//   QT_QPA_PLATFORM=offscreen block-bench YEAR.MVF

#include <QApplication>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bench/benchwindow.h"
#include "edit/blockcommands.h"
#include "platform/memoryclipboard.h"

namespace mv::bench {
namespace {

// The save dialog, answered with the partial file's name.
class PartialFile : public FileChooser {
public:
    explicit PartialFile(std::string name) : mName(std::move(name)) {}
    std::optional<std::string> ChooseOpen(const FileDialogRequest&) override { return mName; }
    std::optional<std::string> ChooseSave(const FileDialogRequest&) override { return mName; }

private:
    std::string mName;
};

void Measure(QApplication& app, TfrmTimeTable_01& window, Dialogs& dialogs) {
    EditContext& edit = window.Edit();
    const Date first = window.Layout().Columns().front().date;
    const Date last = AddDays(first, 34);
    const Date shown = AddDays(first, 7), hidden = AddDays(first, 100);
    const BenchFolder folder("mv-block-bench-files");
    const std::filesystem::path file = folder.path / "days.MVF";
    MemoryClipboard clipboard;
    PartialFile files(PathText(file));
    SystemHost host(folder.path);
    const BlockSeams seams{dialogs, window.Session().Ids(), &clipboard, &files, &host};
    const std::filesystem::path design = window.Session().Design().Path();
    std::string lastPath;
    auto timed = [&](std::vector<double>& runs, auto work) {
        runs.push_back(Ms([&] {
            work();
            app.processEvents();
        }));
    };
    // Undone, and the view back at its dates: an undo shows the first frame it took back.
    auto undo = [&] {
        window.Mn_UndoClick();
        window.JumpToDate(first);
        app.processEvents();
    };
    constexpr int kRuns = 5;
    std::vector<double> puts, shownReads, hiddenReads, saves, loads;
    for (int run = 0; run < kRuns; ++run) {
        timed(puts, [&] { PutDaysOnClipboard(edit, seams, first, last, design); });
        timed(shownReads, [&] { ReadClipboardBlock(edit, seams, shown); });
        undo();
        timed(hiddenReads, [&] { ReadClipboardBlock(edit, seams, hidden); });
        undo();
        timed(saves, [&] { SaveDaysAsFile(edit, seams, first, last, lastPath, design); });
        timed(loads, [&] { LoadDesignFile(edit, seams, file, shown); });
        undo();
    }
    const double rebuild = Ms([&] {
        window.Session().CommitView();
        window.RebuildView();
        app.processEvents();
    });

    std::printf("five-week view from %04d/%02d/%02d, 100 frames a day; block of %zu bytes\n", first.year,
                first.month, first.day, clipboard.Text().size());
    const std::pair<const char*, const std::vector<double>&> figures[] = {
        {"35 days (3,500 frames) put on the clipboard", puts},
        {"read back at a shown date 7 days on", shownReads},
        {"read back at a date out of view, 100 days on", hiddenReads},
        {"the same days saved as a partial design file", saves},
        {"the file loaded at a shown date 7 days on", loads}};
    for (const auto& [what, runs] : figures) Print(what, Median(runs), 200);
    std::printf("%-58s %9.1f ms\n", "for comparison: the view's full rebuild and redraw", rebuild);
}

}  // namespace
}  // namespace mv::bench

int main(int argc, char** argv) { return mv::bench::RunInWindow(argc, argv, "block-bench", mv::bench::Measure); }
