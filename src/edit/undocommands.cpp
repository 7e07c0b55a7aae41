#include "edit/undocommands.h"

#include <algorithm>

#include <optional>

#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"

namespace mv {

namespace {

struct LineKey {
    Date date;
    std::string cid;
};

std::optional<LineKey> KeyOfLine(const std::string& line) {
    LineKey key;
    if (!GetDate(line, "Ci_CDate", kSep, key.date)) return std::nullopt;
    GetText(line, "Ci_Cid", kSep, key.cid);
    return key;
}

// What an undo or redo step does to the frames: each removal and replacement remembers the
// line it replaced (for the way back) and the date it touched.
class Restorer {
public:
    explicit Restorer(EditContext& context) : mWorking(context.Working()) {}

    void Remove(const Date& date, const std::string& cid) {
        if (auto line = mWorking.LineOf(date, cid)) mReplaced.push_back(std::move(*line));
        mWorking.RemoveFrame(date, cid);
        mTouched.push_back(date);
    }
    void Put(const Date& date, const std::string& line) {
        std::string cid;
        GetText(line, "Ci_Cid", kSep, cid);
        if (auto current = mWorking.LineOf(date, cid)) mReplaced.push_back(std::move(*current));
        mWorking.ReplaceFromLine(date, line);
        mTouched.push_back(date);
    }
    void RemoveLine(const std::string& line) {
        if (auto key = KeyOfLine(line)) Remove(key->date, key->cid);
    }
    void PutLine(const std::string& line) {
        if (auto key = KeyOfLine(line)) Put(key->date, line);
    }

