#pragma once
// The undo history of a design: the last edit operations, newest last, with the record
// lines needed to take them back, and the steps taken back, which can be redone.
//
// This is the data structure only. Restoring frames from an entry is the caller's work
// (the edit context): it asks for the newest entry, applies it, and tells the history
// when it is done. Texts are Shift-JIS bytes, as everywhere in the model.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/date.h"

namespace mv {

class Dialogs;
class TCInf;

// What an entry records; the number is the entry's kind as the program has always counted.
enum class HistoryKind : std::uint8_t {
    FrameCreate = 0,     // 枠作成: undo removes the frame
    FrameDelete = 1,     // 枠削除: undo re-inserts the saved line
    FrameConnect = 2,    // 枠隣接: connect or Shift-drag extension
    FrameMove = 3,       // 枠移動: drag move (with source snapshot)
    FrameCopy = 4,       // 枠複写: drag copy (with source snapshot)
    FrameResize = 5,     // 枠長変更: drag resize (with source snapshot)
    TitleAdd = 6,        // ﾀｲﾄﾙ追加
    TitleDelete = 7,     // ﾀｲﾄﾙ削除
    TitleMove = 8,       // ﾀｲﾄﾙ移動: field dragged (flag taken with the snapshot)
    TitleEdit = 9,       // ﾀｲﾄﾙ編集 (flag taken with the snapshot)
    TimeChange = 10,     // 時刻変更: start/end in the property window
    FrameStyle = 11,     // font size or colours; the caption word is the entry's text
    DateDelete = 12,     // 日付削除
    DateMove = 13,       // 日付移動
    DateCopy = 14,       // 日付複写
    CalendarCopy = 15,   // 枠複写 by the calendar
    CalendarMove = 16,   // 枠移動 by the calendar
    MultiDelete = 17,    // 複数枠の削除
    MultiMove = 18,      // 複数枠の移動
    MultiCopy = 19,      // 複数枠の複写
    ShiftEarlier = 20,   // 繰り上げ
    ShiftLater = 21,     // 繰り下げ
    Expand = 22,         // 枠展開
    BlockLoad = 23,      // clipboard or design-file load
    CsvImport = 24,      // ｲﾝﾎﾟｰﾄﾃﾞｰﾀ
    BaseYear = 25,       // displayed year; value is the previous year index
    MinuteStep = 26,     // minute unit; value is the previous step index
    IcsImport = 27,      // iCalendar 読み込み: frames added, and those an event's UID replaced
};

// Kinds 0-11 concern one frame; 12-24 and 27 own line pairs; 25 and 26 are settings.
bool IsSingleFrameKind(HistoryKind kind);
bool IsMultiFrameKind(HistoryKind kind);
bool IsShiftKind(HistoryKind kind);
bool IsSettingKind(HistoryKind kind);

// A dragged frame as it was before the drag.
struct THistOrgObj {
    int serial = 0;       // the frame's creation serial number
    std::string cid;      // Ci_Cid
    Date date;
    int start = 0;        // HHMM
    std::string line;     // its full record line
    int column = 0;
    int index = 0;        // position in its date's list
};

// One entry of the history.
struct THistCtl {
    HistoryKind kind = HistoryKind::FrameCreate;
    bool modified = false;       // the design's modified flag before the operation
    std::string key;             // Ci_Cid of the frame concerned
    Date date;                   // the frame's date
    int start = 0;               // the frame's start (HHMM)
    std::string line;            // the frame's record line when recorded
    std::optional<THistOrgObj> source;  // kinds 3, 4, 5
    std::string text;            // description (kinds 11, 25, 26)
    int value = 0;               // previous setting (kinds 25, 26)
    std::string extra;           // a second text, not used by undo
    int count = 0;               // lines owned in BeforeLines/AfterLines
    Date firstDate;              // first source date, or the date of a shift
    Date lastDate;               // last source date (or of a loaded range)
    Date targetDate;             // first target date
};

// The words an entry shows in the menu: "枠作成 - 07/01  09:30" and so on; "？" for a kind
// the program does not know.
std::string HistoryCaption(const THistCtl& entry);

// A frame's state for a single-frame entry. Kinds 8 and 9 are recorded after the change
// (the field drag and the title edit work on the frame in place), so they take this
// snapshot before it, with the modified flag of that moment.
struct FrameSnapshot {
    std::string key;
    Date date;
    int start = 0;
    std::string line;
    bool modified = false;
};
FrameSnapshot SnapshotOf(const TCInf& frame, bool modified);

struct LinePair {
    std::string before;
    std::string after;
};

// The newest entry, handed out for undo.
struct UndoStep {
    THistCtl entry;
    std::vector<LinePair> lines;  // the entry's own pairs, in recording order
};

// Given back once an undo step has been applied: what the undo replaced, which is what a
// redo brings back.
struct UndoneState {
    // The record line of every frame the undo removed or replaced, read before the undo
    // touched it: the created frame (kind 0), the frame at its new place (3, 5), the copy
    // (4), the frame as edited (1-2, 6-11), the after-frames removed (12-24).
    std::vector<std::string> lines;
    // The design's modified flag before the undo.
    bool modified = true;
    // Kinds 25, 26: the setting's index before the undo.
    int value = 0;
};

// The newest undone step, handed out for redo. Redoing is the inverse of the undo and
// the same for every kind: remove the frames of removeLines (by Ci_Cid at Ci_CDate,
// skipping any that no longer exists), then add addLines to their dates (replacing a frame
// of the same Ci_Cid), set the setting to value for kinds 25 and 26, and set the modified
// flag.
struct RedoStep {
    THistCtl entry;                        // the entry as recorded, for its caption
    std::vector<std::string> removeLines;  // what the undo put in place
    std::vector<std::string> addLines;     // what stood before the undo
    int value = 0;
    bool modified = true;
};

class UndoHistory {
public:
    static constexpr int kMaxEntries = 64;

