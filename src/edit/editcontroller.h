#pragma once
// Editing with the pointer on the timetable picture: selecting a frame and its field,
// taking it by an edge or its body into the drag preview, dragging a field inside its
// frame, stretching a frame onto its neighbour with Shift, choosing frames with Ctrl,
// scrolling by dragging the background, and the editing modes a double-click cycles
// through. Fed with plain pointer events in picture coordinates; everything it changes
// goes through the edit commands, everything it shows through the edit listener.

#include <optional>
#include <string>

#include "edit/dragpreview.h"
#include "edit/editcontext.h"
#include "edit/framerules.h"
#include "view/geometry/designview.h"

namespace mv {

class Dialogs;
class FrameIdSource;

// What the pointer editing reads of the window's state at each event.
struct PointerOptions {
    bool freePlacement = false;  // frames keep the place the user gives them
    int titlePlacement = 1;      // 0: fields keep their free offsets
    int minuteUnit = 5;
    bool dragScroll = false;     // dragging the background scrolls the picture
    bool packed = false;         // the packed display: no editing
    bool doubleClickProperties = false;  // a double-click on a frame opens its properties
    bool busy = false;           // a long operation runs: presses do nothing
};

class EditController {
public:
    EditController(EditContext& context, DesignView& view, Dialogs& dialogs, FrameIdSource& ids);

    void SetOptions(const PointerOptions& options) { mOptions = options; }
    const PointerOptions& Options() const { return mOptions; }

    EditMode Mode() const { return mMode; }
    // A button is held on the picture.
    bool Pressed() const { return mPressed; }
    bool CopyFlag() const { return mCopy; }
    // Enters MoveCopy on the selected frame, moving or copying (the menu's move and copy);
    // with `prepare` the preview stands ready at once.
    void EnterMoveCopy(bool copy, bool prepare);
    const DragPreview& Preview() const { return mPreview; }

    void MouseDown(const PointerEvent& event);
    void MouseMove(const PointerEvent& event);
    void MouseUp(const PointerEvent& event);
    void DoubleClick(const PointerEvent& event);
    // Esc: the chosen frames are let go, or MoveCopy is left.
    void Escape();
    // The view was laid out again (after date scrolling, a reload): a release held back
    // while the dates scrolled is played now.
    void LayoutSettled();
    // The frame commands of the popup menu and the keys, on the frame the last press chose
    // (and the press point). Each does nothing without what it needs.
    bool PressedOnFrame() const { return mPressedOnFrame; }
    // A new frame at the press: the pressed frame's times, or the gap around the press
    // (the pressed hour row's own times with `onTheHour`); then MoveCopy to drag it.
    void CreateAtPress(bool onTheHour);
    // Delete: the chosen frames when the selected one is among several chosen, else the
    // selected frame, or its selected field when one is selected and nothing is chosen.
    void DeleteKey();
    void DeleteSelectedFrame();
    void DeleteSelectedField();
    void ToggleSelectedChosen();
    void ConnectSelected(ConnectWay way);
    void AddFieldToSelected(bool timeField);

    // Undo and redo show what they restored in the Normal mode; a drag held meanwhile ends.
    // Makes the fields of the selected frame editable (the property window opened on it).
    void EnterFieldEdit();
    void ReturnToNormal();
    // The design or the view was replaced: every drag ends, the mode returns to Normal.
    void Reset();

private:
    struct FieldDrag {
        Date date;
        std::string cid;
        int field = -1;
        int pressOffsetX = 0, pressOffsetY = 0;  // the press inside the field's box
        FrameSnapshot before;
        bool moved = false;
    };
    struct ShiftDrag {
        Date date;
        std::string cid;
        int x = 0, y = 0;
        bool dragging = false;
        std::string target;  // the neighbour under the pointer that would accept the drop
    };

    void SetMode(EditMode mode);
    void CancelDrag();
    bool PreparePreview(GripKind grip);
    void HidePreview();
    void ReleasePreview(const PointerEvent& event);
    void MoveField(const PointerEvent& event);
    void TrackShiftDrag(const PointerEvent& event);
    void ShowHoverPointer(const PointerEvent& event);
    const FrameBox* SelectedBox() const;
    const FrameBox* BoxOf(const Date& date, const std::string& cid) const;
    int FieldUnder(const FrameBox& box, int x, int y) const;

    EditContext& mContext;
    DesignView& mView;
    Dialogs& mDialogs;
    FrameIdSource& mIds;
    PointerOptions mOptions;
    EditMode mMode = EditMode::Normal;
    EditMode mModeBefore = EditMode::Normal;
    bool mCopy = false;
    bool mPressed = false;
    bool mPressedOnFrame = false;
    int mPressX = 0, mPressY = 0;
    DragPreview mPreview;
    std::optional<FieldDrag> mFieldDrag;
    std::optional<ShiftDrag> mShiftDrag;
};

}  // namespace mv
