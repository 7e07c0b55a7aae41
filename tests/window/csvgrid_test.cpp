// The CSV grid window offscreen, without the main window: loading files into the grid and
// its labels, writing the grid back, the frozen lines, drops, and what it says when things
// fail.

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "io/csv/widgets/csvgridmodel.h"
#include "io/csv/widgets/csvgridview.h"
#include "io/csv/widgets/csvgridwindow.h"
#include "model/codec.h"
#include "model/settings.h"
#include "platform/filechooser.h"
#include "support/testhost.h"

using namespace mv;
using namespace mv::test;

namespace {

class GridHost : public CsvGridHost {
public:
    TempFolder folder;
    FakeHost host;
    FakeDialogs dialogs;
    FakeFileChooser files;
    EnvSettings settings;
    std::vector<bool> definitions;
    std::vector<bool> helpTopics;
    int closed = 0;

    GridHost() { host.programFolder = folder.Path(); }
    EnvSettings& Settings() override { return settings; }
    Dialogs& Messages() override { return dialogs; }
    FileChooser& Files() override { return files; }
    Host& System() override { return host; }
    void OpenDefinition(bool importMode) override { definitions.push_back(importMode); }
    void GridWindowClosed() override { ++closed; }
    void ShowHelpTopic(bool importTopic) override { helpTopics.push_back(importTopic); }

    std::string Write(const std::string& name, const std::string& bytes) {
        WriteBytes(folder / name, bytes);
        return Utf8(folder / name);
    }
    static std::string Utf8(const std::filesystem::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& message : dialogs.shown) texts.push_back(message.text);
        return texts;
    }
};

// Three lines of 3, 5 and 4 fields, one field quoted because it holds a comma.
const std::string kRagged = "a,b,c\r\n1,2,3,4,5\r\nw,x,\"y,z\",v\r\n";
const std::string kRaggedWritten = "a,b,c,,\r\n1,2,3,4,5\r\nw,x,\"y,z\",v,\r\n";
const std::string kWritten = "ＣＳＶファイルの出力を終了しました。";

}  // namespace

class CsvGridTest : public QObject {
    Q_OBJECT
private slots:
    void ModesSetCaptionAndButtons();
    void LoadsRaggedLinesAndWritesThemPadded();
    void FrozenLinesKeepEveryLineWritten_data();
    void FrozenLinesKeepEveryLineWritten();
    void LinesAboveTheViewComeOutBelowTheFrozenOnes();
    void EmptyFileKeepsImportAndWriteDisabled();
    void VanishedFileChangesNothingAndSaysNothing();
    void OpenDialogProposesTheLastFile();
    void DropLoadsInImportModeOnly();
    void FailedWriteSaysSoAndNeverSuccess();
    void DeclinedWriteWritesNothing();
    void OddInputLoadsWithoutCrashing();
    void Utf8FileIsConvertedAndItsLostCharactersReported();
    void NumbersHaveThousandsSeparators();
    void ClosingStoresTheChoiceAndShowsTheMainWindow();
};

void CsvGridTest::ModesSetCaptionAndButtons() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    QCOMPARE(window.windowTitle(), QStringLiteral("マロベランティス２  ＣＳＶグリッドウィンドウ (インポート)"));
    QVERIFY(window.OpenButton()->isVisible() && window.ImportButton()->isVisible());
    QVERIFY(!window.WriteButton()->isVisible() && !window.ExportButton()->isVisible());
    QVERIFY(!window.ImportButton()->isEnabled());
    window.ShowMode(TfrmCsvImport::Mode::Export);
    QCOMPARE(window.CurrentMode(), TfrmCsvImport::Mode::Export);
    QCOMPARE(window.windowTitle(), QStringLiteral("マロベランティス２  ＣＳＶグリッドウィンドウ (エキスポート)"));
    QVERIFY(!window.OpenButton()->isVisible() && window.WriteButton()->isVisible());
    QVERIFY(window.ExportButton()->isEnabled() && !window.WriteButton()->isEnabled());
    window.ExportButton()->click();
    QCOMPARE(host.definitions, std::vector<bool>{false});
}

