// The design window's iCalendar commands, driven through its menu with scripted dialogs: a
// week design written out and read into an empty design of its year gives back its frames,
// as one undo step, with the view moved to them; failures are reported, never announced as
// done.

#include <QAction>
#include <QMenuBar>
#include <QTest>

#include <algorithm>

#include "app/window/designsession.h"
#include "window/windowfixture.h"

using namespace mv;
using namespace mv::test;

namespace {

const std::filesystem::path kData = MV_TEST_DATA_DIR;

void Trigger(TfrmTimeTable_01& window, const char* name) {
    window.menuBar()->findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

// What a frame line says of the frame's place, colour, texts, contents and links, without
// what laying the frame out fills in again (field offsets) and the trailing line breaks a
// field loses whenever its frame is written.
std::string Essentials(const std::string& line) {
    static const char* kKept[] = {"Ci_CDate=", "Ci_Cid=", "Ci_STime=", "Ci_ETime=", "Ci_WakuBC=",
                                  "Ci_Contents=", "Ci_LinkURL=", "Fi_FTextStr="};
    std::string kept;
    for (std::size_t at = 0; at < line.size();) {
        std::size_t end = line.find("%!#", at);
        if (end == std::string::npos) end = line.size();
        std::string part = line.substr(at, end - at);
        while (!part.empty() && part.back() == '\x7F') part.pop_back();
        for (const char* key : kKept)
            if (part.starts_with(key)) kept += part + "|";
        at = end + 3;
    }
    return kept;
}

// The stored frames, sorted.
std::vector<std::string> StoredLines(TfrmTimeTable_01& window) {
    window.Session().CommitView();
    std::vector<std::string> lines;
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (const std::string& line : window.Session().Design().Store().Slot(slot)) lines.push_back(Essentials(line));
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

}  // namespace

class IcalActionsTest : public QObject {
    Q_OBJECT

private slots:
    void designWrittenAndReadBackIntoAnEmptyDesign() {
        Fixture f;
        std::filesystem::copy_file(kData / "html_week.MVF", f.folder / "week.MVF");
        f.window->Session().OpenFile((f.folder / "week.MVF").string(), true);
        const std::vector<std::string> weekLines = StoredLines(*f.window);
        f.dialogs.shown.clear();

        const std::string out = (f.folder / "week.ics").string();
        f.files.answer = out;
        Trigger(*f.window, "Mn_IcsExport");
        QCOMPARE(f.files.requests.back().initialFile, out);
        QCOMPARE(f.files.requests.back().filter, std::string("(*.ics)|*.ics|(*.*)|*.*"));
        QCOMPARE(f.Texts(), std::vector<std::string>{"iCalendar 形式で出力しました。\r\n\r\n    イベント数 = 7\r\n    PATH = " +
                                                     out});
        QCOMPARE(Count(ReadBytes(out), "BEGIN:VEVENT"), weekLines.size());

        // A folder that cannot be written is an error, and nothing is announced.
        f.dialogs.shown.clear();
        f.files.answer = (f.folder / "missing" / "week.ics").string();
        Trigger(*f.window, "Mn_IcsExport");
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(f.dialogs.shown[0].kind, MessageKind::Error);
        QVERIFY(f.dialogs.shown[0].text.starts_with("出力ファイルの作成に失敗しました。"));

        // An empty design of the same year takes the events back as the same frames.
        WriteBytes(f.folder / "empty.MVF",
                   "#Marovelantis=#Marovelantis\r\n#Priority=\r\n#LastUpdate=\r\n#BaseYYYY=36\r\n#Title=E\r\n#MoveMM=4\r\n");
        f.window->Session().OpenFile((f.folder / "empty.MVF").string(), true);
        f.dialogs.shown.clear();
        f.files.answer = out;
        f.dialogs.answers = {Answer::No};
        Trigger(*f.window, "Mn_IcsImport");
        QVERIFY(StoredLines(*f.window).empty());
        QVERIFY(f.dialogs.shown[0].text.starts_with("iCalendar ファイルの予定を枠として読み込みます。"));

        f.dialogs.shown.clear();
        f.dialogs.answers = {Answer::Yes};
        Trigger(*f.window, "Mn_IcsImport");
        QCOMPARE(f.dialogs.shown.back().text, std::string("iCalendar の読み込みを終了しました。\r\n\r\n    イベント数 = 7"
                                                          "\r\n    追加した枠の数 = 7\r\n    取り込まなかったイベント数 = 0"));
        QVERIFY(StoredLines(*f.window) == weekLines);
        QVERIFY(f.window->Session().Design().Modified());
        // The view starts the day before the earliest frame.
        QCOMPARE(f.window->Session().View().start, (Date{2026, 3, 22}));
        auto* undo = f.window->findChild<QAction*>(QStringLiteral("Mn_Undo"));
        QVERIFY(undo->text().contains(QStringLiteral("iCalendar 読み込み")));

        f.window->Mn_UndoClick();
        QVERIFY(StoredLines(*f.window).empty());
        QVERIFY(!f.window->Session().Design().Modified());
        f.window->Mn_RedoClick();
        QVERIFY(StoredLines(*f.window) == weekLines);

        // A file that is no calendar is refused and changes nothing.
        WriteBytes(f.folder / "plan.ics", "Date,Start,End\r\n2026/03/23,10:00,11:00\r\n");
        f.files.answer = (f.folder / "plan.ics").string();
        f.dialogs.shown.clear();
        f.dialogs.answers = {Answer::Yes};
        Trigger(*f.window, "Mn_IcsImport");
        QCOMPARE(f.dialogs.shown.back().kind, MessageKind::Error);
        QCOMPARE(f.dialogs.shown.back().text, std::string("これは iCalendar 形式のファイルではありません。"));
        QVERIFY(StoredLines(*f.window) == weekLines);
        f.window->Session().SetModified(false);
    }
};

QTEST_MAIN(IcalActionsTest)
#include "icalactions_test.moc"
