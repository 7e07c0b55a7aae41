#include "edit/undocommands.h"

#include <algorithm>
#include <map>
#include <optional>

#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"

namespace mv {

namespace {

// Long multi-frame steps report their progress when they have more lines than this.
constexpr int kProgressEvery = 100;

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
    explicit Restorer(EditContext& context) : mWorking(context.Working()), mListener(context.Listener()) {}
    // The lines a long step will go through, for its progress.
    void ExpectLines(int total) { mTotal = total; }

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
    // Many lines at once, one date at a time: a long step (an import of a whole year) must
    // not look each frame up among all of its day's lines.
    void RemoveLines(const std::vector<const std::string*>& lines) {
        for (auto& [date, cids] : ByDate(lines, [](const std::string&, const LineKey& key) { return key.cid; })) {
            mWorking.RemoveFrames(date, cids, mReplaced);
            Touch(date, cids.size());
        }
    }
    void PutLines(const std::vector<const std::string*>& lines) {
        for (auto& [date, group] : ByDate(lines, [](const std::string& line, const LineKey&) { return line; })) {
            const std::size_t count = group.size();
            mWorking.ReplaceFromLines(date, std::move(group), mReplaced);
            Touch(date, count);
        }
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
    // The lines' dates in order, each with what `pick` takes of its lines (kept in order).
    template <typename Pick>
    static std::map<Date, std::vector<std::string>> ByDate(const std::vector<const std::string*>& lines, Pick pick) {
        std::map<Date, std::vector<std::string>> groups;
        for (const std::string* line : lines)
            if (auto key = KeyOfLine(*line)) groups[key->date].push_back(pick(*line, *key));
        return groups;
    }
    // The progress of a long step counts its lines, reported after each date.
    void Touch(const Date& date, std::size_t lines) {
        mTouched.push_back(date);
        mDone += static_cast<int>(lines);
        if (mTotal > kProgressEvery) mListener.Progress(mDone, mTotal);
    }

    WorkingSet& mWorking;
    EditListener& mListener;
    int mTotal = 0;
    int mDone = 0;
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
    case HistoryKind::CsvImport:
    case HistoryKind::IcsImport: return true;
    default: return false;
    }
}

bool RestoresBeforeLines(HistoryKind kind) {
    switch (kind) {
    case HistoryKind::DateDelete:
    case HistoryKind::DateMove:
    case HistoryKind::CalendarMove:
    case HistoryKind::MultiDelete:
    case HistoryKind::MultiMove:
    case HistoryKind::IcsImport: return true;
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

// The lines of a step, without copying them.
template <typename Lines, typename Take>
std::vector<const std::string*> Pointers(const Lines& lines, Take take) {
    std::vector<const std::string*> pointers;
    pointers.reserve(lines.size());
    for (const auto& line : lines) pointers.push_back(&take(line));
    return pointers;
}
std::vector<const std::string*> Pointers(const std::vector<std::string>& lines) {
    return Pointers(lines, [](const std::string& line) -> const std::string& { return line; });
}
std::vector<const std::string*> AfterLines(const std::vector<LinePair>& pairs) {
    return Pointers(pairs, [](const LinePair& pair) -> const std::string& { return pair.after; });
}
std::vector<const std::string*> BeforeLines(const std::vector<LinePair>& pairs) {
    return Pointers(pairs, [](const LinePair& pair) -> const std::string& { return pair.before; });
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
        restore.PutLines(BeforeLines(step->lines));
        break;
    case HistoryKind::BaseYear:
    case HistoryKind::MinuteStep:
        replaced.value = SettingOf(design, entry.kind);
        SetSetting(design, entry.kind, entry.value);
        break;
    default:
        if (IsMultiFrameKind(entry.kind)) {
            // All removals first, then the lines put back: a frame moved on its own date
            // is removed and put back as when each pair went in turn.
            const bool removes = RemovesAfterLines(entry.kind), restores = RestoresBeforeLines(entry.kind);
            restore.ExpectLines(static_cast<int>(step->lines.size()) * (int(removes) + int(restores)));
            if (removes) restore.RemoveLines(AfterLines(step->lines));
            if (restores) restore.PutLines(BeforeLines(step->lines));
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
    restore.ExpectLines(static_cast<int>(step->removeLines.size() + step->addLines.size()));
    restore.RemoveLines(Pointers(step->removeLines));
    restore.PutLines(Pointers(step->addLines));
    context.Listener().Progress(0, 0);
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