void CsvGridTest::LoadsRaggedLinesAndWritesThemPadded() {
    GridHost host;
    TfrmCsvImport window(host);
    int loads = 0;
    window.tableLoaded = [&] { ++loads; };
    window.ShowMode(TfrmCsvImport::Mode::Import);
    const std::string path = host.Write("予定 表.csv", kRagged);
    QVERIFY(window.LoadCsvFile(path));
    QCOMPARE(loads, 1);
    QCOMPARE(window.Table().LineCount(), 3);
    QCOMPARE(window.Table().ColumnCount(), 5);
    QCOMPARE(window.RowsText(), QStringLiteral("3 "));
    QCOMPARE(window.ColumnsText(), QStringLiteral("5 "));
    QCOMPARE(window.PathLabelText(), QString::fromUtf8(" " + path));
    QCOMPARE(window.MessageText(), QString());
    QCOMPARE(host.settings.Path_ImportCsv, FromUtf8(path));
    QVERIFY(window.ImportButton()->isEnabled() && window.Grid()->isVisible());
    QCOMPARE(window.Grid()->model()->columnCount(), 5);
    QCOMPARE(window.Grid()->model()->index(2, 2).data().toString(), QStringLiteral("y,z"));
    QVERIFY(!window.Grid()->model()->index(0, 4).data().isValid());
    window.ImportButton()->click();
    QCOMPARE(host.definitions, std::vector<bool>{true});

    // Written back (from export mode, as the definition window leaves it): every line has
    // the five fields.
    const std::string out = GridHost::Utf8(host.folder / "out.csv");
    host.files.answer = out;
    QVERIFY(window.WriteCsvFile());
    QCOMPARE(ReadBytes(host.folder / "out.csv"), kRaggedWritten);
    QCOMPARE(host.settings.Path_ExportCsv, FromUtf8(out));
    QCOMPARE(host.files.requests.back().title, std::string("指定のファイル名で出力します。"));
    QCOMPARE(host.files.requests.back().initialFile, GridHost::Utf8(host.folder / "Marovelantis.csv"));
    QCOMPARE(host.Texts(), (std::vector<std::string>{
                               "表示内容をＣＳＶ形式で下記のファイルに出力します。\r\n\r\n     PATH = " + out, kWritten}));
    QCOMPARE(host.dialogs.shown.front().buttons, Buttons::YesNo);
}

void CsvGridTest::FrozenLinesKeepEveryLineWritten_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("frozen");
    QTest::newRow("none") << 0 << 6 << 0;
    QTest::newRow("three") << 3 << 6 << 3;
    QTest::newRow("never every line") << 10 << 4 << 3;
    QTest::newRow("one line") << 2 << 1 << 0;
}

void CsvGridTest::FrozenLinesKeepEveryLineWritten() {
    QFETCH(int, choice);
    QFETCH(int, lines);
    QFETCH(int, frozen);
    GridHost host;
    host.settings.Cmb_FixedRows = choice;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    std::string text, expected;
    for (int i = 0; i < lines; ++i) {
        text += "line" + std::to_string(i) + ",x\r\n";
        expected += "line" + std::to_string(i) + ",x\r\n";
    }
    QVERIFY(window.LoadCsvFile(host.Write("in.csv", text)));
    QCOMPARE(window.FixedRowsCombo()->currentIndex(), choice);
    QCOMPARE(window.FrozenLines(), frozen);
    auto* model = window.Grid()->model();
    if (frozen > 0) {
        QCOMPARE(model->index(frozen - 1, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
                 CsvGridModel::FixedColour());
        QVERIFY(window.Grid()->FrozenView()->isVisible());
    }
    QVERIFY(!model->index(frozen, 0).data(Qt::BackgroundRole).isValid());
    host.files.answer = GridHost::Utf8(host.folder / "out.csv");
    QVERIFY(window.WriteCsvFile());
    QCOMPARE(ReadBytes(host.folder / "out.csv"), expected);

    // Choosing none unfreezes them.
    window.FixedRowsCombo()->setCurrentIndex(0);
    QCOMPARE(window.FrozenLines(), 0);
    QVERIFY(!window.Grid()->FrozenView()->isVisible());
}

void CsvGridTest::LinesAboveTheViewComeOutBelowTheFrozenOnes() {
    GridHost host;
    host.settings.Cmb_FixedRows = 3;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Export);
    window.LoadExportLines(std::vector<std::string>(500, "a,b"));
    CsvGridView* grid = window.Grid();
    QScrollBar* bar = grid->verticalScrollBar();
    grid->scrollToBottom();
    QVERIFY(bar->value() > 100);
    grid->scrollTo(grid->model()->index(40, 1));
    QCOMPARE(bar->value(), 37);
    // A line already below the frozen ones stays where it is.
    grid->scrollTo(grid->model()->index(41, 1));
    QCOMPARE(bar->value(), 37);
    grid->scrollTo(grid->model()->index(3, 0));
    QCOMPARE(bar->value(), 0);
}

