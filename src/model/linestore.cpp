#include "model/linestore.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

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

void LineStore::RemoveLines(const Date& date, const std::vector<std::string>& ids,
                            std::vector<std::string>& previous) {
    LineList& lines = Slot(SlotOfDate(date));
    const std::unordered_set<std::string_view> cids(ids.begin(), ids.end());
    std::unordered_set<std::string_view> seen;
    LineList kept;
    kept.reserve(lines.size());
    for (std::string& line : lines) {
        const auto cid = FindValue(line, "Ci_Cid", kSep);
        if (!cid || !cids.contains(*cid)) {
            kept.push_back(std::move(line));
            continue;
        }
        if (seen.insert(*cid).second) previous.push_back(std::move(line));
    }
    lines = std::move(kept);
}

void LineStore::ReplaceLines(const Date& date, std::vector<std::string> replacements,
                             std::vector<std::string>& previous) {
    LineList& lines = Slot(SlotOfDate(date));
    // Where each id's first line stands (ids copied: the lines get overwritten). A later
    // line with a replaced id goes, as in ReplaceLine; other duplicates stay.
    std::unordered_map<std::string, std::size_t> firstOf;
    // A line without an id matches none (its slot in idOf stays unset).
    std::vector<std::optional<std::string>> idOf(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto cid = FindValue(lines[i], "Ci_Cid", kSep)) idOf[i] = std::string(*cid);
        if (idOf[i]) firstOf.try_emplace(*idOf[i], i);
    }
    std::unordered_set<std::string> replaced;
    for (std::string& line : replacements) {
        std::string cid(FindValue(line, "Ci_Cid", kSep).value_or(std::string_view{}));
        const auto at = firstOf.find(cid);
        if (at == firstOf.end()) {
            firstOf.emplace(cid, lines.size());
            idOf.push_back(std::move(cid));
            lines.push_back(std::move(line));
            continue;
        }
        previous.push_back(std::exchange(lines[at->second], std::move(line)));
        replaced.insert(std::move(cid));
    }
    std::size_t out = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (idOf[i] && replaced.contains(*idOf[i]) && firstOf.at(*idOf[i]) != i) continue;
        if (out != i) lines[out] = std::move(lines[i]);
        ++out;
    }
    lines.resize(out);
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
