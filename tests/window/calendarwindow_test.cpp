// The month calendar as a user reaches it from the design window: opened by its button on
// the date cursor's month, the day lists following edits, a frame moved to a day picked in
// it, the range items shared with the date header, the day-detail box, and its options
// kept in the settings.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/window/toolpanel.h"
#include "edit/framecommands.h"
#include "edit/widgets/calendargrid.h"
#include "edit/widgets/framemenu.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "window/windowfixture.h"

using namespace mv;
using namespace mv::test;

namespace {

const std::string kCid = "PC9-20030101000000-00001";

bool StoredOn(TfrmTimeTable_01& window, const Date& date, const std::string& cid) {
    window.StoreView();
    for (const std::string& line : window.Session().Design().Store().Slot(SlotOfDate(date)))
        if (line.find(cid) != std::string::npos) return true;
    return false;
}

}  // namespace

class CalendarWindowTest : public QObject {
    Q_OBJECT

    static TfrmTimeTable_04& OpenCalendar(Fixture& f) {
        f.window->Session().OpenFile(f.design.string(), true);
        AddTitleField(f.window->Edit(), {2003, 7, 1}, kCid, Sjis("朝の会議"), false);
        f.window->Tools()->Btn_Calendar->click();
        return f.window->Calendar();
    }
    static void ClickDay(TfrmTimeTable_04& calendar, const Date& date, Qt::MouseButton button = Qt::LeftButton) {
        CalendarGrid& grid = calendar.Grid();
        QTest::mouseClick(&grid, button, Qt::NoModifier, grid.CellRect(calendar.Month().IndexOf(date)).center());
    }

private slots:
    void opensOnTheShownMonthAndFollowsEdits() {
        Fixture f(OpenNothing());
        TfrmTimeTable_04& calendar = OpenCalendar(f);
        QVERIFY(calendar.isVisible());
        QCOMPARE(calendar.Month().FirstDay(), (Date{2003, 7, 1}));
        const MonthCell& day = calendar.Month().At(calendar.Month().IndexOf({2003, 7, 1}));
        QCOMPARE(day.content, "<9:30>#" + Sjis("朝の会議") + "%!#");
        // An edit in the design window reaches the open calendar at once.
        f.window->Edit().Selection().Select(kCid, {2003, 7, 1});
        DeleteFrame(f.window->Edit(), f.dialogs, {2003, 7, 1}, kCid);
        QCOMPARE(calendar.Month().At(calendar.Month().IndexOf({2003, 7, 1})).content, std::string());
    }

    void aFrameGoesToTheDayPickedAfterItsQuestion() {
        Fixture f(OpenNothing());
        TfrmTimeTable_04& calendar = OpenCalendar(f);
        f.window->Edit().Selection().Select(kCid, {2003, 7, 1});
        f.window->Menu().Menu()->findChild<QAction*>(QStringLiteral("Pm_MoveByCalendar"))->trigger();
        QVERIFY(calendar.InMoveMode());

        // Cancelled, the frame stays and the calendar still waits for a day.
        f.dialogs.answers = {Answer::Cancel};
        ClickDay(calendar, {2003, 7, 10});
        QVERIFY(calendar.InMoveMode());
        QVERIFY(StoredOn(*f.window, {2003, 7, 1}, kCid));
        QCOMPARE(f.dialogs.shown.back().text,
                 std::string("指定の枠をこの日に移動します。\r\r[ 07/01  09:30 ]  →  07/10\r\rよろしいですか？\r\r"));

        f.dialogs.answers = {Answer::Ok};
        ClickDay(calendar, {2003, 7, 10});
        QVERIFY(!calendar.InMoveMode());
        QVERIFY(!StoredOn(*f.window, {2003, 7, 1}, kCid));
        QVERIFY(StoredOn(*f.window, {2003, 7, 10}, kCid));
        QVERIFY(calendar.Month().At(calendar.Month().IndexOf({2003, 7, 10})).content.find(Sjis("朝の会議")) !=
                std::string::npos);

        // One undo step brings it back.
        f.window->Mn_UndoClick();
        QVERIFY(StoredOn(*f.window, {2003, 7, 1}, kCid));
        QVERIFY(!StoredOn(*f.window, {2003, 7, 10}, kCid));
    }