void CsvGridTest::EmptyFileKeepsImportAndWriteDisabled() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    QVERIFY(window.LoadCsvFile(host.Write("empty.csv", "")));
    QCOMPARE(window.Table().LineCount(), 0);
    QCOMPARE(window.RowsText(), QStringLiteral("0 "));
    QVERIFY(!window.ImportButton()->isEnabled());
    QVERIFY(window.OpenButton()->isEnabled());
    window.ShowMode(TfrmCsvImport::Mode::Export);
    window.LoadExportLines({});
    QVERIFY(!window.WriteButton()->isEnabled());
    // Blank lines have no fields: still nothing to write.
    window.LoadExportLines({"", "  "});
    QCOMPARE(window.Table().LineCount(), 2);
    QVERIFY(!window.WriteButton()->isEnabled());
}

void CsvGridTest::VanishedFileChangesNothingAndSaysNothing() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    const std::string path = host.Write("in.csv", kRagged);
    QVERIFY(window.LoadCsvFile(path));
    int loads = 0;
    window.tableLoaded = [&] { ++loads; };
    QVERIFY(!window.LoadCsvFile(GridHost::Utf8(host.folder / "gone.csv")));
    QCOMPARE(loads, 0);
    QVERIFY(host.dialogs.shown.empty());
    QCOMPARE(window.Table().LineCount(), 3);
    QCOMPARE(window.RowsText(), QStringLiteral("3 "));
    QCOMPARE(window.PathLabelText(), QString::fromUtf8(" " + path));
    QVERIFY(window.ImportButton()->isEnabled() && window.Grid()->isVisible());
}

void CsvGridTest::OpenDialogProposesTheLastFile() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    window.OpenButton()->click();  // cancelled
    QCOMPARE(host.files.requests.size(), std::size_t(1));
    QCOMPARE(host.files.requests[0].title, std::string("インポートするＣＳＶファイルを選択して下さい。"));
    QCOMPARE(host.files.requests[0].initialFile, GridHost::Utf8(host.folder / "*.csv"));
    QCOMPARE(host.files.requests[0].filter, std::string("(*.csv)|*.csv|(*.csv)|*.csv|(*.*)|*.*"));
    QCOMPARE(window.Table().LineCount(), 0);

    host.files.answer = host.Write("list.txt", kRagged);
    window.OpenButton()->click();
    QCOMPARE(window.Table().LineCount(), 3);
    window.OpenButton()->click();
    QCOMPARE(host.files.requests[2].initialFile, *host.files.answer);
    QCOMPARE(host.files.requests[2].filter, std::string("(*.txt)|*.txt|(*.csv)|*.csv|(*.*)|*.*"));
}

void CsvGridTest::DropLoadsInImportModeOnly() {
    GridHost host;
    TfrmCsvImport window(host);
    const std::string path = host.Write("dropped.csv", kRagged);
    window.ShowMode(TfrmCsvImport::Mode::Export);
    window.LoadExportLines({"p,q"});
    window.DropFiles({path});
    QCOMPARE(window.Table().LineCount(), 1);
    QCOMPARE(window.Table().JoinedLine(0), std::string("p,q"));
    QCOMPARE(window.PathLabelText(), QStringLiteral(" "));
    QVERIFY(host.dialogs.shown.empty());
    QCOMPARE(host.settings.Path_ImportCsv, std::string());

    window.ShowMode(TfrmCsvImport::Mode::Import);
    window.DropFiles({path, GridHost::Utf8(host.folder / "second.csv")});
    QCOMPARE(window.Table().LineCount(), 3);
    QCOMPARE(host.Texts(), std::vector<std::string>{"指定のファイルを読み込みました。\r\n\r\n   PATH = " + path});
    QCOMPARE(host.dialogs.shown[0].caption, std::string("確認"));
}

void CsvGridTest::FailedWriteSaysSoAndNeverSuccess() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Export);
    window.LoadExportLines({"a,b", "c"});
    host.files.answer = GridHost::Utf8(host.folder / "no such folder" / "out.csv");
    QVERIFY(!window.WriteCsvFile());
    QCOMPARE(host.dialogs.shown.size(), std::size_t(2));
    QCOMPARE(host.dialogs.shown[1].text, std::string("出力ファイルの作成に失敗しました。"));
    QVERIFY(window.WriteButton()->isEnabled());
    QCOMPARE(window.MessageText(), QString());
}

