// The CSV definition window offscreen: mapping columns to items by drops and keys, the
// automatic mapping, the import as one undo step, the export order and the export lines
// handed over, the heading table.

#include <QApplication>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "edit/editcontext.h"
#include "edit/undocommands.h"
#include "io/csv/csvtable.h"
#include "io/csv/widgets/definition/csvdefinitionlists.h"
#include "io/csv/widgets/definition/csvdefinitionwindow.h"
#include "model/codec.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/settings.h"
#include "support/testhost.h"

using namespace mv;
using namespace mv::test;

namespace {

struct NoRedraw : EditListener {
    int redraws = 0;
    void DatesChanged(const std::vector<Date>&) override { ++redraws; }
};

// A design with 2003/07/01 to 07/07 in view, and what the window hands back.
class TestHost : public CsvDefinitionHost {
public:
    TestHost() {
        design.SetBaseYearIndex(2003 - kFirstBaseYear);
        recordContext.baseYear = 2003;
        working.Build({2003, 7, 1}, 7);
        working.LoadView();
    }
    EditContext& Edit() override { return context; }
    FrameIdSource& FrameIds() override { return ids; }
    Dialogs& Messages() override { return dialogs; }
    EnvSettings& Settings() override { return settings; }
    Host& System() override { return host; }
    void ImportFinished(const Date& earliest, int startTime) override {
        finished.push_back(FormatDate(earliest) + " " + std::to_string(startTime));
    }
    void ExportLinesReady(const std::vector<std::string>& lines) override { exported.push_back(lines); }
    void ImportRunning(bool running) override { finished.push_back(running ? "running" : "over"); }

    std::vector<std::string> StoreLines() {
        working.CommitView(true);
        std::vector<std::string> lines;
        for (int slot = 0; slot < kSlotCount; ++slot)
            for (const std::string& line : design.Store().Slot(slot)) lines.push_back(line);
        return lines;
    }

    FakeHost host;
    FakeDialogs dialogs;
    FrameIdSource ids{host};
    DesignDocument design{host, dialogs, ids};
    RecordContext recordContext;
    WorkingSet working{design.Store(), recordContext};
    UndoHistory history{dialogs};
    NoRedraw listener;
    EditContext context{design, working, history, listener};
    EnvSettings settings;
    std::vector<std::string> finished;
    std::vector<std::vector<std::string>> exported;
};

template <typename T>
T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no child %s", name);
    return child;
}

// Sends what a drag of `data` dropped at `pos` delivers to the view.
void Drop(QAbstractItemView* view, const QPoint& pos, QMimeData* data) {
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &enter);
    QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &move);
    QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &drop);
}

QString Cell(QTableWidget* grid, int row) { return grid->item(row, 1)->text(); }

}  // namespace