    void rangeItemsShareTheDateHeadersRange() {
        Fixture f(OpenNothing());
        TfrmTimeTable_04& calendar = OpenCalendar(f);
        auto item = [&](const char* name) { return calendar.DayMenu().findChild<QAction*>(QString::fromLatin1(name)); };
        calendar.PrepareDayMenu(calendar.Month().IndexOf({2003, 7, 1}));
        QVERIFY(!item("Pm_DateSelMove")->isEnabled());
        item("Pm_DateSelMin")->trigger();
        calendar.PrepareDayMenu(calendar.Month().IndexOf({2003, 7, 4}));
        QCOMPARE(item("Pm_DateSelMin")->text(), QStringLiteral("2. 範囲：　2003/07/01"));
        item("Pm_DateSelMax")->trigger();
        const DateRange& range = f.window->Edit().Range();
        QCOMPARE(range.CurrentState(), DateRange::Fixed);
        QCOMPARE(range.First(), (Date{2003, 7, 1}));
        QCOMPARE(range.Last(), (Date{2003, 7, 4}));

        // Copying the range onto the 20th leaves the source and covers the target days.
        calendar.PrepareDayMenu(calendar.Month().IndexOf({2003, 7, 20}));
        QVERIFY(item("Pm_DateSelCopy")->isEnabled());
        f.dialogs.answers = {Answer::Ok};
        item("Pm_DateSelCopy")->trigger();
        QCOMPARE(range.First(), (Date{2003, 7, 20}));
        QCOMPARE(range.Last(), (Date{2003, 7, 23}));
        QVERIFY(StoredOn(*f.window, {2003, 7, 1}, kCid));
        QVERIFY(calendar.Month().At(calendar.Month().IndexOf({2003, 7, 20})).content.find(Sjis("朝の会議")) !=
                std::string::npos);
        calendar.PrepareDayMenu(calendar.Month().IndexOf({2003, 7, 20}));
        item("Pm_DateSelClear")->trigger();
        QCOMPARE(range.CurrentState(), DateRange::None);
    }

    void theDetailBoxListsTheDayAndClosesOnEnter() {
        Fixture f(OpenNothing());
        TfrmTimeTable_04& calendar = OpenCalendar(f);
        CalendarGrid& grid = calendar.Grid();
        QTest::mouseDClick(&grid, Qt::LeftButton, Qt::NoModifier,
                           grid.CellRect(calendar.Month().IndexOf({2003, 7, 1})).center());
        QPlainTextEdit& detail = calendar.DetailBox();
        QVERIFY(detail.isVisible());
        QVERIFY(detail.toPlainText().startsWith(QStringLiteral(" 2003年 07月 01日 (火)\n\n 09:30  朝の会議")));
        QTest::keyClick(&detail, Qt::Key_Return);
        QVERIFY(!detail.isVisible());
    }

    void optionsAreReadAndKeptInTheSettings() {
        EnvSettings settings = OpenNothing();
        settings.CalFontColor = 9;  // no such item: the first one
        settings.CalTime = 1;
        Fixture f(settings);
        TfrmTimeTable_04& calendar = OpenCalendar(f);
        auto action = [&](const char* name) { return calendar.findChild<QAction*>(QString::fromLatin1(name)); };
        QVERIFY(action("Mn_FontBlack")->isChecked());
        QVERIFY(action("Mn_Time")->isChecked());
        action("Mn_FontYellow")->trigger();
        action("Mn_Draw3D")->trigger();
        calendar.close();
        QCOMPARE(f.window->Settings().CalFontColor, 3);
        QCOMPARE(f.window->Settings().CalDraw3D, 1);
        QCOMPARE(f.window->Settings().CalTime, 1);
    }
};

QTEST_MAIN(CalendarWindowTest)
#include "calendarwindow_test.moc"
