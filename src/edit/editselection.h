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

}  // namespace mv