class CsvDefinitionTest : public QObject {
    Q_OBJECT

private slots:
    void columnsMapByDropsAndKeysAndUnmapByTheReverseDrop() {
        TestHost host;
        host.settings.ImportCol = {3, -1, -1, 9, -1};
        CsvTable table;
        table.LoadLines({"Date,Start,End,Title", "2003/07/02,10:00,,Meeting"});
        TfrmCsvImportMain window(host);
        window.SetTable(&table, 1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = Child<QListWidget>(window, "LbxSelection");
        auto* grid = Child<QTableWidget>(window, "GridKey");
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(0)->text(), QStringLiteral("   1. Date"));
        QCOMPARE(grid->item(4, 0)->text(), QString::fromUtf8("5. タイトル"));
        // The stored mapping shows; one beyond the columns shows empty.
        QCOMPARE(Cell(grid, 0), QStringLiteral(" 4. Title"));
        QCOMPARE(Cell(grid, 3), QString());

        // A line dragged from the list onto item 1's cell maps it; ImportCol is rebuilt.
        std::unique_ptr<QMimeData> line(list->model()->mimeData({list->model()->index(1, 0)}));
        QVERIFY(line);
        Drop(grid, grid->visualItemRect(grid->item(1, 1)).center(), line.get());
        QCOMPARE(Cell(grid, 1), QStringLiteral(" 2. Start"));
        QCOMPARE(host.settings.ImportCol, (CsvColumns{3, 1, -1, -1, -1}));

        // The same line on another row is refused with the message.
        Drop(grid, grid->visualItemRect(grid->item(2, 1)).center(), line.get());
        QCOMPARE(Cell(grid, 2), QString());
        QCOMPARE(host.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(host.dialogs.shown[0].text, std::string("既に同じ列が選択されています。\r\n\r\n    ＞2. Start"));
        // Dropped on the item names' column nothing happens.
        std::unique_ptr<QMimeData> date(list->model()->mimeData({list->model()->index(0, 0)}));
        Drop(grid, grid->visualItemRect(grid->item(2, 0)).center(), date.get());
        QCOMPARE(Cell(grid, 2), QString());

        // Item 0's cell dragged back onto the list unmaps it.
        std::unique_ptr<QMimeData> cell(grid->model()->mimeData({grid->model()->index(0, 1)}));
        QVERIFY(cell);
        QCOMPARE(DraggedRow(cell.get(), kItemCellMime), 0);
        // The item names do not drag, nor does an empty mapping cell.
        QVERIFY(!std::unique_ptr<QMimeData>(grid->model()->mimeData({grid->model()->index(0, 0)})));
        QVERIFY(!std::unique_ptr<QMimeData>(grid->model()->mimeData({grid->model()->index(2, 1)})));
        Drop(list, list->visualItemRect(list->item(0)).center(), cell.get());
        QCOMPARE(Cell(grid, 0), QString());
        QCOMPARE(host.settings.ImportCol[0], -1);

        // Keys: Enter on a list line maps it to the grid's current row, Delete unmaps it.
        grid->setCurrentCell(0, 1);
        list->setCurrentRow(0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(host.settings.ImportCol[0], 0);
        grid->setCurrentCell(1, 1);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(host.settings.ImportCol, (CsvColumns{0, -1, -1, -1, -1}));
    }

    void automaticMappingAsksThenMapsByTheHeadings() {
        TestHost host;
        CsvTable table;
        table.LoadLines({Sjis("件名,開始日,開始時刻"), "2003/07/02,10:00,x"});
        TfrmCsvImportMain window(host);
        window.SetTable(&table, 1);
        auto* grid = Child<QTableWidget>(window, "GridKey");
        host.dialogs.answers = {Answer::No, Answer::Yes};
        Child<QPushButton>(window, "Btn_ImpAutoSet")->click();
        QCOMPARE(host.settings.ImportCol, (CsvColumns{-1, -1, -1, -1, -1}));
        Child<QPushButton>(window, "Btn_ImpAutoSet")->click();
        QCOMPARE(host.settings.ImportCol, (CsvColumns{1, 2, -1, -1, 0}));
        QCOMPARE(Cell(grid, 4), QString::fromUtf8(" 1. 件名"));
        QVERIFY(host.dialogs.shown[0].text.find("    2.   \"開始時刻\"\r\n") != std::string::npos);
    }

    void importRunsAsOneUndoStepAndMovesTheView() {
        TestHost host;
        host.settings.ImportCol = {0, 1, -1, 2, 3};
        CsvTable table;
        table.LoadLines({"Date,Start,End,Title", "2003/07/03,10:00,,Meeting", "2003/07/06,8:30,,Early", "x,,,"});
        TfrmCsvImportMain window(host);
        window.SetTable(&table, 1);
        const std::vector<std::string> before = host.StoreLines();

        // No to the question: nothing changes.
        host.dialogs.answers = {Answer::No};
        Child<QPushButton>(window, "Btn_Import")->click();
        QCOMPARE(host.StoreLines(), before);
        QVERIFY(!host.design.Modified());
        QVERIFY(host.finished.empty());

        host.dialogs.shown.clear();
        Child<QRadioButton>(window, "Rbt_ImpDupYes")->setChecked(true);
        Child<QPushButton>(window, "Btn_Import")->click();
        QCOMPARE(host.dialogs.shown.size(), std::size_t{2});
        QVERIFY(host.dialogs.shown[0].text.find("重複データの扱い　：　取り込む") != std::string::npos);
        QCOMPARE(host.dialogs.shown[1].text, std::string("インポート処理を終了しました。\r\n\r\n    インポート行数 = 2"));
        QCOMPARE(host.finished, (std::vector<std::string>{"running", "2003/07/03 1000", "over"}));
        QCOMPARE(host.StoreLines().size(), before.size() + 2);
        QVERIFY(host.design.Modified());
        QCOMPARE(host.history.Entries().size(), std::size_t{1});
        QCOMPARE(host.listener.redraws, 1);
        QVERIFY(Child<QPushButton>(window, "Btn_Import")->isEnabled());

        QVERIFY(UndoNewest(host.context));
        QCOMPARE(host.StoreLines(), before);
        QVERIFY(!host.design.Modified());
    }

    void importWithoutTheStartDateTellsAndStops() {
        TestHost host;
        CsvTable table;
        table.LoadLines({"Date", "2003/07/03"});
        TfrmCsvImportMain window(host);
        window.SetTable(&table, 1);
        Child<QPushButton>(window, "Btn_Import")->click();
        QCOMPARE(host.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(host.dialogs.shown[0].text,
                 std::string("対応項目の【 開始日 】 を指定して下さい。\r\n\r\n開始日はインポートの必須項目です。"));
        QVERIFY(host.StoreLines().empty());
    }

    void exportOrderMovesAndTheLinesAreHandedOver() {
        TestHost host;
        auto frame = NewFrame(host.recordContext.defaults, "A1");
        frame->CDate = {2003, 7, 2};
        frame->STime = 900;
        frame->ETime = 1800;
        host.design.Store().AddLine(frame->CDate, BuildRecordLine(*frame));
        host.working.LoadView();

        TfrmCsvImportMain window(host);
        window.OpenExport();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString::fromUtf8("マロベランティス２  ＣＳＶファイルのエキスポート"));
        auto* tabs = window.findChild<QTabWidget*>();
        QVERIFY(!tabs->isTabVisible(0));
        QVERIFY(tabs->isTabVisible(1));
        QVERIFY(tabs->isTabVisible(2));
        // The window gave the blank settings their defaults.
        QCOMPARE(host.settings.CsvTaiou[4], Sjis("件名"));
        QCOMPARE(host.settings.ExportCol, (CsvColumns{0, 1, 2, 3, 4}));

        // The title line dropped on the first line goes before it.
        auto* list = Child<QListWidget>(window, "lbxExport");
        QCOMPARE(list->item(0)->text(), QString::fromUtf8(" 1. 開始日"));
        std::unique_ptr<QMimeData> title(list->model()->mimeData({list->model()->index(4, 0)}));
        Drop(list, list->visualItemRect(list->item(0)).center(), title.get());
        QCOMPARE(list->item(0)->text(), QString::fromUtf8(" 1. 件名"));
        QCOMPARE(list->item(1)->text(), QString::fromUtf8(" 2. 開始日"));
        QCOMPARE(host.settings.ExportCol, (CsvColumns{4, 0, 1, 2, 3}));
        // Alt+Down moves the current line one place down.
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(host.settings.ExportCol, (CsvColumns{0, 4, 1, 2, 3}));

        Child<QRadioButton>(window, "Rbt_ExpMidNo")->setChecked(true);
        host.dialogs.answers = {Answer::Yes};
        Child<QPushButton>(window, "Btn_Export")->click();
        QCOMPARE(host.exported.size(), std::size_t{1});
        QCOMPARE(host.exported[0], (std::vector<std::string>{"2003/07/02,,09:00:00,2003/07/02,18:00:00"}));
        QCOMPARE(host.dialogs.shown.back().text,
                 std::string("エキスポートのデータ作成を終了しました。\r\n\r\n    エキスポートデータ行数 = 1"));
        QVERIFY(!window.isVisible());
        QVERIFY(!host.design.Modified());
    }

    void headingsEditedInTheTableAreStored() {
        TestHost host;
        TfrmCsvImportMain window(host);
        QCOMPARE(window.windowTitle(), QString::fromUtf8("マロベランティス２  ＣＳＶファイルのインポート"));
        auto* table = Child<QTableWidget>(window, "GridMid");
        QCOMPARE(table->item(0, 0)->text(), QString::fromUtf8("1. 開始日"));
        QCOMPARE(table->item(1, 1)->text(), QString::fromUtf8("開始時刻"));
        table->item(1, 1)->setText(QString::fromUtf8("時刻"));
        QCOMPARE(host.settings.CsvTaiou[1], Sjis("時刻"));
        QVERIFY(host.dialogs.shown.empty());
    }
};

QTEST_MAIN(CsvDefinitionTest)
#include "csvdefinition_test.moc"
