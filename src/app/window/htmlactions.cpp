#include "app/window/htmlactions.h"

#include "app/window/timetablewindow.h"
#include "io/html/htmlpage.h"
#include "io/html/htmlviewsource.h"
#include "model/programfolders.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"

namespace mv {

namespace {

constexpr const char* kPageName = "Marovelantis.html";
constexpr const char* kHtmlFilter = "(*.html;*htm)|*.html;*htm|(*.*)|*.*";

}  // namespace

void HtmlActions::Mn_HtmlSaveClick() {
    if (mWindow.IsBusy()) return;
    DesignSession& session = mWindow.Session();
    std::string proposed = session.Settings().Path_Html;
    if (proposed.empty()) proposed = PathText(DocumentFolder(session.HostRef()) / kPageName);
    std::string filter = kHtmlFilter;
    const std::string extension = PathText(PathFromText(proposed).extension());
    if (!extension.empty() && extension != ".") filter = "(*" + extension + ")|*" + extension + "|" + filter;
    const auto name = session.Files().ChooseSave({"ＨＴＭＬ形式で指定のファイル名で出力します。", filter, proposed});
    if (!name || name->empty()) return;
    session.Settings().Path_Html = *name;
    if (ConvertToHtml(PathFromText(*name), false))
        session.DialogsRef().Information(kConfirmCaption, "表示内容をＨＴＭＬ形式で出力しました。\r\n\r\n    PATH = " + *name);
}

void HtmlActions::Mn_HtmlExecClick() {
    if (mWindow.IsBusy()) return;
    BusyScope busy(mWindow);
    ConvertToHtml(OwnFilesFolder(mWindow.Session().HostRef()) / kPageName, true);
}

bool HtmlActions::ConvertToHtml(const std::filesystem::path& path, bool open) {
    DesignSession& session = mWindow.Session();
    const ViewState& view = session.View();
    HtmlViewState state;
    state.timeDisplay = view.timeDisplay;
    state.dateDisplay = view.dateDisplay;
    state.editKind = view.editKind;
    state.title = session.Design().Title();
    state.creationText = HtmlCreationText(session.HostRef().Now());
    const std::string page = BuildHtmlPage(
        HtmlSourceFromView(mWindow.Layout(), mWindow.Boxes(), state, session.Settings(), mWindow.HolidayDays()));
    if (!WriteHtmlPage(path, page, session.HostRef())) {
        session.DialogsRef().Error(kProgramName, WriteFailedText(PathText(path)));
        return false;
    }
    if (open && !mOpener->OpenDocument(path))
        session.DialogsRef().Information(kConfirmCaption, "通常使用するブラウザを起動できませんでした。");
    return true;
}

}  // namespace mv
