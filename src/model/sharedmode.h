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
#include "model/framemerge.h"
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
    // These line-store slots were reloaded from the design file, or merged with it before a
    // save: re-create the frames of every shown date on one of them (a slot holds its month
    // and day in every year, so a view across the year end may show it under another year's
    // date than the change named), then lay out and redraw the view.
    virtual void DaysReloaded(const SlotSet& slots) = 0;
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

// One entry of a change report: a single date (`last` unset), or a range from `first` to
// `last`, with the comment that names the operation; a comment made by BaseYearComment
// announces the base year instead and names no date.
struct DateChange {
    Date first;
    Date last;
    std::string comment;
    friend bool operator==(const DateChange&, const DateChange&) = default;
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

    // Remembers what each slot holds as read, the base against which the next saves merge.
    void DesignRead() override;

    // The change report of every edit, in one call however many dates and ranges it touched:
    // stores the shown dates' frames into the line store, takes in what other sharers saved
    // meanwhile (merging the touched dates frame by frame), saves the design file once and,
    // with other sharers, posts one notification per date and per range.
    void NotifyChanges(const std::vector<DateChange>& changes);
    // The same for dates with one comment (one notification per date).
    void NotifyChange(const std::vector<Date>& dates, std::string_view comment);
    // The same for one range; `last` unset (Date{}) means the first date only.
    void NotifyChange(const Date& first, const Date& last, std::string_view comment);
    // A change of the design that names no date and that other sharers need not take in at
    // once (the minute unit): takes in what they saved meanwhile and saves the design file,
    // under the side-file lock, announcing nothing.
    // False when the file could not be written (the design file said why).
    bool SaveWithoutDates();

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
    struct TakeInResult {
        int sharers = 0;
        bool designUnreadable = false;
        // The design file, when unseen notifications made it worth reading: its bytes and
        // its lines as views into them (only a few lines are copied out of a large file).
        std::optional<std::string> designBytes;
        std::vector<std::string_view> designLines;

        TakeInResult() = default;
        TakeInResult(const TakeInResult&) = delete;  // the views point into the bytes
        TakeInResult& operator=(const TakeInResult&) = delete;
    };

    // True when the design file was written.
    bool Announce(const std::vector<DateChange>& changes, const SlotSet& touched);
    void TakeInChanges(std::vector<std::string>& lines, const SlotSet& excluded, bool withBaseYear,
                       TakeInResult& result);
    // Merges the touched slots with the design file's lines; the slots that changed.
    SlotSet MergeTouched(const SlotSet& touched, const std::vector<std::string_view>& designLines);
    void Reload(const SlotSet& wanted, const std::vector<std::string_view>& designLines);
    void RememberBase(const SlotSet& slots);
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
    // Per slot, the lines as this instance last read or saved them: what a save merges
    // against. Only kept in shared mode.
    std::vector<LineList> mBase;
    SlotSet mBaseKnown;

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
