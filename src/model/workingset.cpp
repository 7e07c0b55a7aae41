#include "model/workingset.h"

#include <algorithm>
#include <utility>

#include "model/keyvalueline.h"

namespace mv {

namespace {
bool IsFrameLine(const std::string& line) {
    int start = 0;
    Date date;
    return GetDate(line, "Ci_CDate", kSep, date) && !(GetInt(line, "Ci_STime", kSep, start) && start < 0);
}
}  // namespace

void WorkingSet::Build(const Date& start, int days) {
    mStart = start;
    mColumns.clear();
    mColumns.resize(std::max(days, 0));
    for (int i = 0; i < ColumnCount(); ++i) {
        mColumns[i].date = AddDays(start, i);
        ClearHeader(i);
    }
}

void WorkingSet::SetHeader(int index, TCInf header) {
    mColumns[index].header = std::move(header);
    mColumns[index].header.Column = index;
}

void WorkingSet::ClearHeader(int index) {
    DateColumn& column = mColumns[index];
    column.header = TCInf{};
    column.header.CDate = column.date;
    column.header.TextStr.clear();
    column.header.TextFH = -(mContext.defaults.baseFontHeight * 12 / 10);
    column.header.Column = index;
}

std::optional<int> WorkingSet::ColumnOf(const Date& date) const {
    return ShownIndexOf(mStart, ColumnCount(), date);
}

void WorkingSet::LoadColumn(int index) {
    DateColumn& column = mColumns[index];
    column.frames.clear();
    for (const std::string& line : mStore.Slot(SlotOfDate(column.date))) {
        ParsedRecord parsed = ParseRecordLine(line, mContext);
        if (parsed.kind == ParsedRecord::Kind::Frame) {
            parsed.frame->Column = index;
            column.frames.push_back(std::move(parsed.frame));
        } else if (parsed.kind == ParsedRecord::Kind::ColumnRecord) {
            SetHeader(index, std::move(*parsed.frame));
        }
    }
    Renumber(index);
}

void WorkingSet::Renumber(int index) {
    FrameList& frames = mColumns[index].frames;
    for (std::size_t i = 0; i < frames.size(); ++i) frames[i]->IndexInColumn = static_cast<int>(i);
}

void WorkingSet::LoadView() {
    for (int i = 0; i < ColumnCount(); ++i) LoadColumn(i);
}

void WorkingSet::LoadDay(const Date& date) {
    if (auto index = ColumnOf(date)) LoadColumn(*index);
}

void WorkingSet::LoadSlots(const SlotSet& slots) {
    for (int i = 0; i < ColumnCount(); ++i)
        if (slots.test(SlotOfDate(mColumns[i].date))) LoadColumn(i);
}

void WorkingSet::StoreDay(const Date& date) {
    auto index = ColumnOf(date);
    if (!index) return;
    LineList& lines = mStore.Slot(SlotOfDate(date));
    // Lines that are no frame (the date's column record) are kept: dropping them would lose
    // the column's header text, which no frame carries.
    LineList kept;
    for (std::string& line : lines)
        if (!IsFrameLine(line)) kept.push_back(std::move(line));
    lines = std::move(kept);
    for (const auto& frame : mColumns[*index].frames) lines.push_back(BuildRecordLine(*frame));
}

void WorkingSet::CommitView(bool modified) {
    if (!mCommitAllowed || !modified) return;
    for (const DateColumn& column : mColumns) StoreDay(column.date);
}

TCInf* WorkingSet::AddFrame(const Date& date, std::unique_ptr<TCInf> frame, int position) {
    auto index = ColumnOf(date);
    if (!index || !frame) return nullptr;
    FrameList& frames = mColumns[*index].frames;
    const std::size_t at = position < 0 ? frames.size() : std::min<std::size_t>(position, frames.size());
    frame->Column = *index;
    TCInf* added = frame.get();
    frames.insert(frames.begin() + static_cast<std::ptrdiff_t>(at), std::move(frame));
    Renumber(*index);
    return added;
}

TCInf* WorkingSet::AddLine(const Date& date, const std::string& line) {
    auto index = ColumnOf(date);
    if (!index) {
        mStore.AddLine(date, line);
        return nullptr;
    }
    ParsedRecord parsed = ParseRecordLine(line, mContext);
    if (parsed.kind == ParsedRecord::Kind::ColumnRecord) {
        SetHeader(*index, std::move(*parsed.frame));
        return nullptr;
    }
    return AddFrame(date, std::move(parsed.frame));
}

std::unique_ptr<TCInf> WorkingSet::TakeFrame(const Date& date, std::string_view cid) {
    auto index = ColumnOf(date);
    if (!index) return nullptr;
    FrameList& frames = mColumns[*index].frames;
    auto it = std::find_if(frames.begin(), frames.end(), [&](const auto& f) { return f->Cid == cid; });
    if (it == frames.end()) return nullptr;
    std::unique_ptr<TCInf> taken = std::move(*it);
    frames.erase(it);
    Renumber(*index);
    return taken;
}

bool WorkingSet::RemoveFrame(const Date& date, std::string_view cid) {
    const std::optional<int> index = ColumnOf(date);
    if (!index) return mStore.RemoveLine(date, cid);
    if (TakeFrame(date, cid)) return true;
    // A shown date's column record lives in its stored lines (storing the day keeps them):
    // it goes from there, and the column's header is read again from what is left.
    const std::optional<std::size_t> record = StoredColumnRecord(date, cid);
    if (!record) return false;
    LineList& lines = mStore.Slot(SlotOfDate(date));
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*record));
    ClearHeader(*index);
    for (const std::string& line : lines) {
        ParsedRecord parsed = ParseRecordLine(line, mContext);
        if (parsed.kind != ParsedRecord::Kind::ColumnRecord) continue;
        SetHeader(*index, std::move(*parsed.frame));
    }
    return true;
}

