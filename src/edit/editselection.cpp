#include "edit/editselection.h"

#include <algorithm>

namespace mv {

void EditSelection::Select(std::string cid, const Date& date, int field) {
    mCid = std::move(cid);
    mDate = date;
    mField = field;
}

void EditSelection::Clear() { Select({}, Date{}, -1); }

const TCInf* EditSelection::Frame(const WorkingSet& working) const {
    return Empty() ? nullptr : working.FrameOn(mDate, mCid);
}

TCInf* EditSelection::Frame(WorkingSet& working) const { return Empty() ? nullptr : working.FrameOn(mDate, mCid); }

int EditSelection::Field(const WorkingSet& working) const {
    const TCInf* frame = Frame(working);
    return frame && mField >= 0 && mField < static_cast<int>(frame->Fields.size()) ? mField : -1;
}

bool MultiSelection::Toggle(const std::string& cid, const Date& date) {
    auto it = std::find_if(mEntries.begin(), mEntries.end(), [&](const Entry& e) { return e.cid == cid; });
    if (it != mEntries.end()) {
        mEntries.erase(it);
        return false;
    }
    mEntries.push_back({cid, date});
    return true;
}

bool MultiSelection::Contains(std::string_view cid) const {
    return std::any_of(mEntries.begin(), mEntries.end(), [&](const Entry& e) { return e.cid == cid; });
}

void MultiSelection::DropVanished(const WorkingSet& working) {
    std::erase_if(mEntries, [&](const Entry& e) { return working.ColumnOf(e.date) && !working.FrameOn(e.date, e.cid); });
}

void DateRange::Press(const Date& date) { mAnchor = mFirst = mLast = date; }

void DateRange::Start(const Date& date) {
    mState = Selecting;
    Press(date);
}

void DateRange::ExtendTo(const Date& date) {
    if (mAnchor >= date) {
        mFirst = date;
        mLast = mAnchor;
    } else {
        mFirst = mAnchor;
        mLast = date;
    }
}

void DateRange::Clear() {
    mState = None;
    mAnchor = mFirst = mLast = Date{};
}

void DateRange::Cover(const Date& first, const Date& last) {
    mFirst = mAnchor = first;
    mLast = last;
}

}  // namespace mv
