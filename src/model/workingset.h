#pragma once
// The dates in view: for each, its column record and its frames, built from the line store
// and written back to it.

#include <optional>
#include <string_view>
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

    // The frame operations every edit goes through; each keeps the frames' column and index
    // right. Dates out of view are changed in their stored lines instead.
    //
    // Puts a frame on a date in view, at the end of its list or at `position`; null (and the
    // frame dropped) when the date is not in view.
    TCInf* AddFrame(const Date& date, std::unique_ptr<TCInf> frame, int position = -1);
    // Adds a record line to a date: as a frame in its column when in view (the frame is
    // returned), otherwise to the date's stored lines.
    TCInf* AddLine(const Date& date, const std::string& line);
    // Takes the frame with this id off a date in view, keeping the object (a move to another
    // date keeps its id and serial); null when it is not there.
    std::unique_ptr<TCInf> TakeFrame(const Date& date, std::string_view cid);
    // Removes the frame with this id from a date, in view or stored (or the date's column
    // record with this id); false when none was there.
    bool RemoveFrame(const Date& date, std::string_view cid);
    // The frame with this id on a date in view; null when it is not there.
    TCInf* FrameOn(const Date& date, std::string_view cid);
    const TCInf* FrameOn(const Date& date, std::string_view cid) const;
    // The frame's record line as it is now: built from its object on a date in view, as
    // stored otherwise (and for a column record); nothing when the date has no such frame.
    std::optional<std::string> LineOf(const Date& date, std::string_view cid) const;
    // The frame with this id among the dates in view from `from` on (all of them when unset).
    TCInf* FindFrame(std::string_view cid, const Date& from = {});
    // Replaces the frame with the line's id on a date by the line, in its place (at the end
    // when it was not there); the new frame, or null out of view and for a column record
    // (stored, and the column's header).
    TCInf* ReplaceFromLine(const Date& date, const std::string& line);

    // RemoveFrame and ReplaceFromLine for many frames of one date, in one pass over its
    // stored lines when it is out of view. The lines they replace (as LineOf read them) are
    // appended to `previous`.
    void RemoveFrames(const Date& date, const std::vector<std::string>& cids, std::vector<std::string>& previous);
    void ReplaceFromLines(const Date& date, std::vector<std::string> lines, std::vector<std::string>& previous);

    int ColumnCount() const { return static_cast<int>(mColumns.size()); }
    std::optional<int> ColumnOf(const Date& date) const;
    DateColumn& Column(int index) { return mColumns.at(index); }
    const DateColumn& Column(int index) const { return mColumns.at(index); }
    const Date& Start() const { return mStart; }
    const RecordContext& Context() const { return mContext; }

private:
    void LoadColumn(int index);
    void SetHeader(int index, TCInf header);
    // Where the date's stored lines hold the column record with this id.
    std::optional<std::size_t> StoredColumnRecord(const Date& date, std::string_view cid) const;
    // The column record of a date with no record stored: its date and the header font.
    void ClearHeader(int index);
    void Renumber(int index);

    LineStore& mStore;
    RecordContext& mContext;
    Date mStart;
    std::vector<DateColumn> mColumns;
    bool mCommitAllowed = true;
};

}  // namespace mv