const TCInf* WorkingSet::FrameOn(const Date& date, std::string_view cid) const {
    auto index = ColumnOf(date);
    if (!index) return nullptr;
    for (const auto& frame : mColumns[*index].frames)
        if (frame->Cid == cid) return frame.get();
    return nullptr;
}

TCInf* WorkingSet::FrameOn(const Date& date, std::string_view cid) {
    return const_cast<TCInf*>(std::as_const(*this).FrameOn(date, cid));
}

std::optional<std::size_t> WorkingSet::StoredColumnRecord(const Date& date, std::string_view cid) const {
    const LineList& lines = mStore.Slot(SlotOfDate(date));
    const auto record = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return !IsFrameLine(line) && FindValue(line, "Ci_Cid", kSep) == std::optional<std::string_view>(cid);
    });
    if (record == lines.end()) return std::nullopt;
    return static_cast<std::size_t>(record - lines.begin());
}

std::optional<std::string> WorkingSet::LineOf(const Date& date, std::string_view cid) const {
    if (ColumnOf(date)) {
        if (const TCInf* frame = FrameOn(date, cid)) return BuildRecordLine(*frame);
        // A column record is kept as stored.
        if (const std::optional<std::size_t> record = StoredColumnRecord(date, cid))
            return mStore.Slot(SlotOfDate(date))[*record];
        return std::nullopt;
    }
    if (const std::string* line = mStore.FindLine(date, cid)) return *line;
    return std::nullopt;
}

TCInf* WorkingSet::FindFrame(std::string_view cid, const Date& from) {
    const int first = from == Date{} ? 0 : std::max(0, DaySerial(from) - DaySerial(mStart));
    for (int i = first; i < ColumnCount(); ++i)
        for (const auto& frame : mColumns[i].frames)
            if (frame->Cid == cid) return frame.get();
    return nullptr;
}

TCInf* WorkingSet::ReplaceFromLine(const Date& date, const std::string& line) {
    std::string cid;
    GetText(line, "Ci_Cid", kSep, cid);
    auto index = ColumnOf(date);
    if (!index) {
        mStore.ReplaceLine(date, cid, line);
        return nullptr;
    }
    ParsedRecord parsed = ParseRecordLine(line, mContext);
    if (parsed.kind == ParsedRecord::Kind::ColumnRecord) {
        // Kept in the stored lines, as a shown date's column record is.
        mStore.ReplaceLine(date, cid, line);
        SetHeader(*index, std::move(*parsed.frame));
    }
    if (parsed.kind != ParsedRecord::Kind::Frame) return nullptr;
    FrameList& frames = mColumns[*index].frames;
    auto it = std::find_if(frames.begin(), frames.end(), [&](const auto& f) { return f->Cid == cid; });
    const int position = it == frames.end() ? -1 : static_cast<int>(it - frames.begin());
    if (it != frames.end()) frames.erase(it);
    return AddFrame(date, std::move(parsed.frame), position);
}

void WorkingSet::RemoveFrames(const Date& date, const std::vector<std::string>& cids,
                              std::vector<std::string>& previous) {
    if (!ColumnOf(date)) {
        mStore.RemoveLines(date, cids, previous);
        return;
    }
    for (const std::string& cid : cids) {
        if (auto line = LineOf(date, cid)) previous.push_back(std::move(*line));
        RemoveFrame(date, cid);
    }
}

void WorkingSet::ReplaceFromLines(const Date& date, std::vector<std::string> lines,
                                  std::vector<std::string>& previous) {
    if (!ColumnOf(date)) {
        mStore.ReplaceLines(date, std::move(lines), previous);
        return;
    }
    for (const std::string& line : lines) {
        std::string cid;
        GetText(line, "Ci_Cid", kSep, cid);
        if (auto current = LineOf(date, cid)) previous.push_back(std::move(*current));
        ReplaceFromLine(date, line);
    }
}

void WorkingSet::FreeFrame(const TCInf* frame) {
    for (int i = 0; i < ColumnCount(); ++i) {
        FrameList& frames = mColumns[i].frames;
        auto it = std::find_if(frames.begin(), frames.end(), [&](const auto& f) { return f.get() == frame; });
        if (it != frames.end()) {
            frames.erase(it);
            Renumber(i);
            return;
        }
    }
}

}  // namespace mv
