#include "model/sharedmode.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <tuple>

#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/textfile.h"
#include "model/workingset.h"
#include "platform/dialogs.h"
#include "platform/host.h"

namespace mv {

namespace fs = std::filesystem;

namespace {

// File systems keep modification times as coarsely as 2 seconds (FAT) and never finer
// than the kernel's clock tick, so two writes close together can carry the same time.
constexpr auto kTimeResolution = std::chrono::seconds(2);
constexpr auto kStaleSideFileAge = std::chrono::minutes(kStaleSideFileMinutes);

const std::string kSwitchQuestionTail =
    "\r\n\r\n共有モードを変更するとデザインファイルの再読み込みを行います。\r\n\r\nよろしいですか。\r\n\r\n";
const std::string kSharedOnText =
    "－－－－－－－－－－－－－－－－－－－\r\n  デザインファイルを共有モードにしました。\r\n"
    "－－－－－－－－－－－－－－－－－－－\r\n\r\n共有モードでは次の点に注意して下さい。\r\n\r\n"
    "   1. デザインファイルは枠に変更があると直ぐに保存されます。\r\n\r\n"
    "   2. 他で使用中であっても 「他で使用中」 の警告は表示されません。\r\n\r\n"
    "   3. 共有者が２以上になると 「元に戻す」 機能は無効になります。\r\n\r\n"
    "   4. 全体的にレスポンスが遅くなります。\r\n\r\n";
const std::string kSharedOffText = "デザインファイルの共有モードを解除しました。\r\n\r\n";
const std::string kReReadQuestion = "最新状態のデザインファイルを読み込みます。\r\n\r\nよろしいですか。\r\n\r\n";

// The `Used` line is read and then written in two steps, so two instances can both find it
// free and both take it. Whoever creates this file first (creation fails when it exists)
// is the only one that may test and take the lock line meanwhile; it lives for
// milliseconds. The side file's own lines stay as they are, so instances that know nothing
// of the gate still work with the `Used` line alone.
fs::path GatePath(const fs::path& sidePath) {
    fs::path gate = sidePath;
    gate += ".lock";
    return gate;
}

enum class Gate { Taken, Busy, Unavailable };

Gate TakeGate(const fs::path& gate) {
    if (std::FILE* file = OpenFile(gate, "wbx")) {
        std::fclose(file);
        return Gate::Taken;
    }
    std::error_code ec;
    // A folder that takes no new files (read-only share): go on with the lock line alone.
    return fs::exists(gate, ec) ? Gate::Busy : Gate::Unavailable;
}

void DropGate(const fs::path& gate) {
    std::error_code ec;
    fs::remove(gate, ec);
}

// The side file's lines; one empty line for a missing or empty file; nothing when it exists
// but cannot be read (writing then would wipe the sharers and notifications).
std::optional<std::vector<std::string>> ReadSideFile(const fs::path& sidePath, Host& host) {
    std::error_code ec;
    std::optional<std::vector<std::string>> lines;
    if (fs::exists(sidePath, ec)) lines = ReadLines(sidePath, host);
    else lines.emplace();
    if (lines && lines->empty()) lines->emplace_back();
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

Date Today(const Host& host) {
    ClockTime now = host.Now();
    return {now.year, now.month, now.day};
}

}  // namespace

SharedMode::SharedMode(Host& host, Dialogs& dialogs, DesignDocument& design, std::string instanceStamp)
    : mHost(host), mDialogs(dialogs), mDesign(design), mStamp(std::move(instanceStamp)) {}

bool SharedMode::Active() const { return !mDesign.Path().empty() && mDesign.SharedMode(); }

void SharedMode::WaitWhile(const bool& flag) {
    // The application lets events through while it waits, and one of them ends the busy
    // period that set the flag.
    while (flag) mHost.Wait(kBusyWaitMs);
}

std::vector<std::string> SharedMode::LockSideFile(const fs::path& sidePath) {
    WaitWhile(mSideBusy);
    mSideBusy = true;
    const fs::path gate = GatePath(sidePath);
    std::vector<std::string> lines{std::string()};
    Gate held = Gate::Busy;
    for (int attempt = 1;; ++attempt) {
        held = TakeGate(gate);
        auto read = ReadSideFile(sidePath, mHost);
        if (read) lines = std::move(*read);
        if (held != Gate::Busy && read && !IsLockTaken(lines.front())) break;
        if (held == Gate::Taken) DropGate(gate);
        if (attempt >= kLockAttempts) {
            // The holder died or hangs: take the lock over, and the gate too when a dead
            // instance left it behind.
            held = Gate::Taken;
            break;
        }
        mHost.Wait(kLockRetryMs);
    }
    PurgeStaleEntries(lines, mHost.Now(), mHost.ComputerName());
    lines.front() = LockLine(ProcessStamp(mHost));
    WriteLines(sidePath, lines, mHost);  // a failed write is lost without a message
    if (held == Gate::Taken) DropGate(gate);
    mSideBusy = false;
    return lines;
}

void SharedMode::UnlockSideFile(const fs::path& sidePath, std::vector<std::string>& lines) {
    if (lines.size() > 1) {
        lines.front() = LockLine("");
        WriteLines(sidePath, lines, mHost);
    } else {
        std::error_code ec;
        fs::remove(sidePath, ec);
    }
}

void SharedMode::Register(const fs::path& designPath, bool on) {
    const fs::path sidePath = SideFilePath(designPath);
    std::vector<std::string> lines = LockSideFile(sidePath);
    int count = 0;
    std::size_t own = 0;
    for (std::size_t i = 1; i < lines.size() && !IsNotificationLine(lines[i]); ++i) {
        if (!IsSharerLine(lines[i])) continue;
        ++count;
        if (SharerStamp(lines[i]) == mStamp) own = i;
    }
    if (on) {
        std::string line = SharerLine(mStamp, mHost.Now());
        if (own > 0) {
            lines[own] = std::move(line);
        } else {
            lines.insert(lines.begin() + 1, std::move(line));
            ++count;
        }
    } else if (own > 0) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(own));
        --count;
    }
    if (count > 0) {
        UnlockSideFile(sidePath, lines);
    } else {
        std::error_code ec;
        fs::remove(sidePath, ec);
    }
    mSharerCount = count;
}