    explicit UndoHistory(Dialogs& dialogs);

    // The design's modified flag, read when an entry is recorded. Unset reads false.
    void SetModifiedSource(std::function<bool()> isModified);
    // While this answers true (the design is shared by two or more), nothing is recorded;
    // the redo list is still emptied, since the design was edited.
    void SetRecordingSuspended(std::function<bool()> isSuspended);
    // Called after every change of either list, to refresh the menu captions.
    void SetChangedListener(std::function<void()> onChanged);

    // Kinds 0-11. The stored flag is the current one, except for kinds 8 and 9, which
    // store the snapshot's. source for kinds 3-5; text for kind 11. False when nothing was
    // recorded (suspended, or not a single-frame kind).
    bool RecordFrame(HistoryKind kind, const TCInf& frame, const THistOrgObj* source = nullptr,
                     std::string text = {});
    bool RecordFrame(HistoryKind kind, const FrameSnapshot& frame, const THistOrgObj* source = nullptr,
                     std::string text = {});
    // Kinds 12-24 except the shifts. Appends both lists; the entry owns what it appended
    // (the longer list's count when they differ, which is a program error).
    bool RecordLines(HistoryKind kind, const std::vector<std::string>& before,
                     const std::vector<std::string>& after, Date firstDate, Date lastDate, Date targetDate);
    // Kinds 20, 21: all three dates are the shift's date.
    bool RecordShift(HistoryKind kind, const std::vector<std::string>& before,
                     const std::vector<std::string>& after, Date date);
    // Kinds 25, 26: the setting's index before the change, and the description.
    bool RecordSetting(HistoryKind kind, int previousValue, std::string text);

    // The newest entry and its line pairs, left in place. Nothing when the history is
    // empty, or (with the program-error message) when a multi-frame entry is to be undone
    // and the two line lists differ in length.
    std::optional<UndoStep> NewestForUndo();
    // The caller has applied the step NewestForUndo gave: drop the entry with its lines and
    // keep it for redo. The redo list outlives the emptied history.
    void UndoApplied(UndoneState replaced);

    // The newest undone step, left in place; nothing when there is none.
    std::optional<RedoStep> NewestForRedo() const;
    // The caller has applied the redo step: its entry returns to the history (with its
    // lines) and the rest of the redo list stays.
    void RedoApplied();

    // Every recording empties the redo list; Clear empties the history and the redo list.
    void Clear();

    bool CanUndo() const { return !mEntries.empty(); }
    bool CanRedo() const { return !mRedo.empty(); }
    // "元に戻す" or "元に戻す  #n  【 newest caption 】"; "やり直す" likewise.
    std::string UndoCaption() const;
    std::string RedoCaption() const;

    const std::deque<THistCtl>& Entries() const { return mEntries; }
    const std::deque<std::string>& BeforeLines() const { return mBeforeLines; }
    const std::deque<std::string>& AfterLines() const { return mAfterLines; }

private:
    struct Undone {
        THistCtl entry;
        std::vector<LinePair> lines;
        UndoneState replaced;
    };

    bool Suspended() const;
    bool Modified() const;
    // Appends the entry and its lines, drops the oldest beyond the cap, checks the lists.
    void Append(THistCtl entry, const std::vector<std::string>& before, const std::vector<std::string>& after);
    void DropOldest();
    std::vector<LinePair> OwnedLines(const THistCtl& entry) const;
    void Changed();

    Dialogs& mDialogs;
    std::function<bool()> mIsModified;
    std::function<bool()> mIsSuspended;
    std::function<void()> mOnChanged;

    std::deque<THistCtl> mEntries;  // oldest first
    std::deque<std::string> mBeforeLines;
    std::deque<std::string> mAfterLines;
    std::vector<Undone> mRedo;  // newest last
};

}  // namespace mv
