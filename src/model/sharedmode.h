#pragma once
// Shared mode: several instances, on one machine or on several reaching the same folder,
// edit one design file together. Every change is saved at once and announced in the side
// file beside the design file; every instance polls the side file, takes in the changes of
// the others from the design file and marks them seen; a notification goes once every
// sharer has seen it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/date.h"
#include "model/designfile.h"
#include "model/sidefile.h"

namespace mv {

class Dialogs;
class Host;
class WorkingSet;

inline constexpr int kPollIntervalMs = 3000;  // the window's polling timer
inline constexpr int kRefreshMs = 180000;     // sharer line refresh, well inside the 5-minute purge
inline constexpr int kLockAttempts = 11;
inline constexpr int kLockRetryMs = 300;
inline constexpr int kBusyWaitMs = 10;

// What shared mode asks of the window. Calls arrive while the side file is locked: a
// handler must not call NotifyChange.
class SharedModeListener {
public:
    virtual ~SharedModeListener() = default;
    // The line-store slots of these dates were reloaded from the design file: LoadDay each
    // of them that is in view, then lay out and redraw the view.
    virtual void DaysReloaded(const std::vector<Date>& dates) = 0;
    // Another sharer chose this base year: select it, marked as changed by a notification
    // so that it is not announced again, and run the base-year change.
    virtual void BaseYearNotified(int baseYearIndex) = 0;
    // The design was read again: rebuild the view at the start date it had, position the
    // date scroll bar, update the caption and the shared-mode indicators.
    virtual void DesignReRead() {}
    // True during a long operation of the window; a poll tick then leaves the side file
    // for the next tick.
    virtual bool WindowBusy() const { return false; }
    // While a poll works through the side file the window's menus, panels and picture are
    // disabled.
    virtual void SetBusyMark(bool /*busy*/) {}
    // Busy cursor (and a repaint of the picture) while a change is saved and announced.
    virtual void SetBusyCursor(bool /*busy*/) {}
};

class SharedMode : public SharingHooks {
public:
    // `instanceStamp` is the ProcessStamp the window took when it was created; it names this
    // instance in the side file.
    SharedMode(Host& host, Dialogs& dialogs, DesignDocument& design, std::string instanceStamp);

    void SetListener(SharedModeListener* listener) { mListener = listener; }
    // The working set whose dates NotifyChange stores before saving.
    void SetWorkingSet(WorkingSet* workingSet) { mWorkingSet = workingSet; }

    const std::string& InstanceStamp() const { return mStamp; }
    // Sharer lines last seen; what the window shows as "共有 (n)".
    int SharerCount() const { return mSharerCount; }
    // A design is open and shared mode is on.
    bool Active() const;

    // The side file's lines with this instance's lock taken (waiting up to 11 attempts 300
    // ms apart, then taking it over); stale sharers and this machine's stale notifications
    // are purged.
    std::vector<std::string> LockSideFile(const std::filesystem::path& sidePath);
    // Writes the lines back with the lock free, or deletes the side file when only the lock
    // line is left.
    void UnlockSideFile(const std::filesystem::path& sidePath, std::vector<std::string>& lines);
    // Adds or refreshes (on) or removes (off) this instance's sharer line.
    void Register(const std::filesystem::path& designPath, bool on);
    // Deletes a side file untouched for 30 minutes, registers or unregisters, and tidies.
    void Housekeep(const std::filesystem::path& designPath, bool on) override;

    // The change report of every edit: stores the dates' frames into the line store, saves
    // the design file and, with other sharers, posts one notification per date (or one for
    // the range). A comment made by BaseYearComment announces the base year instead.
    void NotifyChange(const std::vector<Date>& dates, std::string_view comment);
    // `last` unset (Date{}) means the first date only.
    void NotifyChange(const Date& first, const Date& last, std::string_view comment);

    // The polling timer's tick: refreshes the sharer line every 180 s and, when the side
    // file changed, takes in the changes of the others.
    void Poll(int elapsedMs = kPollIntervalMs);

    // Re-opens the design file (the window then restores its view).
    void ReRead();
    // The menu commands: ask, then switch the mode (and re-read) or re-read. False when
    // cancelled.
    bool SwitchModeCommand();
    bool ReReadCommand();

private:
    struct Change {
        Date first, last;  // last unset for a single date
    };
    struct TakeInResult {
        int sharers = 0;
        bool designUnreadable = false;
    };

    void Announce(const std::vector<Change>& changes, std::string_view comment, const SlotSet& touched);
    TakeInResult TakeInChanges(std::vector<std::string>& lines, const SlotSet& excluded, bool withBaseYear);
    void Reload(const SlotSet& wanted, const std::vector<Date>& dates, const std::vector<std::string>& designLines);
    void DeleteSeenByEverySharer(std::vector<std::string>& lines) const;
    bool SideFileUnchanged(const std::filesystem::path& sidePath, std::filesystem::file_time_type time);
    void RememberSideFile(const std::filesystem::path& sidePath, const std::vector<std::string>& lines);
    void WaitWhile(const bool& flag);

    Host& mHost;
    Dialogs& mDialogs;
    DesignDocument& mDesign;
    std::string mStamp;
    SharedModeListener* mListener = nullptr;
    WorkingSet* mWorkingSet = nullptr;
    int mSharerCount = 0;

    // What the last poll left in the side file, to tell whether anything changed since.
    std::optional<std::filesystem::file_time_type> mLastSeenTime;
    std::string mLastSeenBytes;
    bool mLastSeenSettled = false;
    int mElapsedMs = 0;

    bool mSideBusy = false;   // taking the side-file lock
    bool mPolling = false;
    bool mNotifying = false;
};

}  // namespace mv
