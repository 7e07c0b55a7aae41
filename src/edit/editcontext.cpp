#include "edit/editcontext.h"

#include <algorithm>


namespace mv {

EditContext::EditContext(DesignDocument& design, WorkingSet& working, UndoHistory& history, EditListener& listener,
                         SharedMode* sharing)
    : mDesign(design), mWorking(working), mHistory(history), mListener(listener), mSharing(sharing) {
    mDesign.AddModifiedListener(this);
    mHistory.SetModifiedSource([this] { return mDesign.Modified(); });
    mHistory.SetChangedListener([this] { mListener.HistoryChanged(); });
}

EditContext::~EditContext() { mDesign.RemoveModifiedListener(this); }

void EditContext::ModifiedSet(bool modified) {
    // A design opened, created or saved starts a new history.
    if (!modified && !mRestoring) mHistory.Clear();
}

void EditContext::RestoreModified(bool modified) {
    mRestoring = true;
    mDesign.SetModified(modified);
    mRestoring = false;
}

void EditContext::ShowResult(const Date& date, const std::string& cid, int start) {
    mSelection.Select(cid, date);
    mListener.ShowFrame(date, cid, start);
}

void EditContext::FinishEdit(const std::vector<Date>& dates, std::string_view comment) {
    mDesign.SetModified(true);
    Report(dates, comment);
}

void EditContext::Report(const std::vector<Date>& dates, std::string_view comment) {
    std::vector<DateChange> changes;
    for (const Date& date : dates) changes.push_back({date, Date{}, std::string(comment)});
    ReportChanges(changes);
}

void EditContext::ReportChanges(const std::vector<DateChange>& changes) {
    std::vector<Date> dates;
    for (const DateChange& change : changes) {
        dates.push_back(change.first);
        // A range names every date from its first to its last.
        if (change.last != Date{})
            for (Date date = AddDays(change.first, 1); date <= change.last; date = AddDays(date, 1)) dates.push_back(date);
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    if (dates.empty()) return;
    mListener.DatesChanged(dates);
    if (mSharing) mSharing->NotifyChanges(changes);
}

}  // namespace mv
