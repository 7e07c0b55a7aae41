// The environment dialog offscreen on a fake design window: values loaded and written
// back, the print range rule, the start hour scrolling the view, placement, the design
// title and the holiday grid.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "auxiliary/widgets/environmentdialog.h"
#include "model/codec.h"
#include "model/holidaytable.h"
#include "model/settings.h"
#include "support/testhost.h"

using namespace mv;
using namespace mv::test;

namespace {

struct FakeWindow : EnvironmentHost {
    EnvSettings settings = DefaultSettings({2026, 3, 23});
    HolidayTable holidays = HolidayTable::Default();
    FakeDialogs dialogs;
    std::string title;
    bool modified = false;
    std::vector<std::string> calls;

    EnvSettings& Settings() override { return settings; }
    HolidayTable& Holidays() override { return holidays; }
    Dialogs& Messages() override { return dialogs; }
    bool MainShown() const override { return true; }
    std::string DesignTitle() const override { return title; }
    void SetDesignTitle(const std::string& text) override {
        if (!title.empty() && title != text) modified = true;
        title = text;
    }
    void ScrollToHourRow(int row) override { calls.push_back("scroll " + std::to_string(row)); }
    void FrameDefaultsChanged() override { calls.push_back("defaults"); }
    void PlacementChanged(bool frames) override { calls.push_back(frames ? "frames" : "titles"); }
    void HolidaysChanged() override { calls.push_back("holidays"); }
    void PrintTimetable() override { calls.push_back("print"); }
    void OpenHtml() override { calls.push_back("html"); }
    bool ChooseColour(int& colour) override {
        colour = 0x123456;
        return true;
    }
};

template <typename T>
T* Child(QWidget& parent, const char* name) {
    return parent.findChild<T*>(QString::fromUtf8(name));
}

}  // namespace

class EnvironmentDialogTest : public QObject {
    Q_OBJECT
private slots:
    void valuesGoBackToTheWindowAtOnce() {
        FakeWindow window;
        window.settings.Cmb_PrtETime = 3;  // 08 時
        TfrmTimeEtc_01 dialog(window);
        dialog.ShowPrintPage();
        QCOMPARE(Child<QComboBox>(dialog, "Cmb_PrtETime")->currentIndex(), 3);

        Child<QComboBox>(dialog, "Cmb_PrtSTime")->setCurrentIndex(5);  // 10 時: the end follows
        QCOMPARE(window.settings.Cmb_PrtSTime, 5);
        QCOMPARE(window.settings.Cmb_PrtETime, 5);
        QCOMPARE(Child<QComboBox>(dialog, "Cmb_PrtETime")->currentIndex(), 5);
        Child<QCheckBox>(dialog, "Chk_HtmlMakeDate")->setChecked(true);
        QCOMPARE(window.settings.Chk_HtmlMakeDate, 1);

        Child<QComboBox>(dialog, "Cmb_BeginTime")->setCurrentIndex(19);  // 00 時
        Child<QComboBox>(dialog, "Cmb_WakuLoc")->setCurrentIndex(0);
        QCOMPARE(window.settings.Cmb_WakuLoc, 0);
        Child<QComboBox>(dialog, "Cmb_BeginFS")->setCurrentIndex(11);
        QCOMPARE(window.settings.Cmb_BeginFS, 11);
        QCOMPARE(window.calls, (std::vector<std::string>{"scroll 19", "frames", "defaults"}));

        // A preset colour after its question; the HTML background back to its default.
        Child<QPushButton>(dialog, "Pnl_ResetBC2")->click();
        QCOMPARE(window.settings.DefaultWakuBC, kStandardFrameColours[1]);
        QCOMPARE(window.dialogs.shown.back().text,
                 std::string("枠作成時の背景色を 【 標準２ 】 の色にします。\r\rよろしいですか？\r\r"));
        Child<QPushButton>(dialog, "Pnl_HtmlBC")->click();
        QCOMPARE(window.settings.Pnl_HtmlBC, 0x123456);
        window.dialogs.answers = {Answer::Cancel};
        Child<QPushButton>(dialog, "Btn_ResetHtmlBC")->click();
        QCOMPARE(window.settings.Pnl_HtmlBC, 0x123456);
        Child<QPushButton>(dialog, "Btn_ResetHtmlBC")->click();
        QCOMPARE(window.settings.Pnl_HtmlBC, 6250335);
    }

    void theTitleAndTheHolidays() {
        FakeWindow window;
        TfrmTimeEtc_01 dialog(window);
        dialog.ShowDialog();
        auto* title = Child<QLineEdit>(dialog, "Edt_Mvf_Title");
        title->setText(QStringLiteral("  番組表 "));
        QCOMPARE(window.title, Sjis("番組表"));
        QVERIFY(!window.modified);  // there was no title before
        title->setText(QStringLiteral("番組表 第二版"));
        QVERIFY(window.modified);

        const std::string before = window.holidays.Format();
        dialog.ToggleHoliday(5, 5);
        QVERIFY(!window.holidays.IsSet(5, 5));
        dialog.ToggleHoliday(5, 5);
        QCOMPARE(window.holidays.Format(), before);
        QCOMPARE(window.calls, (std::vector<std::string>{"holidays", "holidays"}));
    }
};

QTEST_MAIN(EnvironmentDialogTest)
#include "environmentdialog_test.moc"
