#include "app/window/blockactions.h"

#include "app/window/timetablewindow.h"
#include "edit/blockcommands.h"
#include "edit/widgets/loadwindow.h"
#include "model/codec.h"
#include "model/programfolders.h"
#include "platform/filechooser.h"

namespace mv {

BlockActions::BlockActions(TfrmTimeTable_01& window, std::unique_ptr<Clipboard> clipboard)
    : mWindow(window), mClipboard(std::move(clipboard)), mLoadWindow(new TfrmMvfFileGet(&window)) {
    mLoadWindow->chooseFile = [this]() -> std::optional<std::string> {
        return mWindow.Session().Files().ChooseOpen(
            {"読み込むデザインファイルを選択して下さい。", "(*.MVF)|*.MVF|(*.*)|*.*", DialogStart()});
    };
    mLoadWindow->load = [this](const std::string& path, bool atFileDates) { Load(path, atFileDates); };
    // While the load window is shown it takes the dropped files.
    mLoadWindow->shownChanged = [this](bool shown) { mWindow.setAcceptDrops(!shown); };
}

BlockActions::~BlockActions() = default;

BlockSeams BlockActions::Seams() {
    DesignSession& session = mWindow.Session();
    return BlockSeams{session.DialogsRef(), session.Ids(), mClipboard.get(), &session.Files(), &session.HostRef()};
}

bool BlockActions::ClipboardHoldsBlock() const { return mv::ClipboardHoldsBlock(*mClipboard); }

void BlockActions::ReadClipboard(std::optional<Date> target) {
    if (!target || mWindow.IsBusy()) return;
    ReadClipboardBlock(mWindow.Edit(), Seams(), *target);
}

void BlockActions::ClearClipboard() { ClearClipboardBlock(Seams()); }

void BlockActions::PutChosen() { PutChosenOnClipboard(mWindow.Edit(), Seams()); }

void BlockActions::PutDays(const Date& first, const Date& last) {
    PutDaysOnClipboard(mWindow.Edit(), Seams(), first, last, mWindow.Session().Design().Path());
}

std::string BlockActions::DialogStart() {
    DesignSession& session = mWindow.Session();
    const std::string& last = session.Settings().Path_SelectDesign;
    if (!last.empty()) return last;
    return (DocumentFolder(session.HostRef()) / "*.MVF").string();
}

void BlockActions::SaveChosen() {
    DesignSession& session = mWindow.Session();
    std::string path = DialogStart();
    if (SaveChosenAsFile(mWindow.Edit(), Seams(), path, session.Design().Path()))
        session.Settings().Path_SelectDesign = path;
}

void BlockActions::SaveDays(const Date& first, const Date& last) {
    DesignSession& session = mWindow.Session();
    std::string path = DialogStart();
    if (SaveDaysAsFile(mWindow.Edit(), Seams(), first, last, path, session.Design().Path()))
        session.Settings().Path_SelectDesign = path;
}

void BlockActions::ShowLoadWindow() { mLoadWindow->Open(); }

void BlockActions::Load(const std::string& path, bool atFileDates) {
    DesignSession& session = mWindow.Session();
    session.Settings().Path_SelectDesign = path;
    const std::optional<Date> target = atFileDates ? std::nullopt : mWindow.PressedDate();
    if (!atFileDates && !target) return;
    const std::optional<Date> earliest =
        LoadDesignFile(mWindow.Edit(), Seams(), std::filesystem::u8path(path), target);
    // Read at its own dates, the file's first day is brought into view.
    if (earliest && atFileDates) mWindow.Navigation().SetStartDate(AddDays(*earliest, -1), true);
}

}  // namespace mv
