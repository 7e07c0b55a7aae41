#include "edit/undohistory.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "model/codec.h"
#include "model/frame.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"

namespace mv {

namespace {

constexpr int kKindCount = 28;

int KindNumber(HistoryKind kind) { return static_cast<int>(kind); }

// "mm/dd".
std::string MonthDay(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d", date.month % 100, date.day % 100);
    return text;
}

// The caption words of kinds 0-24 and 27 (kind 11 takes the entry's text instead), Shift-JIS.
const std::string& KindWord(int kind) {
    static const std::array<std::string, kKindCount> kWords = {
        Sjis("枠作成 - "),       Sjis("枠削除 - "),       Sjis("枠隣接 - "),
        Sjis("枠移動 - "),       Sjis("枠複写 - "),       Sjis("枠長変更 - "),
        Sjis("ﾀｲﾄﾙ追加 - "),     Sjis("ﾀｲﾄﾙ削除 - "),     Sjis("ﾀｲﾄﾙ移動 - "),
        Sjis("ﾀｲﾄﾙ編集 - "),     Sjis("時刻変更 - "),     std::string(),
        Sjis("日付削除 - "),     Sjis("日付移動 - "),     Sjis("日付複写 - "),
        Sjis("枠複写 - "),       Sjis("枠移動 - "),       Sjis("複数枠の削除 - "),
        Sjis("複数枠の移動 - "), Sjis("複数枠の複写 - "), Sjis("繰り上げ - "),
        Sjis("繰り下げ - "),     Sjis("枠展開 - "),       Sjis("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ/ﾃﾞｻﾞｲﾝﾌｧｲﾙ 読み込み - "),
        Sjis("ｲﾝﾎﾟｰﾄﾃﾞｰﾀ - "),   std::string(),           std::string(),
        Sjis("iCalendar 読み込み - ")};
    return kWords[static_cast<std::size_t>(kind)];
}

// The lines an undo of the entry puts in place (restores or re-inserts); a redo removes
// them again.
std::vector<std::string> LinesPutBackByUndo(const THistCtl& entry, const std::vector<LinePair>& pairs) {
    std::vector<std::string> lines;
    switch (entry.kind) {
        case HistoryKind::FrameDelete:
        case HistoryKind::FrameConnect:
        case HistoryKind::TitleAdd:
        case HistoryKind::TitleDelete:
        case HistoryKind::TitleMove:
        case HistoryKind::TitleEdit:
        case HistoryKind::TimeChange:
        case HistoryKind::FrameStyle:
            lines.push_back(entry.line);
            break;
        case HistoryKind::FrameMove:
        case HistoryKind::FrameResize:
            if (entry.source) lines.push_back(entry.source->line);
            break;
        case HistoryKind::DateDelete:
        case HistoryKind::DateMove:
        case HistoryKind::CalendarMove:
        case HistoryKind::MultiDelete:
        case HistoryKind::MultiMove:
        case HistoryKind::ShiftEarlier:
        case HistoryKind::ShiftLater:
        case HistoryKind::IcsImport:
            for (const LinePair& pair : pairs) lines.push_back(pair.before);
            break;
        default:  // creations, copies, expansions, loads and settings put nothing back
            break;
    }
    return lines;
}

std::string CountMismatchText(const char* what, std::size_t before, std::size_t after) {
    return std::string("プログラムエラー： ") + what + " --- 履歴リストの個数が一致していません。\r\n\r\n   元: " +
           std::to_string(before) + "\r\n" + "\r\n" + "   先: " + std::to_string(after);
}

}  // namespace

bool IsSingleFrameKind(HistoryKind kind) { return KindNumber(kind) >= 0 && KindNumber(kind) <= 11; }
bool IsMultiFrameKind(HistoryKind kind) {
    return (KindNumber(kind) >= 12 && KindNumber(kind) <= 24) || kind == HistoryKind::IcsImport;
}
bool IsShiftKind(HistoryKind kind) { return kind == HistoryKind::ShiftEarlier || kind == HistoryKind::ShiftLater; }
bool IsSettingKind(HistoryKind kind) { return kind == HistoryKind::BaseYear || kind == HistoryKind::MinuteStep; }

std::string HistoryCaption(const THistCtl& entry) {
    const int kind = KindNumber(entry.kind);
    if (kind < 0 || kind >= kKindCount) return Sjis("？");
    if (kind <= 10) return KindWord(kind) + MonthDay(entry.date) + "  " + FormatHHMM(entry.start);
    if (kind == 11) return entry.text + " - " + MonthDay(entry.date) + "  " + FormatHHMM(entry.start);
    if (kind <= 16) return KindWord(kind) + MonthDay(entry.firstDate) + Sjis(" → ") + MonthDay(entry.targetDate);
    if (kind <= 19 || kind == 22) {
        return KindWord(kind) + MonthDay(entry.firstDate) + Sjis(" 以降から ") + std::to_string(entry.count) +
               Sjis(" 個");
    }
    if (kind <= 21) return KindWord(kind) + MonthDay(entry.firstDate);
    if (kind <= 24 || kind == 27)
        return KindWord(kind) + MonthDay(entry.firstDate) + Sjis(" ～ ") + MonthDay(entry.lastDate);
    if (kind == 25) return entry.text + " - " + std::to_string(entry.value + 1990);
    return entry.text + " - " + std::to_string(entry.value);
}

FrameSnapshot SnapshotOf(const TCInf& frame, bool modified) {
    return {frame.Cid, frame.CDate, frame.StoredSTime(), BuildRecordLine(frame), modified};
}

UndoHistory::UndoHistory(Dialogs& dialogs) : mDialogs(dialogs) {}

void UndoHistory::SetModifiedSource(std::function<bool()> isModified) { mIsModified = std::move(isModified); }
void UndoHistory::SetRecordingSuspended(std::function<bool()> isSuspended) { mIsSuspended = std::move(isSuspended); }
void UndoHistory::SetChangedListener(std::function<void()> onChanged) { mOnChanged = std::move(onChanged); }

bool UndoHistory::Suspended() const { return mIsSuspended && mIsSuspended(); }
bool UndoHistory::Modified() const { return mIsModified && mIsModified(); }

void UndoHistory::Changed() {
    if (mOnChanged) mOnChanged();
}

bool UndoHistory::RecordFrame(HistoryKind kind, const TCInf& frame, const THistOrgObj* source, std::string text) {
    return RecordFrame(kind, SnapshotOf(frame, Modified()), source, std::move(text));
}

bool UndoHistory::RecordFrame(HistoryKind kind, const FrameSnapshot& frame, const THistOrgObj* source,
                              std::string text) {
    if (!IsSingleFrameKind(kind)) return false;
    THistCtl entry;
    entry.kind = kind;
    entry.modified =
        (kind == HistoryKind::TitleMove || kind == HistoryKind::TitleEdit) ? frame.modified : Modified();
    entry.key = frame.key;
    entry.date = frame.date;
    entry.start = frame.start;
    entry.line = frame.line;
    if (source) entry.source = *source;
    entry.text = std::move(text);
    const bool recorded = !Suspended();
    Append(std::move(entry), {}, {});
    return recorded;
}

bool UndoHistory::RecordLines(HistoryKind kind, const std::vector<std::string>& before,
                              const std::vector<std::string>& after, Date firstDate, Date lastDate,
                              Date targetDate) {
    if (!IsMultiFrameKind(kind)) return false;
    THistCtl entry;
    entry.kind = kind;
    entry.modified = Modified();
    entry.firstDate = firstDate;
    entry.lastDate = lastDate;
    entry.targetDate = targetDate;
    const bool recorded = !Suspended();
    Append(std::move(entry), before, after);
    return recorded;
}

bool UndoHistory::RecordShift(HistoryKind kind, const std::vector<std::string>& before,
                              const std::vector<std::string>& after, Date date) {
    if (!IsShiftKind(kind)) return false;
    return RecordLines(kind, before, after, date, date, date);
}

bool UndoHistory::RecordSetting(HistoryKind kind, int previousValue, std::string text) {
    if (!IsSettingKind(kind)) return false;
    THistCtl entry;
    entry.kind = kind;
    entry.modified = Modified();
    entry.value = previousValue;
    entry.text = std::move(text);
    const bool recorded = !Suspended();
    Append(std::move(entry), {}, {});
    return recorded;
}

void UndoHistory::Append(THistCtl entry, const std::vector<std::string>& before,
                         const std::vector<std::string>& after) {
    // Whatever was undone no longer follows from the design once it has been edited again,
    // recorded or not.
    const bool hadRedo = !mRedo.empty();
    mRedo.clear();
    if (Suspended()) {
        if (hadRedo) Changed();
        return;
    }
    entry.count = static_cast<int>(std::max(before.size(), after.size()));
    mBeforeLines.insert(mBeforeLines.end(), before.begin(), before.end());
    mAfterLines.insert(mAfterLines.end(), after.begin(), after.end());
    mEntries.push_back(std::move(entry));
    while (static_cast<int>(mEntries.size()) > kMaxEntries) DropOldest();
    Changed();
    if (mBeforeLines.size() != mAfterLines.size()) {
        mDialogs.Error(kProgramName, CountMismatchText("管理部の追加", mBeforeLines.size(), mAfterLines.size()));
    }
}

void UndoHistory::DropOldest() {
    const auto count = static_cast<std::size_t>(mEntries.front().count);
    mBeforeLines.erase(mBeforeLines.begin(), mBeforeLines.begin() + std::min(count, mBeforeLines.size()));
    mAfterLines.erase(mAfterLines.begin(), mAfterLines.begin() + std::min(count, mAfterLines.size()));
    mEntries.pop_front();
}

std::vector<LinePair> UndoHistory::OwnedLines(const THistCtl& entry) const {
    // The newest entry owns the last count lines of each list (a shorter list, after a
    // program error, gives empty lines).
    const auto count = static_cast<std::size_t>(entry.count);
    std::vector<LinePair> pairs(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (mBeforeLines.size() >= count - i) pairs[i].before = mBeforeLines[mBeforeLines.size() - (count - i)];
        if (mAfterLines.size() >= count - i) pairs[i].after = mAfterLines[mAfterLines.size() - (count - i)];
    }
    return pairs;
}

std::optional<UndoStep> UndoHistory::NewestForUndo() {
    if (mEntries.empty()) return std::nullopt;
    const THistCtl& entry = mEntries.back();
    if (IsMultiFrameKind(entry.kind) && !IsShiftKind(entry.kind) && mBeforeLines.size() != mAfterLines.size()) {
        mDialogs.Error(kProgramName, CountMismatchText("復元", mBeforeLines.size(), mAfterLines.size()));
        return std::nullopt;
    }
    return UndoStep{entry, OwnedLines(entry)};
}

void UndoHistory::UndoApplied(UndoneState replaced) {
    if (mEntries.empty()) return;
    Undone undone{std::move(mEntries.back()), OwnedLines(mEntries.back()), std::move(replaced)};
    const auto count = static_cast<std::size_t>(undone.entry.count);
    mBeforeLines.erase(mBeforeLines.end() - std::min(count, mBeforeLines.size()), mBeforeLines.end());
    mAfterLines.erase(mAfterLines.end() - std::min(count, mAfterLines.size()), mAfterLines.end());
    mEntries.pop_back();
    if (mEntries.empty()) {  // nothing may stay behind, not even after a program error
        mBeforeLines.clear();
        mAfterLines.clear();
    }
    mRedo.push_back(std::move(undone));
    Changed();
}

std::optional<RedoStep> UndoHistory::NewestForRedo() const {
    if (mRedo.empty()) return std::nullopt;
    const Undone& undone = mRedo.back();
    return RedoStep{undone.entry, LinesPutBackByUndo(undone.entry, undone.lines), undone.replaced.lines,
                    undone.replaced.value, undone.replaced.modified};
}

void UndoHistory::RedoApplied() {
    if (mRedo.empty()) return;
    Undone undone = std::move(mRedo.back());
    mRedo.pop_back();
    for (const LinePair& pair : undone.lines) {
        mBeforeLines.push_back(pair.before);
        mAfterLines.push_back(pair.after);
    }
    mEntries.push_back(std::move(undone.entry));
    while (static_cast<int>(mEntries.size()) > kMaxEntries) DropOldest();
    Changed();
}

void UndoHistory::Clear() {
    mEntries.clear();
    mBeforeLines.clear();
    mAfterLines.clear();
    mRedo.clear();
    Changed();
}

std::string UndoHistory::UndoCaption() const {
    static const std::string kUndo = Sjis("元に戻す");
    if (mEntries.empty()) return kUndo;
    return kUndo + "  #" + std::to_string(mEntries.size()) + Sjis("  【 ") + HistoryCaption(mEntries.back()) +
           Sjis(" 】");
}

std::string UndoHistory::RedoCaption() const {
    static const std::string kRedo = Sjis("やり直す");
    if (mRedo.empty()) return kRedo;
    return kRedo + "  #" + std::to_string(mRedo.size()) + Sjis("  【 ") + HistoryCaption(mRedo.back().entry) +
           Sjis(" 】");
}

}  // namespace mv
