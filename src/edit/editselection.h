#pragma once
// What the user has chosen: the selected frame (and field) and the multi-selection, each
// held by Ci_Cid and date. Every reload re-creates the frame objects (a shared-mode poll may
// rebuild a date at any tick), so nothing is held by pointer: the frame is found again each
// time the selection is used.

#include <string>
#include <string_view>
#include <vector>

#include "model/workingset.h"

namespace mv {

class EditSelection {
public:
    void Select(std::string cid, const Date& date, int field = -1);
    void SelectField(int field) { mField = field; }
    void Clear();

    bool Empty() const { return mCid.empty(); }
    const std::string& Cid() const { return mCid; }
    const Date& SelectedDate() const { return mDate; }
    // Index into the frame's fields; -1 for none, and for one the frame no longer has.
    int Field(const WorkingSet& working) const;
    // The selected frame as the working set holds it now; null when it is gone or its date
    // is not shown.
    TCInf* Frame(WorkingSet& working) const;
    const TCInf* Frame(const WorkingSet& working) const;

private:
    std::string mCid;
    Date mDate;
    int mField = -1;
};

// Frames chosen together (Ctrl-click), in the order chosen.
class MultiSelection {
public:
    struct Entry {
        std::string cid;
        Date date;
    };
    // Adds the frame, or takes it out when it is chosen; true when it is chosen afterwards.
    bool Toggle(const std::string& cid, const Date& date);
    bool Contains(std::string_view cid) const;
    void Clear() { mEntries.clear(); }
    std::size_t Count() const { return mEntries.size(); }
    const std::vector<Entry>& Entries() const { return mEntries; }
    // Forgets the frames that are gone from the shown dates (deleted here or by a sharer);
    // frames of dates out of view stay chosen.
    void DropVanished(const WorkingSet& working);

private:
    std::vector<Entry> mEntries;
};

// A run of consecutive dates picked on the date header: being picked (state 1) from its
// anchor to the date the pointer reached, or fixed (state 2).
class DateRange {
public:
    enum State { None = 0, Selecting = 1, Fixed = 2 };
    State CurrentState() const { return mState; }
    const Date& First() const { return mFirst; }
    const Date& Last() const { return mLast; }
    // State 0: anchor, first and last at the date.
    void Press(const Date& date);
    // "1. 範囲": picking starts at the date.
    void Start(const Date& date);
    // The range runs from the anchor to the date, in whichever order.
    void ExtendTo(const Date& date);
    void Fix() { mState = Fixed; }
    void Clear();
    // After a move or copy the range covers where the days went.
    void Cover(const Date& first, const Date& last);

private:
    State mState = None;
    Date mAnchor, mFirst, mLast;
};

}  // namespace mv
