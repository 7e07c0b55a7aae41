#include "model/linestore.h"

#include <algorithm>

#include "model/keyvalueline.h"

namespace mv {

namespace {
bool HasId(const std::string& line, std::string_view cid) {
    auto found = FindValue(line, "Ci_Cid", kSep);
    return found && *found == cid;
}
}  // namespace

bool LineStore::RemoveLine(const Date& date, std::string_view cid) {
    LineList& lines = Slot(SlotOfDate(date));
    const auto kept = std::remove_if(lines.begin(), lines.end(), [&](const std::string& line) { return HasId(line, cid); });
    const bool removed = kept != lines.end();
    lines.erase(kept, lines.end());
    return removed;
}

void LineStore::ReplaceLine(const Date& date, std::string_view cid, std::string line) {
    LineList& lines = Slot(SlotOfDate(date));
    auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return HasId(l, cid); });
    if (it == lines.end()) {
        lines.push_back(std::move(line));
        return;
    }
    *it = std::move(line);
    lines.erase(std::remove_if(std::next(it), lines.end(), [&](const std::string& l) { return HasId(l, cid); }),
                lines.end());
}

const std::string* LineStore::FindLine(const Date& date, std::string_view cid) const {
    for (const std::string& line : Slot(SlotOfDate(date)))
        if (HasId(line, cid)) return &line;
    return nullptr;
}

void LineStore::Clear() {
    for (auto& slot : mSlots) LineList().swap(slot);
    for (auto& twin : mTwins) LineList().swap(twin);
}

void LineStore::AppendTwin(int slot) {
    const LineList& twin = mTwins.at(slot);
    LineList& lines = mSlots.at(slot);
    lines.insert(lines.end(), twin.begin(), twin.end());
}

std::size_t LineStore::LineCount() const {
    std::size_t count = 0;
    for (const auto& slot : mSlots) count += slot.size();
    return count;
}

}  // namespace mv
