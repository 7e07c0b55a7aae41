// The timetable print window offscreen: the opening checks and messages without a printer,
// the controls' items and defaults, the page swap and the PDF written in place of printing,
// the preview's page turning, and the choices handed back into the settings.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "io/print/timepreviewpane.h"
#include "io/print/timeprintwindow.h"
#include "model/codec.h"
#include "support/weekview.h"

using namespace mv;
using namespace mv::test;

namespace {

int PdfPageCount(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const QByteArray bytes = QByteArray::fromStdString(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    return static_cast<int>(bytes.count("/Type /Page\n"));
}

// The week of week.MVF laid out for output, as the design window hands it over.
struct Fixture {
    WeekView week{[](SnapshotRequest& request) { request.forOutput = true; }};
    FakeHost& host = week.host;
    FakeDialogs& dialogs = week.dialogs;
    FakeFileChooser files;
    TimePrintRequest request{&week.snapshot->Layout(), &week.snapshot->Days(), week.snapshot->Options(),
                             Sjis("週間番組表")};
};

template <typename T>
T* Find(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

class TimePrintTest : public QObject {
    Q_OBJECT
private slots:
    void WithoutPrinterItSaysSoAndOffersPdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed");
        Fixture f;
        TfrmTimePrint_01 window(nullptr, f.request, TimePrintChoices{}, f.host, f.dialogs, f.files);
        QCOMPARE(f.dialogs.shown.size(), std::size_t{1});
        QVERIFY(f.dialogs.shown[0].text.starts_with("このマシンにはプリンタドライバがインストールされていません。"));
        QVERIFY(Find<QWidget>(window, "pnlTop")->isEnabled());
        QCOMPARE(Find<QLabel>(window, "lblPrtInf")->text(), QStringLiteral("A4 縦：PDF"));
        QVERIFY(!Find<QPushButton>(window, "btnPrtSet")->isEnabled());
        QVERIFY(!window.Preview().Image().isNull());
        QVERIFY(window.PageCount() >= 1);
    }

    void ControlsStartFromTheChoices() {
        Fixture f;
        TimePrintChoices choices;
        choices.pageBoundary = 1;  // the window starts with " 1." whatever was chosen last
        choices.color = 2;
        choices.marginLeft = 4;
        TfrmTimePrint_01 window(nullptr, f.request, choices, f.host, f.dialogs, f.files);
        auto* scale = Find<QComboBox>(window, "Cmb_Scale");
        QCOMPARE(scale->count(), 16);
        QCOMPARE(scale->itemText(4), QStringLiteral(" 画面に"));
        QCOMPARE(scale->currentText(), QStringLiteral(" 100 %"));
        QCOMPARE(Find<QComboBox>(window, "Cmb_ResetScl")->currentText(), QStringLiteral(" 160"));
        QCOMPARE(Find<QComboBox>(window, "Cmb_Color")->currentText(), QStringLiteral(" White"));
        QCOMPARE(Find<QComboBox>(window, "Cmb_MgnLeft")->currentText(), QStringLiteral(" 20"));
        QCOMPARE(Find<QComboBox>(window, "Cmb_PageKyoukai")->currentIndex(), 0);
        QCOMPARE(Find<QComboBox>(window, "Cmb_Gray")->count(), 256);
        // White shows the second pair of densities.
        QVERIFY(Find<QComboBox>(window, "Cmb_Gray")->isHidden());
        QVERIFY(!Find<QComboBox>(window, "Cmb_Gray3")->isHidden());
        window.KirikaeClick();
        QCOMPARE(scale->currentIndex(), 8);  // 100 % -> the restore scale
        window.KirikaeClick();
        QCOMPARE(scale->currentIndex(), kFitScaleEntry);
    }

    void UnsupportedPaperIsReportedAndTheWindowStaysUsable() {
        Fixture f;
        TimePrintChoices choices;
        choices.paper = 1;  // letter
        TfrmTimePrint_01 window(nullptr, f.request, choices, f.host, f.dialogs, f.files);
        bool told = false;
        for (const RecordedMessage& m : f.dialogs.shown)
            told = told || m.text.starts_with("このソフトはプリンタの用紙サイズが [A3, A4, A5, B4, B5] 以外では");
        QVERIFY(told);
        QVERIFY(Find<QLabel>(window, "lblPrtInf")->text().startsWith(QStringLiteral("A4 ")));
        QVERIFY(window.PageCount() >= 1);
    }

    void PagesThreeToTwoArePrintedAsTwoToThree() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed");
        Fixture f;
        TimePrintChoices choices;
        choices.marginUp = 16;  // 80 mm: few rows per page
        choices.orientation = kLandscape;
        TfrmTimePrint_01 window(nullptr, f.request, choices, f.host, f.dialogs, f.files);
        QVERIFY(window.PageCount() >= 3);
        Find<QComboBox>(window, "Cmb_PageMin")->setCurrentIndex(2);
        Find<QComboBox>(window, "Cmb_PageMax")->setCurrentIndex(1);
        TempFolder folder;
        f.files.answer = (folder / "pages.pdf").string();
        f.dialogs.answers = {Answer::Ok};
        window.PrintClick();
        const std::string& question = f.dialogs.shown.back().text;
        QVERIFY(question.starts_with("印刷を行います。\r\r    Page 2 ～ 3\r\r    用紙サイズ  ．．．．．  A4 横\r"));
        QCOMPARE(Find<QComboBox>(window, "Cmb_PageMin")->currentIndex(), 1);
        QCOMPARE(Find<QComboBox>(window, "Cmb_PageMax")->currentIndex(), 2);
        QCOMPARE(PdfPageCount(folder / "pages.pdf"), 2);
        QVERIFY(window.Produced());
        QVERIFY(window.Preview().isVisible() || !window.isVisible());
        QVERIFY(Find<QLabel>(window, "lblPrinting")->isHidden());

        // Cancel leaves everything unwritten.
        f.dialogs.answers = {Answer::Cancel};
        f.files.requests.clear();
        window.PrintClick();
        QVERIFY(f.files.requests.empty());
    }

    void AFailedWriteIsReportedAndThePreviewComesBack() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed");
        Fixture f;
        TfrmTimePrint_01 window(nullptr, f.request, TimePrintChoices{}, f.host, f.dialogs, f.files);
        window.show();
        TempFolder folder;
        f.files.answer = (folder / "missing folder" / "pages.pdf").string();
        f.dialogs.answers = {Answer::Ok};
        window.PrintClick();
        QVERIFY(f.dialogs.shown.back().text.starts_with("ファイルの書き込みに失敗しました。"));
        QVERIFY(!window.Produced());
        QVERIFY(window.Preview().isVisible());
        QVERIFY(Find<QLabel>(window, "lblPrinting")->isHidden());
    }

