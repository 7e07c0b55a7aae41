#pragma once
// What every edit works on and reports to: the design, the working set of the shown dates,
// the undo history, shared mode and the window (through a listener). Commands of the edit
// layer take a context and never read a widget, so the window, the property window and the
// command-line tool run the same commands.

#include <string_view>
#include <vector>

#include "edit/editselection.h"
#include "edit/pointer.h"
#include "edit/undohistory.h"
#include "model/designfile.h"
#include "model/sharedmode.h"
#include "model/workingset.h"

namespace mv {

// What the edit layer asks of whoever shows the design.
class EditListener {
public:
    virtual ~EditListener() = default;
    // The frames of these shown dates changed: lay their columns out again and redraw them.
    virtual void DatesChanged(const std::vector<Date>& dates) = 0;
    // The base year or the minute unit changed: rebuild the view.
    virtual void SettingsChanged() {}
    // Select this frame and bring it into view (its date and start time).
    virtual void ShowFrame(const Date& /*date*/, const std::string& /*cid*/, int /*start*/) {}
    // The undo and redo captions changed.
    virtual void HistoryChanged() {}

    // What the pointer editing asks of the window showing the picture.
    // The selected frame, its field or the editing mode changed: draw the selection again.
    virtual void SelectionChanged() {}
    // The chosen frames changed: draw them again.
    virtual void ChosenChanged() {}
    // One frame's look changed in place (a field dragged inside it): draw it again.
    virtual void FrameRedraw(const Date& /*date*/, const std::string& /*cid*/) {}
    // The drag preview appeared, moved or went.
    virtual void PreviewChanged() {}
    virtual void SetPointer(PointerShape /*shape*/) {}
    // The part of the picture the scroll box shows, in picture coordinates.
    virtual PixelRect VisibleArea() const { return {}; }
    // Scroll the picture by this many pixels (held inside its scroll range).
    virtual void ScrollView(int /*dx*/, int /*dy*/) {}
    // Step the shown dates one day a tick back or forward while a drag is held at the
    // picture's edge, or stop.
    virtual void ScrollDates(DateScroll /*direction*/) {}
    // Open the in-place editor on a title field of a frame.
    virtual void EditFieldInPlace(const Date& /*date*/, const std::string& /*cid*/, int /*field*/) {}
    // A long step has done `done` of `total` lines; (0, 0) when it has ended.
    virtual void Progress(int /*done*/, int /*total*/) {}
    // The pressed column's date header and cell are shown as pressed.
    virtual void PressedAt(int /*column*/, int /*row*/) {}
    // Open the property window on the selected frame.
    virtual void ShowProperties() {}
};

class EditContext : private ModifiedListener {
public:
    EditContext(DesignDocument& design, WorkingSet& working, UndoHistory& history, EditListener& listener,
                SharedMode* sharing = nullptr);
    ~EditContext() override;
    EditContext(const EditContext&) = delete;
    EditContext& operator=(const EditContext&) = delete;

    DesignDocument& Design() { return mDesign; }
    WorkingSet& Working() { return mWorking; }
    UndoHistory& History() { return mHistory; }
    EditListener& Listener() { return mListener; }
    EditSelection& Selection() { return mSelection; }
    MultiSelection& Chosen() { return mChosen; }
    DateRange& Range() { return mRange; }
    // Shared mode, when the design can be shared; commands that match their input against
    // the stored frames bring the design up to date through it first.
    SharedMode* Sharing() { return mSharing; }
    // Selects the frame an edit ended on and asks the window to bring it into view.
    void ShowResult(const Date& date, const std::string& cid, int start);

    // The end of every edit, after its undo entry and its data change: set modified, redraw
    // the touched dates, and report them all in one shared-mode change report.
    void FinishEdit(const std::vector<Date>& dates, std::string_view comment);
    // Sets the modified flag as an undo step restores it; clearing it this way does not
    // empty the history, as opening or saving a design does.
    void RestoreModified(bool modified);
    // Reports changed dates without touching the modified flag (undo and redo set it).
    void Report(const std::vector<Date>& dates, std::string_view comment);
    // The same with a comment of each date's own (a move's source and target).
    void ReportChanges(const std::vector<DateChange>& changes);

private:
    void ModifiedSet(bool modified) override;

    DesignDocument& mDesign;
    WorkingSet& mWorking;
    UndoHistory& mHistory;
    EditListener& mListener;
    SharedMode* mSharing;
    EditSelection mSelection;
    MultiSelection mChosen;
    DateRange mRange;
    bool mRestoring = false;
};

}  // namespace mv
