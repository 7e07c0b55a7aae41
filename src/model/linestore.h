#pragma once
// The whole design as record lines, one list per month-day slot, in file order; and a twin
// set of lists of the same shape that the undo history copies slots into.

#include <array>
#include <string>
#include <vector>

#include <string_view>

#include "model/dayslot.h"

namespace mv {

using LineList = std::vector<std::string>;

class LineStore {
public:
    LineList& Slot(int slot) { return mSlots.at(slot); }
    const LineList& Slot(int slot) const { return mSlots.at(slot); }
    LineList& Twin(int slot) { return mTwins.at(slot); }
    const LineList& Twin(int slot) const { return mTwins.at(slot); }

    // One date's stored lines, by frame id (Ci_Cid); a date's lines are its slot's.
    void AddLine(const Date& date, std::string line) { Slot(SlotOfDate(date)).push_back(std::move(line)); }
    // Removes every line of the frame; false when there was none.
    bool RemoveLine(const Date& date, std::string_view cid);
    // Puts the line in place of the frame's line (with its id), or at the end when the
    // date has none.
    void ReplaceLine(const Date& date, std::string_view cid, std::string line);
    // The frame's line, or null.
    const std::string* FindLine(const Date& date, std::string_view cid) const;

    // The same for many frames of one date in one pass over its lines, for the long undo
    // and redo steps (a lookup per frame would be quadratic in the day's lines). Each
    // frame's first line before the change is appended to `previous`: in stored order for
    // removals, in the order of `lines` for replacements.
    void RemoveLines(const Date& date, const std::vector<std::string>& cids, std::vector<std::string>& previous);
    void ReplaceLines(const Date& date, std::vector<std::string> lines, std::vector<std::string>& previous);

    void Clear();
    // Copies a slot into its twin list.
    void CopyToTwin(int slot) { mTwins.at(slot) = mSlots.at(slot); }
    // Appends the twin's lines to the slot.
    void AppendTwin(int slot);
    std::size_t LineCount() const;

private:
    std::array<LineList, kSlotCount> mSlots;
    std::array<LineList, kSlotCount> mTwins;
};

}  // namespace mv
