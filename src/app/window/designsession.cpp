#include "app/window/designsession.h"

#include <algorithm>

#include "io/csv/csvformat.h"
#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/programfolders.h"
#include "model/sidefile.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "platform/host.h"
#include "view/geometry/displaytype.h"
#include "view/geometry/yeardates.h"

namespace mv {

namespace {

const std::string kSaveQuestion = "内容が変更されています。\r\r編集内容を保存しますか？\r\r";
const std::string kSaveTitle = "指定のファイル名でデザインファイルを保存します。";
const std::string kDesignFilter = "(*.MVF)|*.MVF";

bool IsCsvPath(const std::string& path) {
    std::string extension = PathFromText(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".CSV";
}

Date Today(const Host& host) {
    ClockTime now = host.Now();
    return {now.year, now.month, now.day};
}

}  // namespace

std::filesystem::path PathFromText(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

DesignSession::DesignSession(Host& host, Dialogs& dialogs, FileChooser& files, std::filesystem::path settingsPath)
    : mHost(host),
      mDialogs(dialogs),
      mFiles(files),
      mSettingsPath(std::move(settingsPath)),
      mIds(host),
      mDesign(host, dialogs, mIds),
      mWorking(mDesign.Store(), mContext) {}

void DesignSession::Create() {
    mInstanceStamp = ProcessStamp(mHost);
    mSettings = DefaultSettings(Today(mHost));
    mSettingsReadable = LoadSettings(mSettingsPath, mHost, mSettings);
    mDesign.SetDeferMessages(true);
    mSharing = std::make_unique<SharedMode>(mHost, mDialogs, mDesign, mInstanceStamp);
    mSharing->SetListener(this);
    mSharing->SetWorkingSet(&mWorking);
    mDesign.SetSharingHooks(mSharing.get());
    mDesign.SetSharedMode(mSettings.Mnx_ShareMode);
    // With other sharers every change is saved and sent at once; nothing can be taken back.
    mHistory.SetRecordingSuspended([this] { return SharedModeOn() && SharerCount() > 1; });

    mView.displayType = NormalizeDisplayType(mSettings.Edit_Type);
    mView.start = Today(mHost);
    if (mSettings.Cmb_DispDate == 1) mView.start = AddDays(mView.start, -1);
    mView.scale.horizontal = mSettings.GV_DRate;
    mView.scale.vertical = mSettings.GV_TRate;
    mView.scale.dateWidthIndex = std::clamp(mSettings.GV_DateW, 0, kSizeListItems - 1);
    mView.scale.timeHeightIndex = std::clamp(mSettings.GV_TimeH, 0, kSizeListItems - 1);
    mView.timeDisplay = mSettings.GV_TimeDisp;
    mView.dateDisplay = mSettings.GV_DateDisp;
    mView.editKind = mSettings.GV_EditKind;

    ApplyFrameDefaults();
    mContext.baseYear = mDesign.BaseYear();
}

void DesignSession::ApplyFrameDefaults() {
    mContext.defaults.backgroundColour = mSettings.DefaultWakuBC;
    mContext.defaults.beginPointSize = mSettings.Cmb_BeginFS + 1;
}

void DesignSession::SetShown(bool shown) {
    mShown = shown;
    mDesign.SetDeferMessages(!shown);
}

void DesignSession::FirstShow() {
    mDesign.SetPath({});
    if (mSettings.Cmb_BeginRead == 1) OpenFile(ToUtf8(mSettings.Path_Design), true);
    else if (mListener) mListener->DesignStateChanged();
}

void DesignSession::StartupTick(const std::string& parameter) {
    if (!parameter.empty()) OpenParameter(parameter, false);
}

std::string DesignSession::DesignPathText() const { return PathText(mDesign.Path()); }

void DesignSession::SetDesignPath(const std::string& path) {
    mDesign.SetPath(PathFromText(path));
    mSettings.Path_Design = FromUtf8(path);
}

void DesignSession::RebaseStartDate() { mView.start = RebaseIntoYear(mView.start, mDesign.BaseYear()); }

void DesignSession::LoadViewRange() {
    mContext.baseYear = mDesign.BaseYear();
    RebaseStartDate();
    mWorking.Build(mView.start, DisplayTypeOf(mView.displayType).columns);
    mWorking.LoadView();
}

void DesignSession::CommitView() { mWorking.CommitView(mDesign.Modified()); }

void DesignSession::OpenFile(const std::string& path, bool rebuild) {
    std::optional<int> row;
    if (!IsCsvPath(path)) {
        if (!path.empty() && mDesign.CheckDesignFile(PathFromText(path))) {
            // A save renews the holder stamp and forgets the held file, so the design being
            // left is released here: otherwise it would stay marked as in use by this
            // instance, and this instance would stay listed as one of its sharers.
            // (While the held file is still remembered, opening releases it itself.)
            if (!mDesign.Path().empty() && mDesign.Path() != PathFromText(path) && mDesign.HeldPath() != mDesign.Path())
                mDesign.ReleaseHold(mDesign.Path());
            SetDesignPath(path);
            mDesign.OpenDesignFile(PathFromText(path));
        }
        if (mSettings.Cmb_DispDate == 2 && mSettings.Base_Date.year > 0) mView.start = mSettings.Base_Date;
    } else {
        if (!mCsvOpener) return;
        row = mCsvOpener->ImportCsvFile(path);
        if (!row) return;
    }
    SetModified(false);
    if (mListener) mListener->DesignStateChanged();
    if (rebuild && mListener) mListener->RebuildView();
    if (mListener) mListener->DesignLoaded();
    if (mListener) mListener->ScrollToRow(row.value_or(mSettings.Cmb_BeginTime));
}

std::optional<std::string> DesignSession::ChooseSaveName(const std::string& initial, const std::string& title) {
    std::string initialFile = initial;
    if (initialFile.empty()) initialFile = DesignPathText();
    if (initialFile.empty()) initialFile = PathText(DocumentFolder(mHost) / "*.MVF");
    auto name = mFiles.ChooseSave({title, kDesignFilter + "|(*.*)|*.*", initialFile});
    if (!name || name->empty()) return std::nullopt;
    if (!PathFromText(*name).has_extension()) *name += ".MVF";
    return name;
}

bool DesignSession::SaveCommand(bool silent) {
    const std::string previousPath = DesignPathText();
    const std::string previousSetting = mSettings.Path_Design;
    if (!previousPath.empty() && !mDesign.SharedMode() && !silent) {
        std::string question = "編集中の内容を上書き保存します。\r\r     PATH = " + previousPath + "\r\r" +
                               "よろしいですか？" + "\r\r";
        if (mDialogs.Show(MessageKind::Question, kConfirmCaption, question, Buttons::YesNo, Answer::Yes) !=
            Answer::Yes)
            return false;
    }
    if (previousPath.empty()) {
        auto name = ChooseSaveName("", kSaveTitle);
        if (!name) return false;
        SetDesignPath(*name);
    }
    CommitView();
    if (!mDesign.CheckBeforeSave(mDesign.Path())) {
        mDesign.SetPath(PathFromText(previousPath));
        mSettings.Path_Design = previousSetting;
        return false;
    }
    if (mSharing->Active()) {
        // Others may have saved since the last poll: their changes are taken in under the
        // side-file lock before the file is written, or this save would overwrite them.
        if (!mSharing->SaveWithoutDates()) return false;
    } else if (!mDesign.SaveDesignFile(mDesign.Path(), true)) {
        // A failed write was reported by the design file; the edits stay marked unsaved.
        return false;
    }
    SetModified(false);
    if (mListener) mListener->DesignStateChanged();
    return true;
}

bool DesignSession::OfferToSave() {
    if (!Modified()) return true;
    if (mDesign.SharedMode()) return SaveCommand(true);
    if (mDialogs.Show(MessageKind::Question, kConfirmCaption, kSaveQuestion, Buttons::YesNo, Answer::Yes) ==
        Answer::Yes)
        return SaveCommand(true);
    return true;
}

void DesignSession::OpenCommand() {
    if (!OfferToSave()) return;
    std::string initialFile = DesignPathText();
    if (initialFile.empty()) initialFile = PathText(DocumentFolder(mHost) / "*.MVF");
    auto chosen = mFiles.ChooseOpen(
        {"指定のデザインファイルを開きます。", kDesignFilter + "|(*.csv)|*.csv|(*.*)|*.*", initialFile});
    if (chosen) OpenFile(*chosen, true);
}

void DesignSession::SaveAsCommand() {
    auto name = ChooseSaveName(DesignPathText(), kSaveTitle);
    if (!name || !mDesign.CheckBeforeSave(PathFromText(*name))) return;
    CommitView();
    const std::filesystem::path previousPath = mDesign.Path();
    const std::string previousSetting = mSettings.Path_Design;
    const std::string previousStamp = mDesign.OwnStamp();
    SetDesignPath(*name);
    if (!mDesign.SaveDesignFile(mDesign.Path(), true)) {
        mDesign.SetPath(previousPath);
        mSettings.Path_Design = previousSetting;
        return;
    }
    // The file left behind is no longer edited here: released, so that its next opener is not
    // told it is in use by this instance's old stamp.
    if (!previousPath.empty() && previousPath != mDesign.Path()) mDesign.ReleaseHold(previousPath, previousStamp);
    if (mSharing->Active()) {
        mSharing->Housekeep(mDesign.Path(), true);
        mSharing->DesignRead();
    }
    SetModified(false);
    if (mListener) mListener->DesignStateChanged();
    mDialogs.Information(kConfirmCaption, "デザインファイルを保存しました。\r\r\r     PATH = " + *name + "\r\r");
}

void DesignSession::CreateCommand() {
    if (Modified()) {
        if (mDialogs.Show(MessageKind::Question, kConfirmCaption, kSaveQuestion, Buttons::YesNo, Answer::Yes) ==
                Answer::Yes &&
            !SaveCommand(true))
            return;
    }
    auto name = ChooseSaveName(DesignPathText(), "指定のファイル名で新しい空のデザインファイルを作成します。");
    if (!name) return;
    if (!mDesign.CreateEmptyDesignFile(PathFromText(*name))) return;
    mDesign.SetBaseYearIndex(mHost.Now().year - kFirstBaseYear);
    OpenFile(*name, true);
    mDialogs.Information(kConfirmCaption,
                         "新しい空のデザインファイルを作成しました。\r\r\r     PATH = " + *name + "\r\r");
}

void DesignSession::OpenParameter(const std::string& text, bool announce) {
    if (mListener) mListener->BringToFront();
    mCaptionOverride.clear();
    mCsvMonitor = false;
    // The parameter arrives as the system gives it (UTF-8 here); the option keys are ASCII.
    std::vector<std::string> fields = SplitCsvLine(text);
    if (fields.empty()) return;
    const std::string path = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) {
        std::string field(Trim(fields[i]));
        GetText(field, "Key:Caption", kPlain, mCaptionOverride);
        GetBool(field, "Key:CsvMonitor", kPlain, mCsvMonitor);
    }
    if (!IsCsvPath(path)) {
        if (mDesign.CheckDesignFile(PathFromText(path))) {
            OpenFile(path, true);
            if (announce)
                mDialogs.Information(kConfirmCaption, "指定のデザインファイルを読み込みました。\r\n\r\n   PATH = " + path);
        }
    } else {
        if (!mDesign.Path().empty()) mDesign.ReleaseHold(mDesign.Path());
        mCsvPath = path;
        if (mCsvOpener) mCsvOpener->MonitorCsvFile(path, mCsvMonitor);
    }
    if (mListener) mListener->DesignStateChanged();
}

bool DesignSession::CanClose() {
    while (Modified()) {
        Answer answer = mDesign.SharedMode()
                            ? Answer::Yes
                            : mDialogs.Show(MessageKind::Question, kConfirmCaption, kSaveQuestion,
                                            Buttons::YesNoCancel, Answer::Yes);
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::No) return true;
        if (SaveCommand(false)) return true;
        // A shared design that cannot be saved would ask nobody and loop forever.
        if (mDesign.SharedMode()) return true;
    }
    return true;
}

void DesignSession::Close(bool maximised) {
    if (!mDesign.Path().empty()) {
        mSharing->Register(mDesign.Path(), false);
        mDesign.ReleaseHold(mDesign.Path());
        mSharing->Register(mDesign.Path(), false);
    }
    mSettings.Mnx_ShareMode = mDesign.SharedMode();
    mSettings.Base_Date = mView.start;
    mSettings.Edit_Type = mView.displayType;
    mSettings.GV_DRate = mView.scale.horizontal;
    mSettings.GV_TRate = mView.scale.vertical;
    mSettings.GV_DateW = mView.scale.dateWidthIndex;
    mSettings.GV_TimeH = mView.scale.timeHeightIndex;
    mSettings.GV_TimeDisp = mView.timeDisplay;
    mSettings.GV_DateDisp = mView.dateDisplay;
    mSettings.GV_EditKind = mView.editKind;
    mSettings.Max_TimeTable_01 = maximised;
    // A settings file that exists but could not be read is left as it is rather than
    // replaced by this session's defaults.
    if (!mSettingsReadable)
        mDialogs.Error(kProgramName, "設定ファイルを読み込めなかったため、設定は保存しませんでした。\r\r\r     PATH = " +
                                         PathText(mSettingsPath) + "\r\r");
    else if (!SaveSettings(mSettingsPath, mSettings, mHost))
        mDialogs.Error(kProgramName,
                       "設定ファイルの書き込みに失敗しました。\r\r\r     PATH = " + PathText(mSettingsPath) + "\r\r");
}

std::string DesignSession::Caption() const {
    if (!mCaptionOverride.empty()) return mCaptionOverride;
    return kProgramName + "   " + std::string(kVersionText) + "  [ " + DesignPathText() + " ]";
}

bool DesignSession::SaveButtonEnabled() const {
    // With other sharers every change is saved at once; there is nothing to save by hand.
    if (SharedModeOn() && SharerCount() > 1) return false;
    return Modified();
}

void DesignSession::ChangeBaseYear(int index) {
    if (index == mDesign.BaseYearIndex()) return;
    mHistory.RecordSetting(HistoryKind::BaseYear, mDesign.BaseYearIndex(), Sjis("表示年"));
    CommitView();
    mDesign.SetBaseYearIndex(index);
    SetModified(true);
    if (mListener) mListener->RebuildView();
    if (mSharing->Active()) mSharing->NotifyChange(mView.start, Date{}, BaseYearComment(index));
}

void DesignSession::ChangeMinuteStep(int index) {
    if (index == mDesign.MinuteStepIndex()) return;
    mHistory.RecordSetting(HistoryKind::MinuteStep, mDesign.MinuteStepIndex(), Sjis("枠移動の分単位"));
    mDesign.SetMinuteStepIndex(index);
    SetModified(true);
}

void DesignSession::DaysReloaded(const SlotSet& slots) {
    mWorking.LoadSlots(slots);
    if (mListener) mListener->FramesChanged();
}

void DesignSession::BaseYearNotified(int baseYearIndex) {
    if (baseYearIndex == mDesign.BaseYearIndex()) return;
    CommitView();
    mDesign.SetBaseYearIndex(baseYearIndex);
    if (mListener) {
        mListener->RebuildView();
        mListener->DesignStateChanged();
    }
}

void DesignSession::DesignReRead() {
    if (!mListener) return;
    mListener->RebuildView();
    mListener->DesignStateChanged();
    mListener->DesignLoaded();
}

bool DesignSession::WindowBusy() const { return mListener && mListener->IsBusy(); }

void DesignSession::SetBusyMark(bool busy) {
    if (mListener) mListener->SetBusy(busy);
}

void DesignSession::SetBusyCursor(bool busy) {
    if (mListener) mListener->SetBusy(busy);
}

}  // namespace mv
