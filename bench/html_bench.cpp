// The HTML page of the five-week view (35 dates) with 40 frames a day (1,400 frames): the
// conversion alone in process (the view laid out once; the source taken from it and the
// page built, as the window's "3. HTML 形式で保存する" does before writing), median of the
// runs against the target of 50 ms; then, as whole processes, `marovelantis-tool html`
// against `marovelantis-tool render` of the same view.
//
//   build/html-bench [DESIGN]   (without one, generate-design writes a year of 40 a day)

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/wallclock.h"
#include "io/html/htmlpage.h"
#include "io/html/htmlviewsource.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "platform/systemhost.h"
#include "view/fonts.h"
#include "view/geometry/displaytype.h"
#include "view/snapshot.h"

namespace fs = std::filesystem;

namespace mv {
namespace {

constexpr int kRuns = 25;
constexpr int kProcessRuns = 5;
const char* const kStart = "2026/03/02";

int Main(int argc, char** argv) {
    const fs::path folder = fs::temp_directory_path() / ("html-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::path design = folder / "year40.MVF";
    if (argc > 1) {
        design = argv[1];
    } else {
        const std::string command = std::string("\"") + MV_GENERATE_DESIGN_PATH + "\" \"" + design.string() +
                                    "\" --frames-per-day 40 --year 2026";
        if (std::system(command.c_str()) != 0) return 1;
    }

    SystemHost host;
    bench::AnswerOk dialogs;
    FrameIdSource ids(host);
    DesignDocument document(host, dialogs, ids);
    if (!document.ReadDesignFile(design, false)) return 1;
    SnapshotRequest request;
    request.start = *ParseDate(kStart);
    request.displayType = kFiveWeekType;
    ViewSnapshot snapshot(document.Store(), document.BaseYear());
    snapshot.Build(request);
    std::size_t frames = 0;
    for (const DayBoxes& day : snapshot.Days()) frames += day.size();

    const EnvSettings settings = DefaultSettings(*ParseDate(kStart));
    HtmlViewState state;
    state.title = document.Title();
    std::string page;
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.push_back(bench::Ms([&] {
            page = BuildHtmlPage(HtmlSourceFromView(snapshot.Layout(), snapshot.Days(), state, settings,
                                                    request.holidays));
        }));
    std::printf("five-week view: %zu dates, %zu frames, page of %.1f KB\n", snapshot.Days().size(), frames,
                static_cast<double>(page.size()) / 1024);
    bench::Print("conversion alone (source and page, median)", bench::Median(runs), 50);

    // Whole processes: the tool hands both commands to marovelantis-render.
    auto process = [&](const std::string& verb, const std::string& out) {
        const std::string command = std::string("\"") + MV_TOOL_PATH + "\" " + verb + " \"" + design.string() +
                                    "\" \"" + (folder / out).string() + "\" --start " + kStart + " --type " +
                                    std::to_string(kFiveWeekType) + " 2> /dev/null";
        std::vector<double> times;
        for (int i = 0; i < kProcessRuns; ++i)
            times.push_back(bench::Ms([&] {
                if (std::system(command.c_str()) != 0) std::printf("%s failed\n", verb.c_str());
            }));
        return bench::Median(times);
    };
    const double html = process("html", "page.html");
    const double render = process("render", "view.png");
    std::printf("%-58s %9.1f ms\n", "marovelantis-tool html (whole process, median)", html);
    std::printf("%-58s %9.1f ms\n", "marovelantis-tool render (whole process, median)", render);
    std::printf("html within the time of render: %s\n", html <= render ? "yes" : "NO");
    if (argc <= 1) fs::remove_all(folder);
    return 0;
}

}  // namespace
}  // namespace mv

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    mv::SubstituteFonts();
    return mv::Main(argc, argv);
}
