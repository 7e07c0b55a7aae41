#include "app/window/helpactions.h"

#include <QMenu>

#include "app/window/blockactions.h"
#include "app/window/timetablewindow.h"
#include "auxiliary/widgets/browsewindow.h"
#include "model/codec.h"
#include "model/programfolders.h"
#include "model/textfile.h"
#include "platform/shellopen.h"
#include "platform/texteditor.h"

namespace mv {

namespace {

struct HelpItem {
    const char* name;
    const char* file;
};
constexpr HelpItem kHelpItems[] = {
    {"Mn_Help_Marovelantis", "Doc_Marovelantis_About.txt"}, {"Mn_Help_Begin", "Doc_Marovelantis_Begin.Txt"},
    {"Mn_Help_Guide1", "Doc_Marovelantis_Guide1.Txt"},      {"Mn_Help_Guide2", "Doc_Marovelantis_Guide2.Txt"},
    {"Mn_Help_Guide3", "Doc_Marovelantis_Guide3.Txt"},      {"Mn_Help_Guide4", "Doc_Marovelantis_Guide4.Txt"},
    {"Mn_Help_Import", "Doc_Marovelantis_Import.Txt"},      {"Mn_Help_Export", "Doc_Marovelantis_Export.Txt"},
    {"Mn_Help_Import_Easy", "Doc_Marovelantis_Import_Easy.Txt"},
    {"Mn_Help_History", "Doc_Marovelantis_History.Txt"}};

// The program's description, the first help text.
const std::vector<std::string>& AboutLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> utf8 = {
            "",
            "  マロベランティス２    Ver 3.09",
            "",
            "  日付の列と 05:00 から 29:00 までの時刻の行に、日時の決まった枠を配置して",
            "  時間割・番組表・予定表をデザインするプログラムです。",
            "",
            "  ・デザインは１年分を１つのファイル (.MVF, Shift-JIS) に保存します。",
            "  ・共有フォルダ上の同じデザインファイルを複数のパソコンで同時に編集できます。",
            "  ・印刷、HTML・CSV への書き出し、CSV からの取り込みができます。",
            "  ・編集は「元に戻す」「やり直す」で何段階でも取り消せます。",
            "  ・marovelantis-tool で、同じ編集や書き出しをコマンドラインから行えます。",
            "",
            "  [ 免責事項 ]",
            "    このプログラムの使用によって生じたいかなる損害についても、",
            "    作者は責任を負いません。大切なデザインファイルは定期的に",
            "    バックアップを取って下さい。",
            "",
            "  [ 初版 ]",
            "    マロベランティス２  初版",
            ""};
        std::vector<std::string> sjis;
        for (const std::string& line : utf8) sjis.push_back(Sjis(line));
        return sjis;
    }();
    return lines;
}

}  // namespace

HelpActions::HelpActions(TfrmTimeTable_01& window, QMenu& help, std::unique_ptr<ShellOpen> shell,
                         std::unique_ptr<TextEditor> editor)
    : QObject(&window), mWindow(window), mShell(shell ? std::move(shell) : std::make_unique<QtShellOpen>()) {
    DesignSession& session = window.Session();
    mEditor = editor ? std::move(editor) : std::make_unique<SystemTextEditor>(session.HostRef().ProgramFolder());
    const BrowseSeams seams{session.DialogsRef(), session.Files(),           *mShell,
                            *mEditor,             window.Blocks().SystemClipboard(), session.HostRef(),
                            session.Settings().GPB, "Marovelantis"};
    mViewer = new TFm_Browse(seams, &window);
    mViewer->SetBaseCaption(QStringLiteral("マロベランティス２  Browse"));
    const std::filesystem::path helpFolder = HelpTextFolder(session.HostRef());
    for (const HelpItem& entry : kHelpItems) {
        QAction* item = help.findChild<QAction*>(QString::fromUtf8(entry.name));
        if (!item) continue;
        item->setEnabled(true);
        mViewer->RegisterEntry(&help, &help, item);
        const std::filesystem::path path = helpFolder / entry.file;
        const bool about = std::string_view(entry.name) == "Mn_Help_Marovelantis";
        connect(item, &QAction::triggered, this, [this, item, path, about] {
            if (about) return ShowAbout(item);
            mViewer->ShowFile(item, {}, false, path);
        });
    }
}

HelpActions::~HelpActions() = default;

void HelpActions::ShowAbout(QAction* item) {
    Host& host = mWindow.Session().HostRef();
    // Written where the program may write; should even that fail, the text is shown as it is.
    const std::filesystem::path path = OwnFilesFolder(host) / "Doc_Marovelantis_About.txt";
    if (WriteLines(path, AboutLines(), host)) {
        mViewer->ShowFile(item, {}, false, path);
        return;
    }
    std::string text;
    for (const std::string& line : AboutLines()) text += line + "\r\n";
    mViewer->ShowText(item, {}, text);
}

}  // namespace mv
