// The CSV grid window on a large file, in process and offscreen: a 100,000-line CSV of 22
// columns (dates, times, Japanese titles and notes, some fields quoted for their commas) is
// generated, then timed as the window loads it (progress shown, grid shown and painted),
// pages through it, and writes it back. Wall clock, median of the runs; the resident memory
// the loaded window holds beyond an empty one is reported against the file size.
//
// usage: csvgrid-bench [--lines N] [--runs N]
//        csvgrid-bench --show MS [--lines N]   (on the screen: loads once and stays MS ms,
//                                               for looking at the window)

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

#include "bench/wallclock.h"
#include "io/csv/widgets/csvgridview.h"
#include "io/csv/widgets/csvgridwindow.h"
#include "model/codec.h"
#include "model/settings.h"
#include "model/textfile.h"
#include "platform/filechooser.h"
#include "platform/systemhost.h"

using namespace mv;
using namespace mv::bench;

namespace {

struct Folder {
    Folder() : path(std::filesystem::temp_directory_path() / ("mv-csvgrid-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

class AnswerPath : public FileChooser {
public:
    std::string path;
    std::optional<std::string> ChooseOpen(const FileDialogRequest&) override { return path; }
    std::optional<std::string> ChooseSave(const FileDialogRequest&) override { return path; }
};

class BenchHost : public CsvGridHost {
public:
    explicit BenchHost(const std::filesystem::path& folder) : system(folder) {}
    EnvSettings settings;
    AnswerOk dialogs;
    AnswerPath files;
    SystemHost system;
    EnvSettings& Settings() override { return settings; }
    Dialogs& Messages() override { return dialogs; }
    FileChooser& Files() override { return files; }
    Host& System() override { return system; }
    void OpenDefinition(bool) override {}
    void GridWindowClosed() override {}
};

// Lines of 22 fields: start and end dates and times, a title, a place, a person, notes.
std::vector<std::string> MakeLines(int count) {
    const char* titles[] = {"定例会議", "打ち合わせ", "出張（大阪）", "研修", "来客対応", "資料作成",
                            "Weekly sync", "面談, 評価", "移動", "夜間作業"};
    const char* places[] = {"本社 第一会議室", "大阪支社", "オンライン", "東京都千代田区丸の内", "横浜"};
    const char* people[] = {"山田 太郎", "佐藤 花子", "鈴木 一郎", "高橋 美咲"};
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    std::string heading = "開始日,開始時刻,終了日,終了時刻,件名,場所,担当者,区分,優先度,状態";
    for (int c = 11; c <= 22; ++c) heading += ",備考" + std::to_string(c - 10);
    lines.push_back(FromUtf8(heading));
    for (int i = 1; i < count; ++i) {
        const int day = 1 + i % 28, month = 1 + (i / 28) % 12;
        const int start = 5 * 60 + (i * 35) % (19 * 60), end = start + 30 + (i * 45) % 240;
        char dates[96];
        std::snprintf(dates, sizeof dates, "2024/%02d/%02d,%02d:%02d,2024/%02d/%02d,%02d:%02d", month, day,
                      start / 60, start % 60, month, day, (end / 60) % 24, end % 60);
        std::string line = dates;
        const std::string title = titles[i % 10] + std::string(" ") + std::to_string(i);
        line += "," + (title.find(',') != std::string::npos ? "\"" + title + "\"" : title);
        line += std::string(",") + places[i % 5] + "," + people[i % 4] + ",会議,高,済";
        for (int c = 11; c <= 22; ++c) line += ",メモ" + std::to_string((i * c) % 1000);
        lines.push_back(FromUtf8(line));
    }
    return lines;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int count = 100000, runs = 5, showMs = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--lines") == 0) count = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--show") == 0) showMs = std::atoi(argv[i + 1]);
    }
    if (!showMs && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    Folder folder;
    BenchHost host(folder.path);
    const std::filesystem::path csv = folder.path / "rows.csv";
    if (!WriteLines(csv, MakeLines(count), host.system)) {
        std::fprintf(stderr, "cannot write %s\n", csv.string().c_str());
        return 1;
    }
    const auto size = std::filesystem::file_size(csv);
    const auto u8 = [](const std::filesystem::path& p) {
        const std::u8string t = p.u8string();
        return std::string(t.begin(), t.end());
    };

    TfrmCsvImport window(host);
    if (showMs > 0) {
        window.ShowMode(TfrmCsvImport::Mode::Import);
        window.LoadCsvFile(u8(csv));
        window.FixedRowsCombo()->setCurrentIndex(1);
        QTimer::singleShot(showMs, &app, [&app] { app.quit(); });
        return app.exec();
    }
    window.resize(1280, 800);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    QApplication::processEvents();
    const long emptyKb = ResidentKb();

    std::vector<double> load, page, wheel, write;
    long loadedKb = 0;
    for (int run = 0; run < runs; ++run) {
        window.ShowMode(TfrmCsvImport::Mode::Import);
        QApplication::processEvents();
        load.push_back(Ms([&] {
            window.LoadCsvFile(u8(csv));
            window.Grid()->repaint();
            QApplication::processEvents();
        }));
        loadedKb = std::max(loadedKb, ResidentKb());
        QScrollBar* bar = window.Grid()->verticalScrollBar();
        page.push_back(Ms([&] {
                           for (int step = 0; step < 100; ++step) {
                               bar->setValue(bar->value() + bar->pageStep());
                               window.Grid()->viewport()->repaint();
                           }
                       }) /
                       100);
        // A wheel step: three lines scrolled, the view moving what it shows and painting
        // the lines that come in.
        wheel.push_back(Ms([&] {
                            for (int step = 0; step < 100; ++step) {
                                bar->setValue(bar->value() + 3);
                                QApplication::processEvents();
                            }
                        }) /
                        100);
        host.files.path = u8(folder.path / "written.csv");
        write.push_back(Ms([&] { window.WriteCsvFile(); }));
    }
    const bool same = ReadFileBytes(csv, host.system) == ReadFileBytes(folder.path / "written.csv", host.system);

    std::printf("CSV file: %d lines of 22 fields, %llu bytes; %d runs, median\n", window.Table().LineCount(),
                static_cast<unsigned long long>(size), runs);
    Print("load into the window (read, grid shown and painted)", Median(load), 1000);
    Print("one page down, repainted", Median(page), 16);
    Print("three lines down (a wheel step), painted", Median(wheel), 16);
    Print("write the grid back (joined, written, renamed)", Median(write), 1000);
    std::printf("%-58s %9.1f MB  (file %.1f MB, %.2f times; target 4)\n", "memory the loaded window holds",
                (loadedKb - emptyKb) / 1024.0, size / 1048576.0, (loadedKb - emptyKb) * 1024.0 / size);
    std::printf("written file equals the file read: %s\n", same ? "yes" : "NO");
    return same ? 0 : 1;
}
