#pragma once
// The dates in view: for each, its column record and its frames, built from the line store
// and written back to it.

#include <optional>
#include <vector>

#include "model/frame.h"
#include "model/linestore.h"
#include "model/recordline.h"

namespace mv {

struct DateColumn {
    Date date;
    TCInf header;     // the column record: header text, font, colours, fields, day memo
    FrameList frames;
};

class WorkingSet {
public:
    WorkingSet(LineStore& store, RecordContext& context) : mStore(store), mContext(context) {}

    // A fresh set of columns, dates from `start` on, with empty column records.
    void Build(const Date& start, int days);
    // Creates the frames of every date in view from their slots' lines.
    void LoadView();
    // Re-creates the frames of one date in view from its slot's lines.
    void LoadDay(const Date& date);
    // LoadDay of every date in view whose slot is in the set, whatever its year.
    void LoadSlots(const SlotSet& slots);
    // Replaces the slot's lines by the lines of the date's frames; dates outside the view
    // are left alone.
    void StoreDay(const Date& date);
    // StoreDay of every date in view, when committing is allowed and the design is modified.
    void CommitView(bool modified);
    void SetCommitAllowed(bool allowed) { mCommitAllowed = allowed; }
    bool CommitAllowed() const { return mCommitAllowed; }

    // Removes a frame from its date's list and frees it with its fields.
    void FreeFrame(const TCInf* frame);

    int ColumnCount() const { return static_cast<int>(mColumns.size()); }
    std::optional<int> ColumnOf(const Date& date) const;
    DateColumn& Column(int index) { return mColumns.at(index); }
    const DateColumn& Column(int index) const { return mColumns.at(index); }
    const Date& Start() const { return mStart; }
    const RecordContext& Context() const { return mContext; }

private:
    void LoadColumn(int index);
    void Renumber(int index);

    LineStore& mStore;
    RecordContext& mContext;
    Date mStart;
    std::vector<DateColumn> mColumns;
    bool mCommitAllowed = true;
};

}  // namespace mv
