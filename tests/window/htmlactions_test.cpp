// The design window's HTML commands, driven through its menu with scripted dialogs and a
// fake shell: the page written by "3." is the golden page the command-line tool writes for
// the same view, and "4." writes beside the program and opens it, the window disabled.

#include <QAction>
#include <QMenuBar>
#include <QTest>

#include "app/window/htmlactions.h"
#include "app/window/toolpanel.h"
#include "window/windowfixture.h"

using namespace mv;
using namespace mv::test;

namespace {

const std::filesystem::path kData = MV_TEST_DATA_DIR;

// Records what it is asked to open, and whether the window was disabled at that moment.
class FakeShellOpen : public ShellOpen {
public:
    explicit FakeShellOpen(TfrmTimeTable_01& window) : mWindow(window) {}
    bool OpenDocument(const std::filesystem::path& path) override {
        opened.push_back(path);
        windowDisabled = !mWindow.Tools()->isEnabled() && mWindow.IsBusy();
        return result;
    }
    std::vector<std::filesystem::path> opened;
    bool windowDisabled = false;
    bool result = true;

private:
    TfrmTimeTable_01& mWindow;
};

// The window on a copy of the week design, one week from 2026/03/23 shown.
EnvSettings WeekView() {
    EnvSettings settings = DefaultSettings({2026, 3, 23});
    settings.Cmb_BeginRead = 0;
    settings.Cmb_DispDate = 2;
    settings.Base_Date = {2026, 3, 23};
    settings.Edit_Type = 6;
    settings.Cmb_WakuLoc = 0;  // free placement: the page still shows the automatic lanes
    return settings;
}

void Trigger(TfrmTimeTable_01& window, const char* name) {
    window.menuBar()->findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

}  // namespace

class HtmlActionsTest : public QObject {
    Q_OBJECT

private slots:
    void savedPageIsTheToolsPageAndIsAnnounced() {
        Fixture f(WeekView());
        std::filesystem::copy_file(kData / "html_week.MVF", f.folder / "week.MVF");
        f.window->Session().OpenFile((f.folder / "week.MVF").string(), true);
        f.dialogs.shown.clear();
        const std::string out = (f.folder / "page.html").string();
        f.files.answer = out;
        Trigger(*f.window, "Mn_HtmlSave");

        QCOMPARE(f.files.requests.size(), std::size_t(1));
        const FileDialogRequest& request = f.files.requests[0];
        QCOMPARE(request.title, std::string("ＨＴＭＬ形式で指定のファイル名で出力します。"));
        QCOMPARE(request.filter, std::string("(*.html)|*.html|(*.html;*htm)|*.html;*htm|(*.*)|*.*"));
        QCOMPARE(request.initialFile, (f.folder / "Marovelantis.html").string());
        QVERIFY(ReadBytes(out) == ReadBytes(kData / "html_week.html"));
        QCOMPARE(f.window->Settings().Path_Html, out);
        QCOMPARE(f.Texts(), std::vector<std::string>{"表示内容をＨＴＭＬ形式で出力しました。\r\n\r\n    PATH = " + out});
        QCOMPARE(f.dialogs.shown[0].caption, std::string("確認"));

        // A folder that cannot be written is reported, never announced as written.
        f.dialogs.shown.clear();
        f.files.answer = (f.folder / "missing" / "page.html").string();
        Trigger(*f.window, "Mn_HtmlSave");
        QCOMPARE(f.files.requests.back().initialFile, out);
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(f.dialogs.shown[0].kind, MessageKind::Error);
        QVERIFY(f.dialogs.shown[0].text.starts_with("出力ファイルの作成に失敗しました。"));
        f.window->Session().SetModified(false);
    }

    void launchedPageIsWrittenBesideTheProgramAndOpened() {
        Fixture f(WeekView());
        std::filesystem::copy_file(kData / "html_week.MVF", f.folder / "week.MVF");
        f.window->Session().OpenFile((f.folder / "week.MVF").string(), true);
        f.dialogs.shown.clear();
        FakeShellOpen shell(*f.window);
        f.window->Html().SetOpener(shell);
        Trigger(*f.window, "Mn_HtmlExec");
        QCOMPARE(shell.opened, std::vector<std::filesystem::path>{f.folder / "Marovelantis.html"});
        QVERIFY(shell.windowDisabled);
        QVERIFY(f.window->Tools()->isEnabled());
        QVERIFY(ReadBytes(f.folder / "Marovelantis.html") == ReadBytes(kData / "html_week.html"));
        QVERIFY(f.dialogs.shown.empty());

        shell.result = false;
        Trigger(*f.window, "Mn_HtmlExec");
        QCOMPARE(f.Texts(), std::vector<std::string>{"通常使用するブラウザを起動できませんでした。"});
        f.window->Session().SetModified(false);
    }
};

QTEST_MAIN(HtmlActionsTest)
#include "htmlactions_test.moc"
