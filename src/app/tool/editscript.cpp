#include "app/tool/editscript.h"

#include <iostream>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include "edit/framedrop.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/sidefile.h"
#include "model/timeofday.h"

namespace mv {

Answer ScriptDialogs::Show(MessageKind kind, const std::string&, const std::string& text, Buttons,
                           Answer defaultAnswer) {
    if (kind == MessageKind::Error || kind == MessageKind::Warning) messages.push_back(MessageLines(text));
    if (kind == MessageKind::Information) notes.push_back(MessageLines(text));
    return defaultAnswer;
}

void ToolHost::NameAfterProcess() {
#ifdef _WIN32
    mSuffix = "." + std::to_string(_getpid());
#else
    mSuffix = "." + std::to_string(getpid());
#endif
}

EditScript::EditScript() : mIds(mHost), mDesign(mHost, mDialogs, mIds) {}

void EditScript::Start() {
    mContext.baseYear = mDesign.BaseYear();
    mContext.ids = &mIds;
    mWorking = std::make_unique<WorkingSet>(mDesign.Store(), mContext);
    mWorking->Build({mDesign.BaseYear(), 1, 1}, 0);
    mEdit = std::make_unique<EditContext>(mDesign, *mWorking, mHistory, static_cast<EditListener&>(*this),
                                          mShared.get());
}

bool EditScript::Load(const std::filesystem::path& path) {
    if (!mDesign.CheckDesignFile(path) || !mDesign.ReadDesignFile(path, true)) return false;
    // Named for the clipboard's block and for refusing to write a partial file over it.
    mDesign.SetPath(path);
    Start();
    return true;
}

bool EditScript::Join(const std::filesystem::path& path) {
    mHost.NameAfterProcess();
    mShared = std::make_unique<SharedMode>(mHost, mDialogs, mDesign, ProcessStamp(mHost));
    mShared->SetListener(this);
    mDesign.SetSharedMode(true);
    mDesign.SetPath(path);
    // As the window does with other sharers: every change is saved and sent at once, and
    // nothing is recorded to be taken back.
    mHistory.SetRecordingSuspended([this] { return OthersShare(); });
    if (!mDesign.CheckDesignFile(path)) return false;
    mShared->Housekeep(path, true);
    mRegistered = true;
    // Opening claims the holder line and may renew frame ids, writing the file each time:
    // under the side-file lock that cannot overwrite a change another sharer saves meanwhile.
    // (The design is given no sharing hooks: registering and releasing are done here, around
    // the lock.)
    const std::filesystem::path sidePath = SideFilePath(path);
    std::vector<std::string> lines = mShared->LockSideFile(sidePath);
    const bool opened = mDesign.OpenDesignFile(path);
    mShared->UnlockSideFile(sidePath, lines);
    if (!opened) return false;
    mShared->DesignRead();
    Start();
    mShared->SetWorkingSet(mWorking.get());
    mLastPoll = std::chrono::steady_clock::now();
    return true;
}

void EditScript::Leave() {
    if (!mRegistered) return;
    mRegistered = false;
    const std::filesystem::path path = mDesign.Path();
    // Releasing rewrites the design file: under the lock, as every shared save is.
    const std::filesystem::path sidePath = SideFilePath(path);
    std::vector<std::string> lines = mShared->LockSideFile(sidePath);
    mDesign.ReleaseHold(path);
    mShared->UnlockSideFile(sidePath, lines);
    mShared->Housekeep(path, false);
}

void EditScript::BaseYearNotified(int baseYearIndex) {
    mDesign.SetBaseYearIndex(baseYearIndex);
    mContext.baseYear = mDesign.BaseYear();
}

void EditScript::TakeInOthers() {
    if (!mShared) return;
    const auto now = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - mLastPoll).count();
    mLastPoll = now;
    mShared->Poll(static_cast<int>(elapsed));
    // What was recorded while this instance was alone no longer follows from the design once
    // others edit it too.
    if (OthersShare() && mHistory.CanUndo()) mHistory.Clear();
}

void EditScript::Run(const std::string& line) {
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty() || w[0][0] == '#') return;
    TakeInOthers();
    const std::string& verb = w[0];
    if ((verb == "move" || verb == "copy") && w.size() == 4) return Drop(w[1], GripKind::Body, verb == "copy", w[2], w[3], "");
    if (verb == "resize" && w.size() == 4) return Drop(w[1], GripKind::Bottom, false, "", w[2], w[3]);
    if (verb == "minute-step" && w.size() == 2) return MinuteStep(w[1]);
    if (verb == "year" && w.size() == 2) return Year(w[1]);
    if ((verb == "undo" || verb == "redo") && w.size() == 1 && OthersShare())
        Fail(verb + " is off while others share the design: their changes are saved with it");
    if ((verb == "undo" || verb == "redo") && w.size() == 1) {
        const int year = mDesign.BaseYearIndex(), step = mDesign.MinuteStepIndex();
        if (verb == "undo" ? !UndoNewest(*mEdit) : !RedoNewest(*mEdit)) Fail("nothing to " + verb);
        // A step on frames reports its dates itself; a setting taken back or brought back
        // names none and is saved here.
        if (mShared && year != mDesign.BaseYearIndex())
            mShared->NotifyChange(Date{}, Date{}, BaseYearComment(mDesign.BaseYearIndex()));
        else if (mShared && step != mDesign.MinuteStepIndex())
            mShared->SaveWithoutDates();
        return;
    }
    if (RunFrameCommand(w, line) || RunPropertyCommand(w, line) || RunBlockCommand(w)) return;
    if (verb == "history" && w.size() == 1) {
        std::cout << ToUtf8(mHistory.UndoCaption()) << '\n';
        return;
    }
    Fail("unknown command or wrong number of words: " + line);
}