void SharedMode::Housekeep(const fs::path& designPath, bool on) {
    const fs::path sidePath = SideFilePath(designPath);
    std::error_code ec;
    // Not sharing and no side file: nothing to unregister or tidy, and nothing to write.
    if (!on && !fs::exists(sidePath, ec)) return;
    if (on) {
        mLastSeenTime.reset();
        mElapsedMs = 0;
    }
    const auto time = fs::last_write_time(sidePath, ec);
    if (!ec && fs::file_time_type::clock::now() - time >= kStaleSideFileAge) fs::remove(sidePath, ec);
    Register(designPath, on);
    if (fs::exists(sidePath, ec)) {
        std::vector<std::string> lines = LockSideFile(sidePath);
        UnlockSideFile(sidePath, lines);
    }
}

void SharedMode::DesignRead() {
    mBaseKnown.reset();
    mBase.clear();
    if (!Active()) return;
    mBase.resize(kSlotCount);
    mBaseKnown.set();
    for (int slot = 0; slot < kSlotCount; ++slot) mBase[slot] = mDesign.Store().Slot(slot);
}

void SharedMode::RememberBase(const SlotSet& slots) {
    if (mBase.size() != static_cast<std::size_t>(kSlotCount)) mBase.resize(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (slots.test(slot)) mBase[slot] = mDesign.Store().Slot(slot);
    mBaseKnown |= slots;
}

void SharedMode::NotifyChange(const std::vector<Date>& dates, std::string_view comment) {
    // A base-year change is announced once, whatever the dates.
    if (IsBaseYearComment(comment)) return NotifyChanges({{Date{}, Date{}, std::string(comment)}});
    std::vector<DateChange> changes;
    for (const Date& date : dates) changes.push_back({date, Date{}, std::string(comment)});
    NotifyChanges(changes);
}

void SharedMode::NotifyChange(const Date& first, const Date& last, std::string_view comment) {
    NotifyChanges({{first, last == Date{} ? first : last, std::string(comment)}});
}

void SharedMode::NotifyChanges(const std::vector<DateChange>& requested) {
    if (!Active()) return;
    // Single dates in date order without repeats, then the ranges as given; a base-year
    // change names no date and touches no slot.
    std::vector<DateChange> singles, ranges;
    for (const DateChange& change : requested) {
        if (IsBaseYearComment(change.comment)) {
            ranges.push_back({Today(mHost), Date{}, change.comment});
        } else if (change.last == Date{}) {
            singles.push_back(change);
        } else {
            DateChange range = change;
            if (range.last < range.first) std::swap(range.first, range.last);
            ranges.push_back(std::move(range));
        }
    }
    std::sort(singles.begin(), singles.end(), [](const DateChange& x, const DateChange& y) {
        return std::tie(x.first, x.comment) < std::tie(y.first, y.comment);
    });
    singles.erase(std::unique(singles.begin(), singles.end()), singles.end());
    std::vector<DateChange> changes = std::move(singles);
    changes.insert(changes.end(), ranges.begin(), ranges.end());
    if (changes.empty()) return;

    WaitWhile(mPolling);
    mNotifying = true;
    SlotSet touched;
    for (const DateChange& change : changes) {
        if (IsBaseYearComment(change.comment)) continue;
        const Date last = change.last == Date{} ? change.first : change.last;
        for (Date date = change.first; date <= last; date = AddDays(date, 1))
            if (mWorkingSet) mWorkingSet->StoreDay(date);
        touched |= SlotsOfRange(change.first, last);
    }
    Announce(changes, touched);
    mNotifying = false;
}

bool SharedMode::SaveWithoutDates() {
    if (!Active()) return false;
    WaitWhile(mPolling);
    mNotifying = true;
    const bool saved = Announce({}, SlotSet());
    mNotifying = false;
    return saved;
}

bool SharedMode::Announce(const std::vector<DateChange>& changes, const SlotSet& touched) {
    if (mListener) mListener->SetBusyCursor(true);
    const fs::path designPath = mDesign.Path();
    const fs::path sidePath = SideFilePath(designPath);
    std::vector<std::string> lines = LockSideFile(sidePath);
    // Changes that other sharers saved and this instance has not polled yet are in the file
    // but not in this store: without taking them in, the save below would overwrite them.
    // Dates this change touched are merged with the file frame by frame instead of reloaded.
    TakeInResult taken;
    TakeInChanges(lines, touched, false, taken);
    if (taken.designBytes) {
        const SlotSet merged = MergeTouched(touched, taken.designLines);
        if (merged.any() && mListener) mListener->DaysReloaded(merged);
    }
    // The sharers counted in the side file now: a sharer that joined since the last poll
    // must hear of this change too.
    mSharerCount = taken.sharers;
    const bool saved = mDesign.SaveDesignFile(designPath, true);
    if (saved) {
        RememberBase(touched);
        if (taken.sharers > 1) {
            const ClockTime now = mHost.Now();
            for (const DateChange& change : changes)
                lines.push_back(NotificationLine(mStamp, now, change.first, change.last, change.comment));
        }
    }
    UnlockSideFile(sidePath, lines);
    if (mListener) mListener->SetBusyCursor(false);
    return saved;
}

SlotSet SharedMode::MergeTouched(const SlotSet& touched, const std::vector<std::string_view>& designLines) {
    // A slot without a base (the design was not read in shared mode) keeps this instance's
    // lines, as a plain save would.
    const SlotSet mergeable = touched & mBaseKnown;
    SlotSet changed;
    if (mergeable.none()) return changed;
    std::vector<LineList> theirs = SlotsOfFile(mergeable, designLines);
    LineNormalizer normalize;
    if (mWorkingSet) {
        normalize = [context = mWorkingSet->Context()](const std::string& line) {
            ParsedRecord parsed = ParseRecordLine(line, context);
            return parsed.frame ? BuildRecordLine(*parsed.frame) : line;
        };
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!mergeable.test(slot)) continue;
        LineList& mine = mDesign.Store().Slot(slot);
        LineList merged = MergeSlot(mBase[slot], mine, theirs[slot], normalize);
        if (merged == mine) continue;
        mine = std::move(merged);
        changed.set(slot);
    }
    return changed;
}

