// print-bench: printing the five-week view (35 dates) with 40 frames a day on A4 landscape.
//
//   print-bench [--runs N]
//
// Runs generate-design (built beside it) into a temporary folder, then times, in this
// process offscreen (wall clock, median of the runs):
//   - the print window opened: its controls, PreparePrint and the first preview page
//     (target 500 ms);
//   - PreparePrint alone, one page drawn into the preview, and every page written as a PDF
//     file;
// and, as whole processes, `marovelantis-tool pdf` of the view against `render` of the same
// view as a PNG.

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "bench/generatorsupport.h"
#include "bench/wallclock.h"
#include "io/print/timepdf.h"
#include "io/print/timeprintwindow.h"
#include "platform/filechooser.h"
#include "view/fonts.h"
#include "view/snapshot.h"

namespace mv::bench {
namespace {

namespace fs = std::filesystem;

class NoFiles : public FileChooser {
public:
    std::optional<std::string> ChooseOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> ChooseSave(const FileDialogRequest&) override { return std::nullopt; }
};

double MedianOf(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    work();  // fonts and caches warmed up
    for (int i = 0; i < runs; ++i) times.push_back(Ms(work));
    return Median(times);
}

int Run(int argc, char** argv) {
    int runs = 7;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
    const fs::path work = fs::temp_directory_path() / ("mv-print-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(work);
    const fs::path design = work / "year.MVF";
    const std::string generate = std::string("\"") + MV_GENERATE_DESIGN_PATH + "\" \"" + design.string() +
                                 "\" --frames-per-day 40 --year 2026";
    if (std::system(generate.c_str()) != 0) return 1;

    FixedHost host("MVBENCH", {2026, 3, 1, 9, 0, 0});
    AnswerOk dialogs;
    NoFiles files;
    FrameIdSource ids(host);
    DesignDocument document(host, dialogs, ids);
    if (!document.ReadDesignFile(design, false)) return 1;
    SnapshotRequest view;
    view.start = {2026, 3, 2};
    view.displayType = 8;  // five weeks
    view.sizes.windowWidth = view.sizes.screenWidth = 1920;
    view.sizes.screenHeight = 1080;
    view.forOutput = true;
    ViewSnapshot snapshot(document.Store(), document.BaseYear());
    snapshot.Build(view);
    const TimePrintRequest request{&snapshot.Layout(), &snapshot.Days(), snapshot.Options(), "bench"};
    TimePrintChoices choices;
    choices.orientation = kLandscape;

    const double open = MedianOf(runs, [&] { TfrmTimePrint_01 window(nullptr, request, choices, host, dialogs, files); });
    TfrmTimePrint_01 window(nullptr, request, choices, host, dialogs, files);
    const double prepare = MedianOf(runs, [&] { window.PreparePrint(); });
    const double page = MedianOf(runs, [&] { window.DrawPage(0); });
    TimePagePainter pages(snapshot.Layout(), snapshot.Days(), snapshot.Options(), choices, {"bench", 2026, ""});
    const fs::path pdf = work / "view.pdf";
    const double writePdf = MedianOf(runs, [&] {
        WriteTimetablePdf(pages, TimePrintPageLayout(kPaperA4, kLandscape), 0, kMaxPrintPages, pdf.string(), "bench",
                          host);
    });

    // The tool as whole processes, on the same view.
    const std::string tool = std::string("\"") + MV_TOOL_PATH + "\" ";
    const std::string common = " \"" + design.string() + "\" --start 2026/03/02 --type 8 ";
    const std::string settings = (work / "Marovelantis.Env").string();
    std::system(("printf 'Plot_Orient=2\\r\\n' > \"" + settings + "\"").c_str());
    const double toolPdf = MedianOf(runs, [&] {
        std::system((tool + "pdf" + common + "\"" + (work / "tool.pdf").string() + "\" --settings \"" + settings +
                     "\" --paper A4 2>/dev/null")
                        .c_str());
    });
    const double toolPng = MedianOf(runs, [&] {
        std::system((tool + "render" + common + "\"" + (work / "tool.png").string() + "\" --width 1920 --height 1080 2>/dev/null")
                        .c_str());
    });

    std::printf("print: five weeks, 40 frames a day, A4 landscape, %d pages (ms: median of %d, wall clock)\n",
                window.PageCount(), runs);
    Print("print window opened with its first preview page", open, 500);
    std::printf("    PreparePrint with the preview page:                  %9.1f ms\n", prepare);
    std::printf("    one page drawn into the preview:                     %9.1f ms\n", page);
    std::printf("    every page written as PDF (in process):              %9.1f ms\n", writePdf);
    std::printf("  marovelantis-tool pdf, whole process:                  %9.1f ms\n", toolPdf);
    std::printf("  marovelantis-tool render (PNG) of the view:            %9.1f ms  (pdf / render %.2f)\n", toolPng,
                toolPdf / toolPng);
    fs::remove_all(work);
    return 0;
}

}  // namespace
}  // namespace mv::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mv::SubstituteFonts();
    return mv::bench::Run(argc, argv);
}
