#pragma once
// The design window as the editing benchmarks drive it: offscreen, 1920 pixels wide, on a
// copy of a design in a folder of its own, showing the five-week view. Made after the
// QApplication; taking it down leaves the design unmodified and removes the folder.

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/window/timetablewindow.h"
#include "app/window/toolpanel.h"
#include "bench/wallclock.h"
#include "platform/qtdialogs.h"
#include "platform/systemhost.h"
#include "view/fonts.h"
#include "view/geometry/displaytype.h"

namespace mv::bench {

struct BenchFolder {
    explicit BenchFolder(const std::string& name) : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::create_directories(path);
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

class BenchWindow {
public:
    BenchWindow(const char* design, const std::string& folderName, Dialogs& dialogs)
        : mFolder(folderName), mHost(mFolder.path), mWindow(mHost, dialogs, mFiles, mFolder.path / "Marovelantis.Env") {
        const std::filesystem::path copy = mFolder.path / "design.MVF";
        std::filesystem::copy_file(design, copy, std::filesystem::copy_options::overwrite_existing);
        mWindow.resize(1920, 1000);
        mWindow.show();
        mWindow.MyTimer().stop();
        mWindow.Session().OpenFile(copy.string(), true);
        mWindow.Tools()->TypeButtons->button(RadioButtonOfType(kFiveWeekType))->click();
        QApplication::processEvents();
    }
    ~BenchWindow() {
        mWindow.Session().SetModified(false);
        mWindow.close();
    }
    TfrmTimeTable_01& operator*() { return mWindow; }
    TfrmTimeTable_01* operator->() { return &mWindow; }

private:
    BenchFolder mFolder;
    SystemHost mHost;
    QtFileChooser mFiles;
    TfrmTimeTable_01 mWindow;
};

// The main of a benchmark in the window, whose one argument is the design: the application
// with the program's fonts, and the window open on a copy of the design. `measure` is given
// the application, the window and the dialogs (questions take their default, OK).
template <class Measure>
int RunInWindow(int argc, char** argv, const char* program, Measure measure) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DESIGN.MVF\n", program);
        return 2;
    }
    QApplication app(argc, argv);
    SubstituteFonts();
    AnswerOk dialogs;
    BenchWindow shown(argv[1], std::string("mv-") + program, dialogs);
    measure(app, *shown, dialogs);
    return 0;
}

}  // namespace mv::bench
