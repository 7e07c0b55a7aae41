// The help viewer offscreen: the list of registered Help items and their texts, the HTML
// document of all texts, the width button and the hand-over to the editor.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTest>

#include "auxiliary/widgets/browsewindow.h"
#include "model/codec.h"
#include "platform/memoryclipboard.h"
#include "platform/shellopen.h"
#include "platform/texteditor.h"
#include "support/testhost.h"

using namespace mv;
using namespace mv::test;

namespace {

struct FakeShell : ShellOpen {
    std::vector<std::filesystem::path> opened;
    bool works = true;
    bool OpenDocument(const std::filesystem::path& file) override {
        opened.push_back(file);
        return works;
    }
};

struct FakeEditor : TextEditor {
    EditorProgram program{"/usr/bin/mousepad", true};
    std::vector<std::optional<std::string>> started;
    EditorProgram Program() override { return program; }
    bool Start(const std::optional<std::string>& file) override {
        started.push_back(file);
        return true;
    }
};

// A viewer with three Help items registered, each showing its own file.
struct Fixture {
    TempFolder folder;
    FakeHost host;
    FakeDialogs dialogs;
    FakeFileChooser files;
    FakeShell shell;
    FakeEditor editor;
    MemoryClipboard clipboard;
    GridPrintSettings print;
    QMenu help;
    std::vector<QAction*> items;
    std::unique_ptr<TFm_Browse> viewer;

    Fixture() {
        host.programFolder = folder.Path();
        viewer = std::make_unique<TFm_Browse>(
            BrowseSeams{dialogs, files, shell, editor, clipboard, host, print, "Marovelantis"});
        viewer->SetBaseCaption(QStringLiteral("マロベランティス２  Browse"));
        const char* captions[] = {"1. マロベランティスについて ", "2. 始めに", "3. ガイド１ (簡単な使い方)"};
        for (int i = 0; i < 3; ++i) {
            QAction* item = help.addAction(QString::fromUtf8(captions[i]));
            item->setObjectName(QStringLiteral("Mn_Help_%1").arg(i));
            const std::filesystem::path path = folder / ("Doc_" + std::to_string(i) + ".Txt");
            WriteBytes(path, Sjis("説明 " + std::to_string(i) + " <注意>\r\n二行目\r\n"));
            QObject::connect(item, &QAction::triggered, [this, item, path] { viewer->ShowFile(item, {}, false, path); });
            viewer->RegisterEntry(&help, &help, item);
            items.push_back(item);
        }
    }
};

}  // namespace

class BrowseWindowTest : public QObject {
    Q_OBJECT
private slots:
    void itemsShowTheirTextsAndTheListFollows() {
        Fixture f;
        QCOMPARE(f.viewer->List()->count(), 3);
        QCOMPARE(f.viewer->List()->itemText(2), QStringLiteral(" 3. ガイド１ (簡単な使い方)"));
        f.items[1]->trigger();
        QVERIFY(f.viewer->isVisible());
        QCOMPARE(f.viewer->List()->currentIndex(), 1);
        QCOMPARE(f.viewer->ShownText(), Sjis("説明 1 <注意>\r\n二行目\r\n"));
        // Choosing in the list runs the item's own command.
        f.viewer->List()->activated(2);
        QCOMPARE(f.viewer->ShownText(), Sjis("説明 2 <注意>\r\n二行目\r\n"));

        // A missing file is said; an item that is not registered is said, its text still shown.
        f.viewer->ShowFile(f.items[0], {}, false, f.folder / "none.Txt");
        QCOMPARE(f.dialogs.shown.back().text, "ファイルがありません。\r\n\r\n     File = " + ToUtf8(FromUtf8((f.folder / "none.Txt").string())));
        QAction stray(QStringLiteral("x"));
        stray.setObjectName(QStringLiteral("Mn_Stray"));
        f.viewer->ShowFile(&stray, {}, true, f.folder / "Doc_0.Txt");
        QCOMPARE(f.dialogs.shown.back().text, std::string("Browse サブメニューが登録されていません。\r\n\r\n  → Mn_Stray"));
        QCOMPARE(f.viewer->ShownText(), Sjis("00001 説明 0 <注意>\r\n00002 二行目\r\n"));
        QVERIFY(f.viewer->List()->isHidden());
    }

    void theHtmlDocumentOpensOnThePageShownAndTheViewComesBack() {
        Fixture f;
        f.items[1]->trigger();
        f.viewer->MakeHtml();
        QCOMPARE(f.shell.opened, (std::vector<std::filesystem::path>{f.folder / "Marovelantis_Help.Html"}));
        const std::string page = ReadBytes(f.folder / "Marovelantis_Help.Html");
        QVERIFY(page.find("<BODY OnLoad=LinkJump(\"#Page_2\")") != std::string::npos);
        QVERIFY(page.find(Sjis("説明 2 &lt;注意&gt;\r\n二行目\r\n</Pre>")) != std::string::npos);
        QCOMPARE(f.viewer->List()->currentIndex(), 1);
        QCOMPARE(f.viewer->ShownText(), Sjis("説明 1 <注意>\r\n二行目\r\n"));

        f.shell.works = false;
        f.viewer->MakeHtml();
        QCOMPARE(f.dialogs.shown.back().text, std::string("ブラウザの起動を失敗しました。"));
    }

    void theWidthButtonCyclesBackToTheFullWidth() {
        Fixture f;
        f.items[0]->trigger();
        const int full = f.viewer->width();
        f.viewer->Widen();
        QVERIFY(f.viewer->width() < full);
        f.viewer->Widen();
        f.viewer->Widen();
        QCOMPARE(f.viewer->width(), full);
    }

    void theEditorGetsTheFileOrTheTextThroughTheClipboard() {
        Fixture f;
        f.items[2]->trigger();
        f.viewer->OpenInEditor();
        QCOMPARE(f.editor.started.back(), std::optional<std::string>((f.folder / "Doc_2.Txt").string()));

        f.viewer->ShowText(f.items[0], QStringLiteral("About"), Sjis("直接の説明"));
        f.viewer->OpenInEditor();
        QCOMPARE(f.editor.started.back(), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(f.clipboard.Text(), std::string("直接の説明"), 3000);

        f.editor.program = {"org.example.Missing.desktop", false};  // what was tried is named
        f.viewer->OpenInEditor();
        QVERIFY(f.dialogs.shown.back().text.starts_with("エディタを起動できません。"));
        QVERIFY(f.dialogs.shown.back().text.ends_with("  ＞ org.example.Missing.desktop"));
        QCOMPARE(f.editor.started.size(), std::size_t(2));
    }
};

QTEST_MAIN(BrowseWindowTest)
#include "browsewindow_test.moc"