Date EditScript::DateOf(const std::string& text) {
    auto date = ParseDate(text);
    if (!date || !IsValidDate(mDesign.BaseYear(), date->month, date->day)) Fail("not a date of the design: " + text);
    return {mDesign.BaseYear(), date->month, date->day};
}

int EditScript::TimeOf(const std::string& text) {
    const std::size_t colon = text.find(':');
    auto hours = colon == std::string::npos ? std::nullopt : ParseInt(text.substr(0, colon));
    auto minutes = colon == std::string::npos ? std::nullopt : ParseInt(text.substr(colon + 1));
    if (!hours || !minutes || *minutes < 0 || *minutes > 59 || text.size() - colon != 3) Fail("not a time HH:MM: " + text);
    const int hhmm = *hours * 100 + *minutes;
    if (hhmm < kDayStart || hhmm > kDayEnd) Fail("outside the day's 05:00 to 29:00: " + text);
    return hhmm;
}

EditScript::Named EditScript::FrameOf(const std::string& name) {
    const bool byId = name.rfind("id:", 0) == 0;
    const std::size_t at = name.find('@');
    if (!byId && at == std::string::npos) Fail("a frame is DATE@HH:MM or id:CID, not " + name);
    const std::string cid = byId ? FromUtf8(name.substr(3)) : std::string();
    const Date date = byId ? Date{} : DateOf(name.substr(0, at));
    const int start = byId ? 0 : TimeOf(name.substr(at + 1));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!byId && slot != SlotOfDate(date)) continue;
        for (const std::string& line : mDesign.Store().Slot(slot)) {
            // By id only the matching line is parsed: a script of many commands must not
            // read the whole design each time.
            if (byId && FindValue(line, "Ci_Cid", kSep) != std::optional<std::string_view>(cid)) continue;
            ParsedRecord parsed = ParseRecordLine(line, mContext);
            if (parsed.kind != ParsedRecord::Kind::Frame) continue;
            const TCInf& frame = *parsed.frame;
            if (byId ? frame.Cid == cid : frame.StoredSTime() == start)
                return {frame.CDate, frame.Cid, frame.StoredSTime(), frame.StoredETime()};
        }
    }
    Fail("no such frame: " + name);
}

void EditScript::Drop(const std::string& name, GripKind grip, bool copy, const std::string& date,
                      const std::string& first, const std::string& second) {
    const Named frame = FrameOf(name);
    FrameDrop drop{frame.date, frame.cid, grip, copy, {}, TimeOf(first), 0, {}, {}};
    if (grip == GripKind::Body) {
        drop.targetDate = DateOf(date);
        drop.end = AddMinutes(drop.start, MinutesBetween(frame.start, frame.end));
        if (drop.end > kDayEnd) Fail("the frame would end after 29:00");
    } else {
        drop.end = TimeOf(second);
    }
    mDialogs.messages.clear();
    if (CommitFrameDrop(*mEdit, mDialogs, mIds, drop) != DropResult::Done)
        Fail(mDialogs.messages.empty() ? std::string("not done") : mDialogs.messages.back());
}

void EditScript::MinuteStep(const std::string& text) {
    auto minutes = ParseInt(text);
    if (!minutes || *minutes < 1 || *minutes > 60) Fail("the minute unit is 1 to 60, not " + text);
    if (*minutes - 1 == mDesign.MinuteStepIndex()) return;
    mHistory.RecordSetting(HistoryKind::MinuteStep, mDesign.MinuteStepIndex(), Sjis("枠移動の分単位"));
    mDesign.SetMinuteStepIndex(*minutes - 1);
    mDesign.SetModified(true);
    if (mShared) mShared->SaveWithoutDates();
}

void EditScript::Year(const std::string& text) {
    auto year = ParseInt(text);
    if (!year || *year < kFirstBaseYear || *year > kFirstBaseYear + kLastBaseYearIndex)
        Fail("the year is 1990 to 2100, not " + text);
    if (*year == mDesign.BaseYear()) return;
    mHistory.RecordSetting(HistoryKind::BaseYear, mDesign.BaseYearIndex(), Sjis("表示年"));
    mDesign.SetBaseYearIndex(*year - kFirstBaseYear);
    mContext.baseYear = mDesign.BaseYear();
    mDesign.SetModified(true);
    if (mShared) mShared->NotifyChange(Date{}, Date{}, BaseYearComment(mDesign.BaseYearIndex()));
}

}  // namespace mv
