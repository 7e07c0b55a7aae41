// The main window driven as a user would, with scripted message boxes and file dialogs.

#include <QApplication>
#include <QCheckBox>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QUrl>

#include "app/window/csvactions.h"
#include "app/window/helpactions.h"
#include "auxiliary/widgets/browsewindow.h"
#include "io/csv/widgets/csvgridview.h"
#include "app/window/timetablewindow.h"
#include "edit/framecommands.h"
#include "edit/widgets/fieldeditor.h"
#include "edit/widgets/framemenu.h"
#include "app/window/toolpanel.h"
#include "app/window/startdatepicker.h"
#include "view/timetableview.h"
#include "edit/framedrop.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "model/settings.h"
#include "support/testhost.h"
#include "window/windowfixture.h"

using namespace mv;
using namespace mv::test;

class TimetableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void parameterOpensTheDesignAtTheStartupTickWithoutAMessage() {
        Fixture g(OpenNothing());
        TfrmTimeTable_01 window(g.host, g.dialogs, g.files, g.SettingsPath(), g.design.string());
        window.show();
        QVERIFY(window.Session().Design().Path().empty());
        window.MyTimerTimer();
        QCOMPARE(QString::fromStdString(window.Session().Design().Path().string()),
                 QString::fromStdString(g.design.string()));
        QVERIFY(g.dialogs.shown.empty());
        QCOMPARE(window.Session().View().start, (Date{2003, 7, 1}));
        QCOMPARE(window.Boxes().at(0).size(), std::size_t(1));  // the 07/01 frame is in view
        window.Session().SetModified(false);
    }

    void droppedDesignIsOpenedAndAnnounced() {
        Fixture f(OpenNothing());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(f.design.string()))});
        // A drop follows the drag's entry, as the system delivers them.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &drop);
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.dialogs.shown[0].text),
                 QString::fromStdString("指定のデザインファイルを読み込みました。\r\n\r\n   PATH = " + f.design.string()));
        QCOMPARE(f.dialogs.shown[0].caption, std::string("確認"));
    }

    void csvParameterSetsCaptionAndMonitorAndOpensNoDesign() {
        Fixture f(OpenNothing());
        std::string csv = (f.folder / "list.csv").string();
        f.window->Session().OpenParameter("\"" + csv + "\",Key:Caption=Shop,Key:CsvMonitor=True", false);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Shop"));
        QVERIFY(f.window->Session().CsvMonitor());
        QCOMPARE(f.window->Session().CsvPath(), csv);
        QVERIFY(f.window->Session().Design().Path().empty());
    }

    void aWatchedSimpleImportFileIsImportedAgainWhenItChanges() {
        Fixture f(OpenNothing());
        const std::filesystem::path csv = f.folder / "plan.csv";
        auto write = [&](const std::string& title, int minutesLater) {
            WriteBytes(csv, Sjis("簡易インポート タイトル(Week plan)") + "\r\n2003/07/08,9:00,10:30," + Sjis(title) + "\r\n");
            std::filesystem::last_write_time(csv, std::filesystem::file_time_type::clock::now() +
                                                      std::chrono::minutes(minutesLater));
        };
        auto storedOn = [&](const Date& date) {
            f.window->Session().CommitView();
            const auto& lines = f.window->Session().Design().Store().Slot(SlotOfDate(date));
            return lines.empty() ? std::string() : lines.front();
        };
        write("朝の会議", 0);
        f.window->Session().OpenParameter("\"" + csv.string() + "\",Key:CsvMonitor=True", false);
        QVERIFY(f.window->Csv().MonitorTimer().isActive());
        QCOMPARE(f.window->Session().Design().Title(), std::string("Week plan"));
        QCOMPARE(f.window->Session().View().start, (Date{2003, 7, 8}));
        QVERIFY(storedOn({2003, 7, 8}).find(Sjis("朝の会議")) != std::string::npos);
        QVERIFY(!f.window->Session().Modified());

        // Unchanged, a tick does nothing; changed, the file replaces the design again.
        f.window->Csv().MonitorTick();
        QVERIFY(storedOn({2003, 7, 8}).find(Sjis("朝の会議")) != std::string::npos);
        write("夜の会議", 1);
        f.window->Csv().MonitorTick();
        QVERIFY(storedOn({2003, 7, 8}).find(Sjis("夜の会議")) != std::string::npos);
        QCOMPARE(f.window->Session().Design().Store().Slot(SlotOfDate({2003, 7, 8})).size(), std::size_t(1));

        // A file that is no simple-import file says so and leaves the design as it was.
        write("x", 2);
        WriteBytes(csv, "a,b,c\r\n");
        f.window->Csv().MonitorTick();
        QCOMPARE(f.dialogs.shown.back().text.rfind("これは Marovelantis のＣＳＶファイルではありません。", 0), std::size_t(0));
        QVERIFY(storedOn({2003, 7, 8}).find(Sjis("夜の会議")) != std::string::npos);
    }

    void importFromTheCsvWindowsAddsFramesAndTheDesignWindowComesBackOnThem() {
        EnvSettings settings = OpenNothing();
        settings.ImportCol = {1, 2, 3, 4, 0};  // title, start date, start time, end date, end time
        Fixture f(settings);
        f.window->Session().OpenFile(f.design.string(), true);
        const std::filesystem::path csv = f.folder / "list.csv";
        WriteBytes(csv, Sjis("件名,開始日,開始時刻,終了日,終了時刻") + "\r\n" + Sjis("会議") + ",2003/07/20,13:00,,14:30\r\n");

        f.window->findChild<QAction*>(QStringLiteral("Mn_Import"))->trigger();
        TfrmCsvImport& grid = f.window->Csv().Grid();
        QVERIFY(!f.window->isVisible());
        QVERIFY(grid.isVisible());
        QVERIFY(grid.LoadCsvFile(csv.string()));
        // Its About menu shows the Help menu's text on importing.
        for (QAction* action : grid.findChildren<QAction*>())
            if (action->text() == QStringLiteral("このウィンドウについて")) action->trigger();
        QCOMPARE(f.window->Help().Viewer().List()->currentText(), QStringLiteral(" 7. データのインポートについて"));
        f.window->Help().Viewer().hide();
        grid.ImportButton()->click();
        TfrmCsvImportMain& definition = f.window->Csv().Definition();
        QVERIFY(definition.isVisible());
        f.dialogs.answers = {Answer::Yes, Answer::Ok};
        definition.findChild<QPushButton*>(QStringLiteral("Btn_Import"))->click();
        QCOMPARE(f.dialogs.shown.back().text, std::string("インポート処理を終了しました。\r\n\r\n    インポート行数 = 1"));
        QVERIFY(grid.Grid()->isVisible());  // hidden during the import only

        grid.close();
        QVERIFY(f.window->isVisible());
        QVERIFY(!definition.isVisible());
        QCOMPARE(f.window->Session().View().start, (Date{2003, 7, 19}));
        f.window->Session().CommitView();
        const auto& day = f.window->Session().Design().Store().Slot(SlotOfDate({2003, 7, 20}));
        QCOMPARE(day.size(), std::size_t(1));
        QVERIFY(day.front().find("Ci_STime=1300") != std::string::npos);
        // One undo step takes the import back.
        f.window->Mn_UndoClick();
        f.window->Session().CommitView();
        QVERIFY(f.window->Session().Design().Store().Slot(SlotOfDate({2003, 7, 20})).empty());
    }

    void closingAModifiedDesignAsksAgainWhenTheSaveIsDeclined() {
        EnvSettings settings = OpenNothing();
        Fixture f(settings, {});
        f.window->Session().OpenFile(f.design.string(), true);
        const std::string before = ReadBytes(f.design);
        f.window->Session().SetModified(true);
        f.dialogs.answers = {Answer::Yes, Answer::No, Answer::Cancel};
        QVERIFY(!f.window->close());
        auto texts = f.Texts();
        QCOMPARE(texts.size(), std::size_t(3));
        QCOMPARE(QString::fromStdString(texts[0]), QStringLiteral("内容が変更されています。\r\r編集内容を保存しますか？\r\r"));
        QVERIFY(QString::fromStdString(texts[1]).startsWith(QStringLiteral("編集中の内容を上書き保存します。")));
        QCOMPARE(texts[2], texts[0]);
        QCOMPARE(ReadBytes(f.design), before);  // the declined save wrote nothing
        QVERIFY(f.window->isVisible());
        f.window->Session().SetModified(false);
    }

    void sharedModeClosingSavesWithoutAsking() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        const std::string before = ReadBytes(f.design);
        f.window->Session().Design().SetSharedMode(true);
        f.window->Session().SetModified(true);
        QVERIFY(f.window->close());
        QVERIFY(f.dialogs.shown.empty());
        QVERIFY(ReadBytes(f.design) != before);
        QVERIFY(!f.window->Session().Modified());
    }

    void aSharedSaveKeepsWhatAnotherSharerSavedSinceTheLastPoll() {
        EnvSettings settings = OpenNothing();
        settings.Mnx_ShareMode = true;
        Fixture f(settings);
        f.window->Session().OpenFile(f.design.string(), true);
        // A second instance, on another machine, shares the design and copies its frame.
        FakeHost otherHost;
        otherHost.name = "PC02";
        otherHost.programFolder = f.folder / "other";
        std::filesystem::create_directories(otherHost.programFolder);
        SaveSettings(otherHost.programFolder / "Marovelantis.Env", settings, otherHost);
        FakeDialogs otherDialogs;
        FakeFileChooser otherFiles;
        TfrmTimeTable_01 other(otherHost, otherDialogs, otherFiles, otherHost.programFolder / "Marovelantis.Env");
        other.show();
        other.MyTimer().stop();
        other.Session().OpenFile(f.design.string(), true);
        const FrameDrop copy{{2003, 7, 1}, "PC9-20030101000000-00001", GripKind::Body, true, {2003, 7, 2}, 1200, 1330,
                             {}, {}};
        QCOMPARE(CommitFrameDrop(other.Edit(), otherDialogs, other.Session().Ids(), copy), DropResult::Done);
        auto frames = [&] {
            const std::string bytes = ReadBytes(f.design);
            std::size_t count = 0;
            for (std::size_t at = bytes.find("Ci_Cid="); at != std::string::npos; at = bytes.find("Ci_Cid=", at + 1))
                ++count;
            return count;
        };
        QCOMPARE(frames(), std::size_t(2));
        // The first instance has not polled; its save on closing takes the copy in.
        f.window->Session().SetModified(true);
        QVERIFY(f.window->close());
        QCOMPARE(frames(), std::size_t(2));
        other.Session().SetModified(false);
    }

    void openingAnotherDesignReleasesTheOneLeftAfterASave() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        f.window->Session().SetModified(true);
        QVERIFY(f.window->Session().SaveCommand(true));
        QVERIFY(ReadBytes(f.design).find("#Priority=PC01-") != std::string::npos);
        const auto other = f.folder / "other.MVF";
        WriteBytes(other, kDesign);
        f.window->Session().OpenFile(other.string(), true);
        QVERIFY(ReadBytes(f.design).find("#Priority=\r\n") != std::string::npos);
        QVERIFY(f.dialogs.shown.empty());
    }

    void saveAsAddsTheDesignExtension() {
        Fixture f(OpenNothing());
        f.files.answer = (f.folder / "plan").string();
        f.window->Session().SaveAsCommand();
        QVERIFY(std::filesystem::exists(f.folder / "plan.MVF"));
        QCOMPARE(QString::fromStdString(f.window->Session().Design().Path().string()),
                 QString::fromStdString((f.folder / "plan.MVF").string()));
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(f.dialogs.shown[0].text).startsWith(QStringLiteral("デザインファイルを保存しました。")));
        QCOMPARE(f.files.requests.at(0).title, std::string("指定のファイル名でデザインファイルを保存します。"));
    }

    void saveAsReleasesTheFileLeftBehind() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        QVERIFY(ReadBytes(f.design).find("#Priority=PC01-") != std::string::npos);
        f.files.answer = (f.folder / "copy.MVF").string();
        f.window->Session().SaveAsCommand();
        QVERIFY(ReadBytes(f.design).find("#Priority=\r\n") != std::string::npos);
        QVERIFY(ReadBytes(f.folder / "copy.MVF").find("#Priority=PC01-") != std::string::npos);
        f.window->Session().OpenFile(f.design.string(), true);
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));  // the save-as message, no in-use warning
    }

    void yearAndMinuteUnitChangesAreUndoneAndRedoneFromTheEditMenu() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        ToolPanel& tools = *f.window->Tools();
        const DesignDocument& design = f.window->Session().Design();
        emit tools.Cmb_MoveMM->activated(14);
        emit tools.Cmb_BaseYYYY->activated(14);
        QCOMPARE(design.BaseYear(), 2004);
        auto* undo = f.window->findChild<QAction*>(QStringLiteral("Mn_Undo"));
        auto* redo = f.window->findChild<QAction*>(QStringLiteral("Mn_Redo"));
        QCOMPARE(undo->text(), QStringLiteral("元に戻す  #2  【 表示年 - 2003 】"));
        QVERIFY(!redo->isEnabled());

        undo->trigger();
        QCOMPARE(design.BaseYear(), 2003);
        QCOMPARE(tools.Cmb_BaseYYYY->currentIndex(), 13);
        QCOMPARE(f.window->Layout().Columns().front().date.year, 2003);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(design.MinuteStepIndex(), 4);
        QCOMPARE(tools.Cmb_MoveMM->currentIndex(), 4);
        QVERIFY(!f.window->Session().Modified());
        QVERIFY(!undo->isEnabled());

        QCOMPARE(redo->text(), QStringLiteral("やり直す  #2  【 枠移動の分単位 - 4 】"));
        redo->trigger();
        QCOMPARE(design.MinuteStepIndex(), 14);
        QVERIFY(f.window->Session().Modified());
    }

    void startDateFollowsTheDisplayDateSetting() {
        EnvSettings yesterday = OpenNothing();
        yesterday.Cmb_DispDate = 1;
        Fixture f(yesterday);
        QCOMPARE(f.window->Session().View().start, (Date{2003, 6, 30}));

        EnvSettings stored = OpenNothing();
        stored.Cmb_DispDate = 2;
        stored.Base_Date = {2003, 5, 5};
        Fixture g(stored);
        QCOMPARE(g.window->Session().View().start, (Date{2003, 7, 1}));
        g.window->Session().OpenFile(g.design.string(), true);
        QCOMPARE(g.window->Session().View().start, (Date{2003, 5, 5}));
    }

    void printCommandOpensThePrintWindowAndKeepsTheViewAndTheChoices() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        const int columnWidth = f.window->Layout().ColumnWidth();
        QScrollBar* scroll = f.window->View()->ScrollBox()->verticalScrollBar();
        scroll->setValue(scroll->maximum() / 2);
        const int scrolled = scroll->value();
        int pages = 0;
        QTimer::singleShot(0, [&] {
            auto* print = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!print) return;
            pages = print->findChild<QComboBox*>(QStringLiteral("Cmb_PageMax"))->count();
            print->findChild<QComboBox*>(QStringLiteral("Cmb_Gray2"))->setCurrentIndex(100);
            print->reject();
        });
        f.window->findChild<QAction*>(QStringLiteral("Mn_Print"))->trigger();
        QVERIFY(pages >= 1);
        QCOMPARE(f.window->Session().Settings().Plot_Gray2, 100);
        // The output layout was built beside the view: its layout and scroll stay.
        QCOMPARE(f.window->Layout().ColumnWidth(), columnWidth);
        QCOMPARE(scroll->value(), scrolled);
    }

    void saveButtonFollowsTheModifiedFlag() {
        Fixture f(OpenNothing());
        QPushButton* save = f.window->Tools()->Btn_Save;
        f.window->Session().SetModified(true);
        f.window->SaveTimerTimer();
        QVERIFY(save->isEnabled());
        QVERIFY(save->font().bold());
        f.window->Session().SetModified(false);
        f.window->SaveTimerTimer();
        QVERIFY(!save->isEnabled());
        QVERIFY(!save->font().bold());
    }

    void sharingIsSwitchedOnAfterTheQuestionAndCounted() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        auto* share = f.window->findChild<QAction*>(QStringLiteral("Mn_ShareMode"));
        QVERIFY(share);
        f.dialogs.answers = {Answer::Ok, Answer::Ok};
        share->trigger();
        QVERIFY(f.window->Session().SharedModeOn());
        QVERIFY(QString::fromStdString(f.dialogs.shown.at(0).text).startsWith(QStringLiteral("【 共有モードの設定 】")));
        QCOMPARE(f.window->Tools()->Lab_ShareMode->text(), QStringLiteral("共有 (1)"));
        QVERIFY(std::filesystem::exists(f.folder / "plan design.sha"));
        QVERIFY(f.window->close());
        QVERIFY(!std::filesystem::exists(f.folder / "plan design.sha"));  // the last sharer removes it
    }

    void holdingWeekBackStepsSevenDaysAtEachTickAndRebuildsOnRelease() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        QPushButton* back = f.window->Tools()->Btn_KikanDw7;
        emit back->pressed();
        QVERIFY(f.window->Navigation().DateTimerRunning());
        QVERIFY(!f.window->Session().Working().CommitAllowed());
        f.window->Navigation().DateTimerTimer();
        f.window->Navigation().DateTimerTimer();
        QCOMPARE(f.window->Session().View().start, (Date{2003, 6, 17}));
        emit back->released();
        QVERIFY(!f.window->Navigation().DateTimerRunning());
        QVERIFY(f.window->Session().Working().CommitAllowed());
        QCOMPARE(f.window->Layout().Columns().front().date, (Date{2003, 6, 17}));
        auto* bar = f.window->findChild<QScrollBar*>(QStringLiteral("sbarDate"));
        QCOMPARE(bar->value(), 167);  // 17 June is day 168 of 2003
    }

    // The step sources and the days one step moves.
    static void StepSources() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("days");
        QTest::newRow("-") << QStringLiteral("Btn_KikanDw1") << -1;
        QTest::newRow("+") << QStringLiteral("Btn_KikanUp1") << 1;
        QTest::newRow("<<") << QStringLiteral("Btn_KikanDw7") << -7;
        QTest::newRow(">>") << QStringLiteral("Btn_KikanUp7") << 7;
        QTest::newRow("<") << QStringLiteral("Btn_SbarMae") << -1;
        QTest::newRow(">") << QStringLiteral("Btn_SbarAto") << 1;
        QTest::newRow("left corner") << QStringLiteral("imgFixedKado") << -1;
        QTest::newRow("right corner") << QStringLiteral("imgFixedKado2") << 1;
    }

    void holdingAStepSourceStepsAtEveryTickUntilReleased_data() { StepSources(); }
    void holdingAStepSourceStepsAtEveryTickUntilReleased() {
        QFETCH(QString, source);
        QFETCH(int, days);
        Fixture f(OpenNothing());
        QWidget* widget = f.OpenDesignAndFind(source);
        QVERIFY(widget);
        const Date& start = f.window->Session().View().start;
        const int first = DaySerial(start);
        QTest::mousePress(widget, Qt::LeftButton);
        // Held, the timer goes on stepping, whatever the step redraws.
        QTRY_VERIFY((DaySerial(start) - first) / days >= 3);
        QTest::mouseRelease(widget, Qt::LeftButton);
        QVERIFY(!f.window->Navigation().DateTimerRunning());
        QCOMPARE((DaySerial(start) - first) % days, 0);
        QCOMPARE(f.window->Layout().Columns().front().date, start);
        QVERIFY(f.window->Session().Working().CommitAllowed());
    }

    void aQuickClickOnAStepSourceStepsOnce_data() { StepSources(); }
    void aQuickClickOnAStepSourceStepsOnce() {
        QFETCH(QString, source);
        QFETCH(int, days);
        Fixture f(OpenNothing());
        QWidget* widget = f.OpenDesignAndFind(source);
        QVERIFY(widget);
        // Released before the timer's first tick.
        QTest::mousePress(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
        const Date expected = AddDays({2003, 7, 1}, days);
        QCOMPARE(f.window->Session().View().start, expected);
        QCOMPARE(f.window->Layout().Columns().front().date, expected);
        QVERIFY(!f.window->Navigation().DateTimerRunning());
    }

    void everyControlIsInsideAWindowOfTwoThirdsOfA1280By800Screen() {
        Fixture f(OpenNothing());
        QMainWindow& window = *f.window;
        window.resize(1280 * 2 / 3, 800 * 2 / 3);
        QTRY_COMPARE(window.size(), QSize(853, 533));
        window.layout()->activate();
        const QRect inside = window.rect();
        QWidgetList controls = f.window->Tools()->findChildren<QWidget*>();
        for (const char* name : {"imgFixedKado2", "imgFixedRight", "ScrBoxPic", "sbarDate", "Btn_SbarAto"})
            controls << window.findChild<QWidget*>(QString::fromLatin1(name));
        for (QWidget* control : controls) {
            if (!control->isVisibleTo(&window)) continue;
            const QRect placed(control->mapTo(&window, QPoint(0, 0)), control->size());
            QVERIFY2(inside.contains(placed), qPrintable(control->objectName()));
        }
        // The panel took a second row rather than pushing the grid off the window.
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("ScrBoxPic"))->height() > 100);
    }

    void aResizeLaysTheFittedDatesOutAgainWhenItSettles() {
        Fixture f(OpenNothing());
        f.window->Tools()->Btn_DRate->click();
        QCOMPARE(f.window->Session().View().scale.horizontal, int(kHorzFit));
        const QWidget* viewport = f.window->View()->ScrollBox()->viewport();
        const int before = f.window->Layout().GridWidth();
        for (int change : {+200, -100}) {
            f.window->resize(f.window->width() + change, f.window->height());
            // The dates fill the grid's width again: no grey band, no scroll bar.
            QTRY_VERIFY(f.window->Layout().GridWidth() <= viewport->width() &&
                        f.window->Layout().GridWidth() >= viewport->width() - 60);
        }
        QVERIFY(f.window->Layout().GridWidth() > before);
    }

    void fittedRowsFillTheGridOfAWindowAsTallAsTheScreen() {
        Fixture f(OpenNothing());
        QMainWindow& window = *f.window;
        const QSize screen = window.screen()->geometry().size();
        window.resize(screen);
        QTRY_COMPARE(window.size(), screen);
        window.layout()->activate();
        f.window->Tools()->Btn_DRate->click();  // 横：Fit, so no scroll bar below the grid
        f.window->Tools()->Btn_TRate->click();  // 縦：Fit
        QCOMPARE(f.window->Session().View().scale.vertical, int(kVertFit));
        window.layout()->activate();
        const QWidget* viewport = f.window->View()->ScrollBox()->viewport();
        const int grid = f.window->Layout().GridHeight();
        QVERIFY2(grid <= viewport->height() && grid >= viewport->height() - 60,
                 qPrintable(QStringLiteral("grid %1, area %2").arg(grid).arg(viewport->height())));
    }

    void dateBarMovesTheViewOnlyWhenTheThumbIsReleased() {
        Fixture f(OpenNothing());
        auto* bar = f.window->findChild<QScrollBar*>(QStringLiteral("sbarDate"));
        bar->setSliderDown(true);
        bar->setValue(10);
        QTest::qWait(30);
        QCOMPARE(f.window->Session().View().start, (Date{2003, 7, 1}));
        bar->setSliderDown(false);
        emit bar->sliderReleased();
        QTRY_COMPARE(f.window->Session().View().start, (Date{2003, 1, 11}));
    }

    void yearChangeKeepsMonthAndDay() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        QComboBox* years = f.window->Tools()->Cmb_BaseYYYY;
        years->setCurrentIndex(14);
        emit years->activated(14);
        QCOMPARE(f.window->Session().Design().BaseYear(), 2004);
        QCOMPARE(f.window->Session().View().start, (Date{2004, 7, 1}));
        QCOMPARE(f.window->Layout().Columns().front().date, (Date{2004, 7, 1}));
        QVERIFY(f.window->Session().Modified());
        f.window->Session().SetModified(false);
    }

    void aListTurnsWithTheWheelOnlyWhenItHasTheFocus_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Cmb_BaseYYYY", "Cmb_MoveMM", "Cmb_DateW", "Cmb_TimeH"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void aListTurnsWithTheWheelOnlyWhenItHasTheFocus() {
        QFETCH(QString, name);
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        auto* list = f.window->findChild<QComboBox*>(name);
        QVERIFY(list);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        const int index = list->currentIndex();
        auto turn = [list] {
            QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            // As the system delivers it, which lets a wheel take the focus where allowed.
            QSpontaneKeyEvent::setSpontaneous(&wheel);
            qApp->notify(list, &wheel);
        };
        // Passing over the panel: neither the year nor the minute unit changes, nor the design.
        f.window->Tools()->Edt_BaseMMDD->setFocus();
        turn();
        QVERIFY(!list->hasFocus());
        QCOMPARE(list->currentIndex(), index);
        QCOMPARE(f.window->Session().Design().BaseYear(), 2003);
        QVERIFY(!f.window->Session().Modified());
        // Chosen first, the list turns.
        list->setFocus();
        turn();
        QCOMPARE(list->currentIndex(), index + 1);
        f.window->Session().SetModified(false);
    }

    void pickedYearIsIgnored() {
        Fixture f(OpenNothing());
        auto* picker = f.window->findChild<TfrmTimeTable_03*>(QStringLiteral("TfrmTimeTable_03"));
        QVERIFY(picker);
        QTimer::singleShot(0, picker, [picker] {
            picker->Picker()->setDate(QDate(2030, 5, 1));
            picker->accept();
        });
        f.window->Navigation().PickStartDate();
        QCOMPARE(f.window->Session().View().start, (Date{2003, 5, 1}));
    }

    void pressingTheBottomStripScrollsUpOnTheLeftAndDownOnTheRight() {
        Fixture f(OpenNothing());
        QScrollBar* vertical = f.window->View()->ScrollBox()->verticalScrollBar();
        vertical->setValue(600);
        auto* strip = f.window->findChild<QWidget*>(QStringLiteral("pnlBaseBottom"));
        QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        f.window->Navigation().VertHorzTimerTimer();
        QVERIFY(vertical->value() < 600);
        QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        const int afterUp = vertical->value();
        QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, QPoint(strip->width() - 3, 2));
        f.window->Navigation().VertHorzTimerTimer();
        QVERIFY(vertical->value() > afterUp);
        QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, QPoint(strip->width() - 3, 2));
    }

    // The picture gets the mouse as the system delivers it during a drag: moves with the
    // left button held, wherever the pointer is.
    static void SendMouse(QWidget* picture, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), picture->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    }

    void aBodyDraggedOverTheLeftEdgeScrollsTheDatesAndDropsOnceTheyStop() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        QWidget* picture = f.window->View()->Pic();
        const FrameBox& box = f.window->Boxes().at(0).at(0);
        const QPoint grip(box.rect.left + 20, box.rect.top + 6);
        SendMouse(picture, QEvent::MouseButtonPress, grip, Qt::LeftButton);
        QCOMPARE(f.window->Controller().Mode(), EditMode::MoveCopy);
        SendMouse(picture, QEvent::MouseMove, grip + QPoint(-15, 0), Qt::LeftButton);
        SendMouse(picture, QEvent::MouseMove, QPoint(-5, grip.y()), Qt::LeftButton);
        QVERIFY(f.window->Navigation().DateTimerRunning());
        QTRY_VERIFY(f.window->Layout().Columns().back().date < (Date{2003, 6, 30}));
        // Let go while the dates still fly by: the drop waits for them to stop.
        SendMouse(picture, QEvent::MouseButtonRelease, QPoint(-5, grip.y()), Qt::NoButton);
        QTRY_VERIFY(!f.window->Controller().Preview().Active());
        QVERIFY(!f.window->Navigation().DateTimerRunning());
        const Date shown = f.window->Layout().Columns().front().date;
        const WorkingSet& working = f.window->Session().Working();
        QVERIFY(working.FrameOn(shown, "PC9-20030101000000-00001"));
        QVERIFY(!working.LineOf({2003, 7, 1}, "PC9-20030101000000-00001"));
        QVERIFY(f.window->Session().History().UndoCaption().find(Sjis("枠移動")) != std::string::npos);
        // Undone, the frame is back on its date, and the view goes there to show it.
        f.window->Mn_UndoClick();
        QCOMPARE(f.window->Layout().Columns().front().date, (Date{2003, 6, 30}));
        QVERIFY(working.FrameOn({2003, 7, 1}, "PC9-20030101000000-00001"));
        QCOMPARE(f.window->Edit().Selection().Cid(), std::string("PC9-20030101000000-00001"));
        QCOMPARE(f.window->Controller().Mode(), EditMode::Normal);
        f.window->Session().SetModified(false);
    }

    void theFrameMenuCreatesOnAPressedFrameAndDeleteTakesItAway() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        QWidget* picture = f.window->View()->Pic();
        const FrameBox& box = f.window->Boxes().at(0).at(0);
        const QPoint inside(box.rect.left + 10, box.rect.top + 30);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(inside), picture->mapToGlobal(QPointF(inside)),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &press);
        f.window->Menu().Refresh();
        QMenu* menu = f.window->Menu().Menu();
        auto item = [&](const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); };
        QVERIFY(item("Pm_WakuDel")->isEnabled());
        QVERIFY(!item("Pm_TitleDel")->isEnabled());
        item("Pm_WakuNew")->trigger();
        QCOMPARE(f.window->Boxes().at(0).size(), std::size_t(2));
        QCOMPARE(f.window->Controller().Mode(), EditMode::MoveCopy);
        QApplication::setActiveWindow(f.window.get());
        QTest::keyClick(f.window.get(), Qt::Key_Delete);
        QCOMPARE(f.window->Boxes().at(0).size(), std::size_t(1));
        QVERIFY(f.dialogs.shown.back().text.find("09:30 ～ 11:00") != std::string::npos);
        // The frame left is the original, and pressing it again finds it.
        SendMouse(picture, QEvent::MouseButtonPress, inside, Qt::LeftButton);
        SendMouse(picture, QEvent::MouseButtonRelease, inside, Qt::NoButton);
        QCOMPARE(f.window->Edit().Selection().Cid(), std::string("PC9-20030101000000-00001"));
        // Esc lets the chosen frames go first, then leaves the move the menu chose.
        f.window->Menu().Refresh();
        item("Pm_WakuSel")->trigger();
        QCOMPARE(f.window->Edit().Chosen().Count(), std::size_t(1));
        f.window->Menu().Refresh();
        QCOMPARE(item("Pm_WakuSel")->text(), QStringLiteral("3. 枠の選択の解除"));
        item("Pm_WakuMove")->trigger();
        QVERIFY(f.window->Controller().Preview().Active());
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        QCOMPARE(f.window->Edit().Chosen().Count(), std::size_t(0));
        QCOMPARE(f.window->Controller().Mode(), EditMode::MoveCopy);
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        QCOMPARE(f.window->Controller().Mode(), EditMode::Normal);
        QVERIFY(!f.window->Controller().Preview().Active());
        f.window->Session().SetModified(false);
    }

    void theTitleEditorStoresAsItIsTypedAndRecordsOneStepOnLeaving() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        const Date july1{2003, 7, 1};
        const std::string cid = "PC9-20030101000000-00001";
        QVERIFY(AddTitleField(f.window->Edit(), july1, cid, Sjis("朝"), false));
        const std::size_t steps = f.window->Session().History().Entries().size();
        f.window->EditFieldInPlace(july1, cid, 0);
        FieldEditor& editor = f.window->TitleEditor();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.toPlainText(), QStringLiteral("朝"));
        editor.insertPlainText(QStringLiteral("の番組"));  // typed: every change is stored
        const TCInf* frame = f.window->Session().Working().FrameOn(july1, cid);
        QCOMPARE(frame->Fields[0].FTextStr, Sjis("朝の番組"));
        QCOMPARE(f.window->Session().History().Entries().size(), steps);
        editor.Close();
        QVERIFY(!editor.isVisible());
        QCOMPARE(f.window->Session().History().Entries().size(), steps + 1);
        QVERIFY(f.window->Session().History().UndoCaption().find(Sjis("ﾀｲﾄﾙ編集")) != std::string::npos);
        f.window->Mn_UndoClick();
        QCOMPARE(f.window->Session().Working().FrameOn(july1, cid)->Fields[0].FTextStr, Sjis("朝"));
        f.window->Session().SetModified(false);
    }

    void editKindButtonSwitchesToThePackedDisplayAndBack() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        QPushButton* kind = f.window->Tools()->Btn_EditKind;
        QCOMPARE(f.window->Boxes().at(0).at(0).start, 930);
        kind->click();
        QCOMPARE(kind->text(), QStringLiteral("表示"));
        QVERIFY(kind->font().bold());
        QCOMPARE(f.window->Boxes().at(0).at(0).start, 500);  // the first one-hour block
        f.window->Session().SetModified(true);
        kind->click();
        QCOMPARE(kind->text(), QStringLiteral("編集"));
        QCOMPARE(f.window->Boxes().at(0).at(0).start, 930);  // the real time was stored, not the packed one
        f.window->Session().SetModified(false);
    }

    void unreadableSettingsAreNotReplacedAtClose() {
        TempFolder folder;
        FakeHost host;
        FakeDialogs dialogs;
        FakeFileChooser files;
        host.programFolder = folder.Path();
        const auto settings = folder / "Marovelantis.Env";
        std::filesystem::create_directory(settings);  // there, but no file to read
        {
            TfrmTimeTable_01 window(host, dialogs, files, settings);
            window.show();
            window.MyTimer().stop();
            QVERIFY(window.close());
        }
        QVERIFY(std::filesystem::is_directory(settings));
        QCOMPARE(dialogs.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(dialogs.shown[0].text).startsWith(QStringLiteral("設定ファイルを読み込めなかったため")));
    }

    void settingsAreWrittenAtClose() {
        Fixture f(OpenNothing());
        f.window->Tools()->Cmb_TimeH->setCurrentIndex(12);
        emit f.window->Tools()->Cmb_TimeH->activated(12);
        QVERIFY(f.window->close());
        EnvSettings read;
        QVERIFY(LoadSettings(f.SettingsPath(), f.host, read));
        QCOMPARE(read.GV_TimeH, 12);
        QCOMPARE(read.GV_TRate, 0);
    }
};

QTEST_MAIN(TimetableWindowTest)
#include "timetablewindow_test.moc"
