#include "model/framemerge.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "model/keyvalueline.h"

namespace mv {

namespace {

// A line's key is its frame id; a line without one (a hand-made file) is known only by its
// whole text. A second line with the same id in one slot gets the occurrence number, so
// that each line has a key of its own.
std::vector<std::string> KeysOf(const LineList& lines) {
    std::vector<std::string> keys;
    keys.reserve(lines.size());
    std::unordered_map<std::string, int> seen;
    for (const std::string& line : lines) {
        std::string key;
        if (!GetText(line, "Ci_Cid", kSep, key) || key.empty()) key = "\x01" + line;
        const int occurrence = seen[key]++;
        if (occurrence > 0) key += "\x02" + std::to_string(occurrence);
        keys.push_back(std::move(key));
    }
    return keys;
}

template <typename Keys>
std::unordered_map<std::string_view, std::size_t> IndexOf(const Keys& keys) {
    std::unordered_map<std::string_view, std::size_t> index;
    for (std::size_t i = 0; i < keys.size(); ++i) index.emplace(keys[i], i);
    return index;
}

}  // namespace

LineList MergeSlot(const LineList& base, const LineList& mine, const LineList& theirs,
                   const LineNormalizer& normalize) {
    const std::vector<std::string> baseKeys = KeysOf(base), myKeys = KeysOf(mine), theirKeys = KeysOf(theirs);
    const auto inBase = IndexOf(baseKeys);
    const auto inTheirs = IndexOf(theirKeys);
    std::unordered_set<std::string_view> inMine(myKeys.begin(), myKeys.end());

    auto unchangedHere = [&](std::size_t i) {
        auto found = inBase.find(myKeys[i]);
        if (found == inBase.end()) return false;
        const std::string& before = base[found->second];
        return before == mine[i] || (normalize && normalize(before) == normalize(mine[i]));
    };

    LineList merged;
    merged.reserve(mine.size() + theirs.size());
    for (std::size_t i = 0; i < mine.size(); ++i) {
        if (!unchangedHere(i)) {
            merged.push_back(mine[i]);  // added or changed here
            continue;
        }
        // Untouched here: as the others left it, which may be deleted.
        auto found = inTheirs.find(myKeys[i]);
        if (found != inTheirs.end()) merged.push_back(theirs[found->second]);
    }
    for (std::size_t i = 0; i < theirs.size(); ++i) {
        // A frame of the base that this instance no longer has was deleted here.
        if (!inMine.count(theirKeys[i]) && !inBase.count(theirKeys[i])) merged.push_back(theirs[i]);
    }
    return merged;
}

}  // namespace mv
