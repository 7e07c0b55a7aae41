#include "model/linestore.h"

namespace mv {

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