void SharedMode::TakeInChanges(std::vector<std::string>& lines, const SlotSet& excluded, bool withBaseYear,
                               TakeInResult& result) {
    std::vector<std::size_t> unseen;
    bool namesDates = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsSharerLine(lines[i])) {
            ++result.sharers;
        } else if (IsNotificationLine(lines[i]) && !HasSeen(lines[i], mStamp)) {
            unseen.push_back(i);
            std::string comment;
            GetText(lines[i], "Cmt", kSep, comment);
            namesDates = namesDates || !IsBaseYearComment(comment);
        }
    }
    if (namesDates) {
        result.designBytes = ReadFileBytes(mDesign.Path(), mHost);
        // Reloading from nothing would empty the slots; the notifications stay unseen and
        // the next poll tries again.
        result.designUnreadable = !result.designBytes;
        if (result.designBytes) result.designLines = SplitLineViews(*result.designBytes);
    }

    SlotSet wanted;
    for (std::size_t i : unseen) {
        std::string& line = lines[i];
        std::string comment;
        GetText(line, "Cmt", kSep, comment);
        if (IsBaseYearComment(comment)) {
            if (!withBaseYear) continue;
            auto index = BaseYearOfComment(comment);
            if (index && *index != mDesign.BaseYearIndex() && mListener) mListener->BaseYearNotified(*index);
        } else {
            if (!result.designBytes) continue;
            Date first, last = kZeroDate;
            if (GetDate(line, "MinDate", kSep, first)) {
                GetDate(line, "MaxDate", kSep, last);
                wanted |= SlotsOfRange(first, last == kZeroDate ? first : last);
            }
        }
        line = MarkSeen(line, mStamp);
    }
    if (result.designBytes) Reload(wanted & ~excluded, result.designLines);
}

