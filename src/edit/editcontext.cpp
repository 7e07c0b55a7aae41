#include "edit/editcontext.h"

#include <algorithm>

#include "model/sharedmode.h"

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

void EditContext::FinishEdit(const std::vector<Date>& dates, std::string_view comment) {
    mDesign.SetModified(true);
    Report(dates, comment);
}

void EditContext::Report(const std::vector<Date>& dates, std::string_view comment) {
    std::vector<Date> sorted = dates;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.empty()) return;
    mListener.DatesChanged(sorted);
    if (mSharing) mSharing->NotifyChange(sorted, comment);
}

}  // namespace mv