    std::vector<std::string>& Replaced() { return mReplaced; }
    const std::vector<Date>& Touched() const { return mTouched; }
    // The restored frames of shown dates go to the stored lines too: the modified flag
    // may now say "unchanged", and nothing would store them later.
    void StoreTouched() {
        // A long step touches a date once per line: each is stored once.
        std::vector<Date> dates = mTouched;
        std::sort(dates.begin(), dates.end());
        dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
        for (const Date& date : dates) mWorking.StoreDay(date);
    }

private:
    WorkingSet& mWorking;
    std::vector<std::string> mReplaced;
    std::vector<Date> mTouched;
};

bool RemovesAfterLines(HistoryKind kind) {
    switch (kind) {
    case HistoryKind::DateMove:
    case HistoryKind::DateCopy:
    case HistoryKind::CalendarCopy:
    case HistoryKind::CalendarMove:
    case HistoryKind::MultiMove:
    case HistoryKind::MultiCopy:
    case HistoryKind::Expand:
    case HistoryKind::BlockLoad:
    case HistoryKind::CsvImport: return true;
    default: return false;
    }
}

bool RestoresBeforeLines(HistoryKind kind) {
    switch (kind) {
    case HistoryKind::DateDelete:
    case HistoryKind::DateMove:
    case HistoryKind::CalendarMove:
    case HistoryKind::MultiDelete:
    case HistoryKind::MultiMove: return true;
    default: return false;
    }
}

// The setting of a kind 25 or 26 entry as it is now, and setting it.
int SettingOf(DesignDocument& design, HistoryKind kind) {
    return kind == HistoryKind::BaseYear ? design.BaseYearIndex() : design.MinuteStepIndex();
}
void SetSetting(DesignDocument& design, HistoryKind kind, int value) {
    if (kind == HistoryKind::BaseYear) design.SetBaseYearIndex(value);
    else design.SetMinuteStepIndex(value);
}

// The frame an undone step shows: the drag's source for moves, resizes and copies, the
// first line's frame for the kinds with lines, otherwise the entry's frame (which may be
// gone: its date and start still tell where to look).
struct ShownFrame {
    Date date;
    std::string cid;
    int start = 0;
};
ShownFrame ShownAfterUndo(const UndoStep& step) {
    const THistCtl& entry = step.entry;
    if (entry.source && entry.kind != HistoryKind::FrameCreate)
        return {entry.source->date, entry.source->cid, entry.source->start};
    if (!step.lines.empty()) {
        const std::string& line = step.lines.front().before.empty() ? step.lines.front().after : step.lines.front().before;
        ShownFrame shown;
        GetDate(line, "Ci_CDate", kSep, shown.date);
        GetText(line, "Ci_Cid", kSep, shown.cid);
        GetInt(line, "Ci_STime", kSep, shown.start);
        return shown;
    }
    return {entry.date, entry.key, entry.start};
}

const std::string& UndoComment() {
    static const std::string comment = Sjis("元に戻す");
    return comment;
}
const std::string& RedoComment() {
    static const std::string comment = Sjis("やり直す");
    return comment;
}

}  // namespace

namespace {
// Long multi-frame steps report their progress every this many lines.
constexpr int kProgressEvery = 100;
}  // namespace

bool UndoNewest(EditContext& context) {
    std::optional<UndoStep> step = context.History().NewestForUndo();
    if (!step) return false;
    DesignDocument& design = context.Design();
    const THistCtl& entry = step->entry;
    UndoneState replaced;
    replaced.modified = design.Modified();
    Restorer restore(context);

    switch (entry.kind) {
    case HistoryKind::FrameCreate: restore.Remove(entry.date, entry.key); break;
    case HistoryKind::FrameMove:
    case HistoryKind::FrameResize:
        restore.Remove(entry.date, entry.key);
        if (entry.source) restore.Put(entry.source->date, entry.source->line);
        break;
    case HistoryKind::FrameCopy: restore.Remove(entry.date, entry.key); break;
    case HistoryKind::ShiftEarlier:
    case HistoryKind::ShiftLater:
        for (const LinePair& pair : step->lines) restore.PutLine(pair.before);
        break;
    case HistoryKind::BaseYear:
    case HistoryKind::MinuteStep:
        replaced.value = SettingOf(design, entry.kind);
        SetSetting(design, entry.kind, entry.value);
        break;
    default:
        if (IsMultiFrameKind(entry.kind)) {
            const int total = static_cast<int>(step->lines.size());
            int done = 0;
            for (const LinePair& pair : step->lines) {
                if (total > kProgressEvery && ++done % kProgressEvery == 0) context.Listener().Progress(done, total);
                if (RemovesAfterLines(entry.kind)) restore.RemoveLine(pair.after);
                if (RestoresBeforeLines(entry.kind)) restore.PutLine(pair.before);
            }
        } else {
            restore.Put(entry.date, entry.line);  // the other single-frame kinds: the saved line
        }
    }

    context.Listener().Progress(0, 0);
    replaced.lines = std::move(restore.Replaced());
    restore.StoreTouched();
    context.RestoreModified(entry.modified);
    context.History().UndoApplied(std::move(replaced));
    if (IsSettingKind(entry.kind)) context.Listener().SettingsChanged();
    context.Report(restore.Touched(), UndoComment());
    if (!IsSettingKind(entry.kind)) {
        const ShownFrame shown = ShownAfterUndo(*step);
        context.ShowResult(shown.date, shown.cid, shown.start);
    }
    return true;
}

bool RedoNewest(EditContext& context) {
    std::optional<RedoStep> step = context.History().NewestForRedo();
    if (!step) return false;
    DesignDocument& design = context.Design();
    Restorer restore(context);
    for (const std::string& line : step->removeLines) restore.RemoveLine(line);
    for (const std::string& line : step->addLines) restore.PutLine(line);
    if (IsSettingKind(step->entry.kind)) SetSetting(design, step->entry.kind, step->value);
    restore.StoreTouched();
    context.RestoreModified(step->modified);
    context.History().RedoApplied();
    if (IsSettingKind(step->entry.kind)) context.Listener().SettingsChanged();
    context.Report(restore.Touched(), RedoComment());
    if (!IsSettingKind(step->entry.kind)) context.ShowResult(step->entry.date, step->entry.key, step->entry.start);
    return true;
}

}  // namespace mv