void CsvGridTest::DeclinedWriteWritesNothing() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Export);
    window.LoadExportLines({"a,b"});
    host.settings.Path_ExportCsv = FromUtf8(GridHost::Utf8(host.folder / "前回.csv"));
    host.files.answer = GridHost::Utf8(host.folder / "out.csv");
    host.dialogs.answers.push_back(Answer::No);
    QVERIFY(!window.WriteCsvFile());
    QVERIFY(!std::filesystem::exists(host.folder / "out.csv"));
    QCOMPARE(host.files.requests[0].initialFile, GridHost::Utf8(host.folder / "前回.csv"));
    QCOMPARE(host.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(host.settings.Path_ExportCsv, FromUtf8(GridHost::Utf8(host.folder / "前回.csv")));
}

void CsvGridTest::OddInputLoadsWithoutCrashing() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    // A 5 MB line, NUL bytes, a lone lead byte at a line's end and a quote left open.
    std::string text = std::string(5 << 20, '\x82') + ",tail\r\n";
    text += std::string("a\0b,c\0", 6) + "\r\n";
    text += "x,\x82\r\n1,\"open,2\r\n";
    QVERIFY(window.LoadCsvFile(host.Write("odd.csv", text)));
    QCOMPARE(window.Table().LineCount(), 4);
    QCOMPARE(window.Table().Field(0, 0).size(), std::size_t(5 << 20));
    QCOMPARE(window.Table().Field(1, 0), std::string_view("a\0b", 3));
    auto* model = window.Grid()->model();
    QVERIFY(!model->index(0, 0).data().toString().isEmpty());
    QVERIFY(model->index(0, 0).data().toString().size() <= CsvGridModel::kShownBytes);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("tail"));
    QVERIFY(model->index(2, 1).data().isValid());
    window.Grid()->repaint();
    host.files.answer = GridHost::Utf8(host.folder / "out.csv");
    QVERIFY(window.WriteCsvFile());
    // Every line once, as read, padded to the two columns; the open quote lost its field.
    const std::string expected = std::string(5 << 20, '\x82') + ",tail\r\n" + std::string("a\0b,c\0\r\n", 8) +
                                 "x,\x82\r\n1,\r\n";
    QVERIFY(ReadBytes(host.folder / "out.csv") == expected);
}

void CsvGridTest::Utf8FileIsConvertedAndItsLostCharactersReported() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    // "会議" has a Shift-JIS form; the two emoji do not.
    QVERIFY(window.LoadCsvFile(host.Write("utf8.csv", "\xEF\xBB\xBF" "2003/07/01,\xE4\xBC\x9A\xE8\xAD\xB0"
                                                     "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\r\n")));
    QCOMPARE(window.Table().Field(0, 1), std::string_view(Sjis("会議") + "??"));
    QCOMPARE(host.dialogs.shown.size(), std::size_t(1));
    QVERIFY(host.dialogs.shown[0].text.find('2') != std::string::npos);
}

void CsvGridTest::NumbersHaveThousandsSeparators() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Export);
    window.LoadExportLines(std::vector<std::string>(1234, "a"));
    auto* model = window.Grid()->model();
    QCOMPARE(model->headerData(999, Qt::Vertical).toString(), QStringLiteral("1,000"));
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
    QCOMPARE(window.RowsText(), QStringLiteral("1,234 "));
    QCOMPARE(window.PathLabelText(), QStringLiteral(" "));
}

void CsvGridTest::ClosingStoresTheChoiceAndShowsTheMainWindow() {
    GridHost host;
    TfrmCsvImport window(host);
    window.ShowMode(TfrmCsvImport::Mode::Import);
    window.FixedRowsCombo()->setCurrentIndex(4);
    const auto action = [&](const QString& text) {
        for (QAction* a : window.findChildren<QAction*>())
            if (a->text() == text) return a;
        return static_cast<QAction*>(nullptr);
    };
    QVERIFY(action(QStringLiteral("このウィンドウについて")));
    action(QStringLiteral("このウィンドウについて"))->trigger();
    QCOMPARE(host.helpTopics, std::vector<bool>{true});
    QVERIFY(action(QStringLiteral("終了 (&X)")));
    action(QStringLiteral("終了 (&X)"))->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(host.closed, 1);
    QCOMPARE(host.settings.Cmb_FixedRows, 4);
    QVERIFY(host.settings.FPS_CsvImport.width > 0);
    window.ShowMode(TfrmCsvImport::Mode::Export);
    QCOMPARE(window.FixedRowsCombo()->currentIndex(), 4);
}

QTEST_MAIN(CsvGridTest)
#include "csvgrid_test.moc"
