// The import of a large CSV through the CSV windows into the year design, in the real
// window offscreen: the file loaded into the CSV grid window, then all its rows imported
// into the design (the lines of the year's days and the shown five weeks), and the undo of
// that import. Wall clock, median of the runs. The CSV of bench/csv_bench.sh fits the
// default mapping (item i from column i).
//
//   QT_QPA_PLATFORM=offscreen csvimport-bench YEAR.MVF IN.csv [--runs N]

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/window/csvactions.h"
#include "bench/benchwindow.h"
#include "edit/csvimportcommand.h"

using namespace mv;
using namespace mv::bench;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: csvimport-bench DESIGN.MVF IN.csv [--runs N]\n");
        return 2;
    }
    int runs = 3;
    for (int i = 3; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
    QApplication app(argc, argv);
    SubstituteFonts();
    AnswerOk dialogs;
    BenchWindow shown(argv[1], "mv-csvimport-bench", dialogs);
    TfrmTimeTable_01& window = *shown;
    window.Settings().ImportCol = {0, 1, 2, 3, 4};

    TfrmCsvImport& grid = window.Csv().Grid();
    grid.ShowMode(TfrmCsvImport::Mode::Import);
    const double load = Ms([&] {
        grid.LoadCsvFile(argv[2]);
        app.processEvents();
    });
    CsvOptions options = CsvOptionsFromSettings(window.Settings());
    std::vector<double> imports, undos;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        imports.push_back(Ms([&] {
            rows = ImportCsvTable(window.Edit(), window.Session().Ids(), window.Session().HostRef(), dialogs,
                                  grid.Table(), grid.FrozenLines(), options, ImportChoices{})
                       .rows;
            app.processEvents();
        }));
        undos.push_back(Ms([&] {
            window.Mn_UndoClick();
            app.processEvents();
        }));
    }
    std::printf("csv import through the windows: %d lines, %d rows imported (ms, median of %d)\n",
                grid.Table().LineCount(), rows, runs);
    // Loading has its target (1 s); the import and its undo are figures to compare with the
    // tool's csv-import of the same file as a whole process (bench/csv_bench.sh).
    Print("loaded into the grid window", load, 1000);
    std::printf("%-58s %9.1f ms\n", "all rows imported into the design", Median(imports));
    std::printf("%-58s %9.1f ms\n", "the import undone", Median(undos));
    grid.close();
    return 0;
}
