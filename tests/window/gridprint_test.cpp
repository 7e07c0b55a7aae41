// The grid print window offscreen: its preview, its PDF, text and CSV files, the question
// when no printer is installed, and the choices it hands back.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "io/print/gridprintwindow.h"
#include "model/codec.h"
#include "platform/filechooser.h"
#include "support/testhost.h"
#include "view/geometry/monthprintcell.h"

using namespace mv;
using namespace mv::test;

namespace {

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// February 2015: starts on a Sunday, four full weeks, with a holiday and a few items.
GridPrintRequest February() {
    GridPrintRequest request;
    request.monthCalendar = true;
    request.title = Sjis("2015年 2月");
    request.headings = {Sjis("予定表"), "", Sjis("第二版")};
    request.grid.Resize(5, 7);
    request.grid.fixedRows = 1;
    const char* names[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int c = 0; c < 7; ++c)
        request.grid.At(0, c) = EncodeMonthPrintCell({true, c == 0 ? 255 : (c == 6 ? 0xFF0000 : 0), 0, Sjis(names[c]), false, true, ""});
    for (int w = 0; w < 4; ++w)
        for (int c = 0; c < 7; ++c) {
            const int day = w * 7 + c + 1;
            MonthPrintCell cell{false, c == 0 ? 255 : 0, 0x008000, std::to_string(day), day == 11, true, ""};
            if (day == 3) cell.content = "<9:00>#" + Sjis("定例会議") + "%!#<13:30>#" + Sjis("表計算の講習") + "%!#";
            if (day == 11) cell.content = Sjis("建国記念の日") + "%!#";
            request.grid.At(w + 1, c) = EncodeMonthPrintCell(cell);
        }
    return request;
}

// A text shown as one column of lines, as the help viewer hands it over.
GridPrintRequest Lines(int count) {
    GridPrintRequest request;
    request.title = Sjis("ヘルプ");
    request.grid.Resize(count, 1);
    for (int i = 0; i < count; ++i) request.grid.At(i, 0) = Sjis("行 ") + std::to_string(i + 1) + " text";
    return request;
}

int PdfPages(const std::filesystem::path& path) {
    const QByteArray bytes = QByteArray::fromStdString(ReadBytes(path));
    if (!bytes.startsWith("%PDF")) return -1;
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

}  // namespace

class GridPrintTest : public QObject {
    Q_OBJECT

private slots:
    void APreviewPageForAMonthAndSeveralForLongText() {
        FakeDialogs dialogs;
        FakeFileChooser files;
        const GridPrintRequest month = February();
        TfrmGridPrint_01 monthWindow(nullptr, month, GridPrintSettings{}, dialogs, files);
        monthWindow.show();
        QCOMPARE(monthWindow.objectName(), QStringLiteral("TfrmGridPrint_01"));
        QCOMPARE(monthWindow.windowTitle(), QString::fromUtf8(kProgramName) + QStringLiteral("  印刷"));
        QCOMPARE(monthWindow.PreviewPageCount(), 1);

        const GridPrintRequest shortText = Lines(5), longText = Lines(300);
        TfrmGridPrint_01 shortWindow(nullptr, shortText, GridPrintSettings{}, dialogs, files);
        TfrmGridPrint_01 longWindow(nullptr, longText, GridPrintSettings{}, dialogs, files);
        QCOMPARE(shortWindow.PreviewPageCount(), 1);
        const int pages = longWindow.PreviewPageCount();
        QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
        // Half the scale puts about twice the lines on a page.
        auto* scale = longWindow.findChild<QComboBox*>(QStringLiteral("CellScale"));
        QVERIFY(scale);
        scale->setCurrentIndex(1);  // 50 %
        QVERIFY(longWindow.PreviewPageCount() <= (pages + 1) / 2 + 1);
        QVERIFY(longWindow.PreviewPageCount() < pages);
        QVERIFY(dialogs.shown.empty());
    }

    void PdfHasThePreviewsPages() {
        TempFolder folder;
        FakeDialogs dialogs;
        FakeFileChooser files;
        for (const GridPrintRequest& request : {February(), Lines(300)}) {
            GridPrintSettings settings;
            settings.Prt_Paper = "B5";
            TfrmGridPrint_01 window(nullptr, request, settings, dialogs, files);
            const auto path = folder / "out.pdf";
            QVERIFY(WriteGridPdf(request, settings, Utf8(path)));
            QCOMPARE(PdfPages(path), window.PreviewPageCount());
            // The window's own button writes the same pages and remembers the file.
            files.answer = Utf8(folder / "window");  // ".pdf" is added
            window.SavePdfClick();
            QCOMPARE(PdfPages(folder / "window.pdf"), window.PreviewPageCount());
            QCOMPARE(window.Settings().SavePath, FromUtf8(Utf8(folder / "window.pdf")));
            QVERIFY(window.Produced());
        }
        QVERIFY(!WriteGridPdf(Lines(3), GridPrintSettings{}, Utf8(folder / "missing" / "x.pdf")));
    }

