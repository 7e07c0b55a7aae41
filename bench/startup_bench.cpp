// Times the program's start on a design named on the command line: until the window is
// shown, and until the design is shown in it (the design opens at the start-up tick, half a
// second after the first showing, as the program is built).
//
//   QT_QPA_PLATFORM=offscreen startup-bench DESIGN.MVF

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/window/timetablewindow.h"
#include "platform/qtdialogs.h"
#include "platform/systemhost.h"
#include "view/fonts.h"

int main(int argc, char** argv) {
    const auto begin = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    };
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-bench DESIGN.MVF\n");
        return 2;
    }
    QApplication app(argc, argv);
    mv::SubstituteFonts();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mv-startup-bench";
    std::filesystem::create_directories(folder);
    mv::SystemHost host(folder);
    mv::QtDialogs dialogs;
    mv::QtFileChooser files;
    mv::TfrmTimeTable_01 window(host, dialogs, files, folder / "Marovelantis.Env", argv[1]);
    window.show();
    const double shown = elapsed();
    double designShown = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (!window.Session().Design().Path().empty() && !window.Layout().Columns().empty()) {
            designShown = elapsed();
            window.Session().SetModified(false);
            window.close();
            app.quit();
        }
    });
    poll.start(1);
    app.exec();
    std::printf("window shown after %.0f ms; design shown after %.0f ms (of which 500 ms is the start-up tick)\n",
                shown, designShown);
    std::filesystem::remove_all(folder);
    return 0;
}