    void DraggingLeftMakesDoubleClicksGoBack() {
        Fixture f;
        TimePrintChoices choices;
        choices.marginUp = 16;
        choices.orientation = kLandscape;
        TfrmTimePrint_01 window(nullptr, f.request, choices, f.host, f.dialogs, f.files);
        auto& pane = const_cast<TimePreviewPane&>(window.Preview());
        auto* group = Find<QGroupBox>(window, "grpPage");
        pane.DoubleClicked();
        QCOMPARE(window.ShownPage(), 1);  // next page by default
        QCOMPARE(group->title(), QStringLiteral(" Page  2 / %1 ").arg(window.PageCount()));
        pane.DragStarted({200, 100});
        pane.DraggedTo({195, 100});  // too short to decide
        pane.DoubleClicked();
        QCOMPARE(window.ShownPage(), 2);
        pane.DraggedTo({100, 100});
        pane.DoubleClicked();
        QCOMPARE(window.ShownPage(), 1);
    }

    void ChoicesComeBackIntoTheSettings() {
        Fixture f;
        EnvSettings settings = DefaultSettings({2026, 3, 23});
        settings.Plot_PageKyoukai = 1;
        QTimer::singleShot(0, [] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!window) return;
            window->findChild<QComboBox*>(QStringLiteral("Cmb_Gray"))->setCurrentIndex(200);
            window->findChild<QComboBox*>(QStringLiteral("Cmb_PrintHedder"))->setCurrentIndex(0);
            window->findChild<QComboBox*>(QStringLiteral("Cmb_MgnUp"))->setCurrentIndex(7);
            window->reject();
        });
        RunTimePrint(nullptr, f.request, settings, f.host, f.dialogs, f.files);
        QCOMPARE(settings.Plot_Gray, 200);
        QCOMPARE(settings.Plot_PrintHedder, 0);
        QCOMPARE(settings.Plot_MgnUp, 7);
        QCOMPARE(settings.Plot_PageKyoukai, 0);
        QCOMPARE(settings.Plot_Paper, std::string("9"));
    }
};

QTEST_MAIN(TimePrintTest)
#include "timeprint_test.moc"