void SharedMode::Reload(const SlotSet& wanted, const std::vector<std::string_view>& designLines) {
    if (wanted.none()) return;
    ReloadSlots(mDesign.Store(), wanted, designLines);
    RememberBase(wanted);
    if (mListener) mListener->DaysReloaded(wanted);
}

void SharedMode::DeleteSeenByEverySharer(std::vector<std::string>& lines) const {
    // Counting takers (SumiCnt against the number of sharers) would also count a sender that
    // has left since and drop the notification before a remaining sharer saw it; so every
    // current sharer must be among the takers.
    std::vector<std::string> sharers;
    for (const std::string& line : lines)
        if (IsSharerLine(line)) sharers.push_back(SharerStamp(line));
    for (std::size_t i = lines.size(); i-- > 1;) {
        if (!IsNotificationLine(lines[i])) continue;
        const std::vector<std::string> seen = SeenBy(lines[i]);
        bool everyone = std::all_of(sharers.begin(), sharers.end(), [&](const std::string& stamp) {
            return std::find(seen.begin(), seen.end(), stamp) != seen.end();
        });
        if (everyone) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void SharedMode::Poll(int elapsedMs) {
    if (!Active()) return;
    // A tick that arrives while this instance waits inside a poll, a change report, a lock
    // or a long operation (events are let through there) would wait for a caller below it
    // on the stack for ever; it leaves the work to the next tick instead.
    if (mPolling || mNotifying || mSideBusy || (mListener && mListener->WindowBusy())) return;
    const fs::path designPath = mDesign.Path();
    const fs::path sidePath = SideFilePath(designPath);
    std::error_code ec;
    const auto time = fs::last_write_time(sidePath, ec);
    if (ec) return;
    mElapsedMs += elapsedMs;
    if (mElapsedMs > kRefreshMs) {
        mElapsedMs = 0;
        Register(designPath, true);
    }
    if (SideFileUnchanged(sidePath, time)) return;

    mPolling = true;
    if (mListener) mListener->SetBusyMark(true);
    std::vector<std::string> lines = LockSideFile(sidePath);
    TakeInResult taken;
    TakeInChanges(lines, SlotSet(), true, taken);
    if (!taken.designUnreadable) DeleteSeenByEverySharer(lines);
    UnlockSideFile(sidePath, lines);
    mSharerCount = taken.sharers;
    if (taken.designUnreadable) mLastSeenTime.reset();
    else RememberSideFile(sidePath, lines);
    mPolling = false;
    if (mListener) mListener->SetBusyMark(false);
}

bool SharedMode::SideFileUnchanged(const fs::path& sidePath, fs::file_time_type time) {
    if (!mLastSeenTime || *mLastSeenTime != time) return false;
    if (mLastSeenSettled) return true;
    // The same time may still hide a later write within the file system's time resolution:
    // compare the contents with what the last poll left.
    auto bytes = ReadFileBytes(sidePath, mHost);
    if (!bytes || *bytes != mLastSeenBytes) return false;
    // Once the time lies further back than that resolution, any later write carries a later
    // time, and the time alone decides.
    if (fs::file_time_type::clock::now() - time > kTimeResolution) mLastSeenSettled = true;
    return true;
}

void SharedMode::RememberSideFile(const fs::path& sidePath, const std::vector<std::string>& lines) {
    std::error_code ec;
    const auto time = fs::last_write_time(sidePath, ec);
    if (ec) {
        mLastSeenTime.reset();
        return;
    }
    mLastSeenTime = time;
    mLastSeenBytes = Joined(lines);
    mLastSeenSettled = false;
}

void SharedMode::ReRead() {
    const fs::path designPath = mDesign.Path();
    if (!designPath.empty() && mDesign.CheckDesignFile(designPath)) mDesign.OpenDesignFile(designPath);
    mDesign.SetModified(false);
    if (!mDesign.SharedMode()) mSharerCount = 0;
    mLastSeenTime.reset();
    mElapsedMs = 0;
    if (mListener) mListener->DesignReRead();
}

bool SharedMode::SwitchModeCommand() {
    const bool on = mDesign.SharedMode();
    const std::string question = (on ? "【 共有モードの解除 】" : "【 共有モードの設定 】") + kSwitchQuestionTail;
    if (mDialogs.Show(MessageKind::Question, kConfirmCaption, question, Buttons::OkCancel, Answer::Ok) != Answer::Ok)
        return false;
    mDesign.SetSharedMode(!on);
    ReRead();
    mDialogs.Information(kConfirmCaption, on ? kSharedOffText : kSharedOnText);
    return true;
}

bool SharedMode::ReReadCommand() {
    if (mDialogs.Show(MessageKind::Question, kConfirmCaption, kReReadQuestion, Buttons::OkCancel, Answer::Ok) !=
        Answer::Ok)
        return false;
    ReRead();
    return true;
}

}  // namespace mv