    void TextAndCsvFilesHoldTheRows() {
        TempFolder folder;
        FakeDialogs dialogs;
        FakeFileChooser files;
        GridPrintRequest request = February();
        request.grid.Resize(2, 2);
        request.grid.fixedRows = 1;
        request.grid.At(0, 0) = EncodeMonthPrintCell({true, 255, 0, Sjis("日"), false, true, ""});
        request.grid.At(0, 1) = EncodeMonthPrintCell({true, 0, 0, Sjis("月"), false, true, ""});
        request.grid.At(1, 0) = EncodeMonthPrintCell({false, 255, 0, "1", true, true, "<9:00>#a,b%!#"});
        request.grid.At(1, 1) = EncodeMonthPrintCell({false, 0, 0, "2", false, true, Sjis("表") + "%!#"});
        GridPrintSettings settings;
        settings.SavePath = Sjis("/nowhere/前回.pdf");
        TfrmGridPrint_01 window(nullptr, request, settings, dialogs, files);

        files.answer = Utf8(folder / "rows.txt");
        window.SaveTextClick();
        QCOMPARE(files.requests.back().initialFile, std::string("/nowhere/前回.txt"));
        QCOMPARE(ReadBytes(folder / "rows.txt"),
                 Sjis("日") + "\t" + Sjis("月") + "\r\n1 a,b\t2 " + Sjis("表") + "\r\n");
        files.answer = Utf8(folder / "rows");  // no extension: the format's is added
        window.SaveCsvClick();
        QCOMPARE(files.requests.back().filter, std::string("(*.csv)|*.csv|(*.*)|*.*"));
        QCOMPARE(ReadBytes(folder / "rows.csv"),
                 Sjis("日") + "," + Sjis("月") + "\r\n\"1 a,b\",2 " + Sjis("表") + "\r\n");
        QCOMPARE(window.Settings().SavePath, FromUtf8(Utf8(folder / "rows.csv")));

        // A folder that does not exist: told, and the remembered path stays.
        files.answer = Utf8(folder / "missing" / "rows.csv");
        window.SaveCsvClick();
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QVERIFY(dialogs.shown[0].text.find("ファイルの書き込みに失敗しました。") == 0);
        QCOMPARE(window.Settings().SavePath, FromUtf8(Utf8(folder / "rows.csv")));
        // Cancelled: nothing written, nothing said.
        files.answer.reset();
        window.SaveTextClick();
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
    }

    void WithoutPrinterTheUserMayWritePdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
        TempFolder folder;
        FakeDialogs dialogs;
        FakeFileChooser files;
        const GridPrintRequest request = Lines(10);
        TfrmGridPrint_01 window(nullptr, request, GridPrintSettings{}, dialogs, files);
        dialogs.answers = {Answer::No, Answer::Yes};
        files.answer = Utf8(folder / "instead.pdf");
        window.PrintClick();
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QVERIFY(files.requests.empty());
        QVERIFY(!std::filesystem::exists(folder / "instead.pdf"));
        window.PrintClick();
        QCOMPARE(dialogs.shown.size(), std::size_t{2});
        QCOMPARE(dialogs.shown[1].text, std::string("プリンタがインストールされていません。\r\n"
                                                    "代わりに PDF ファイルに保存しますか？"));
        QVERIFY(dialogs.shown[1].buttons == Buttons::YesNo);
        QCOMPARE(PdfPages(folder / "instead.pdf"), 1);
    }

    void ChoicesComeBackWhenTheWindowCloses() {
        FakeDialogs dialogs;
        FakeFileChooser files;
        const GridPrintRequest request = February();
        GridPrintSettings settings;
        settings.HtmlPath = Sjis("/keep/表.html");
        settings.Cmb_ResetScl = 4;
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!window) return;
            seen = window->objectName() == QStringLiteral("TfrmGridPrint_01");
            window->findChild<QComboBox*>(QStringLiteral("Cmb_Cal_RateW"))->setCurrentIndex(2);
            window->findChild<QComboBox*>(QStringLiteral("Prt_Paper"))->setCurrentIndex(0);
            window->findChild<QCheckBox*>(QStringLiteral("Cmb_Cal_Time"))->setChecked(true);
            QTest::keyClick(window, Qt::Key_Escape);  // Esc closes
        });
        QVERIFY(!RunGridPrint(nullptr, request, settings, dialogs, files));
        QVERIFY(seen);
        GridPrintSettings expected;
        expected.HtmlPath = Sjis("/keep/表.html");
        expected.Cmb_ResetScl = 4;
        expected.Cmb_Cal_RateW = 2;
        expected.Cmb_Cal_Time = 1;
        expected.Prt_Paper = "A3";
        expected.Prt_Orient = "Landscape";  // the month's orientation, now chosen
        if (!QPrinterInfo::availablePrinters().isEmpty()) expected.PrinterIndex = settings.PrinterIndex;
        QVERIFY(settings == expected);
    }
};

QTEST_MAIN(GridPrintTest)
#include "gridprint_test.moc"
