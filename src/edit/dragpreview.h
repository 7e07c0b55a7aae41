#pragma once
// The floating preview of a frame being resized, moved or copied: the frame stays where it
// is while a copy of its rectangle follows the pointer, snapped to the minute unit and kept
// inside the time grid, with the times it would get. Dragged over the picture's left or
// right edge it asks for the dates to scroll; a release while they scroll is kept and
// played once the view is laid out again. Pure state: the controller feeds it picture
// coordinates and the current layout, the window draws what it holds.

#include <optional>
#include <string>

#include "edit/framedrop.h"
#include "edit/grip.h"
#include "edit/pointer.h"
#include "view/geometry/framelayout.h"

namespace mv {

// Where the preview and its time label stand, in picture coordinates.
struct PreviewPicture {
    PixelRect frame;
    int start = 0, end = 0;  // the times the frame would get (HHMM)
    std::string label;       // " 09:00～10:00 " (Shift-JIS)
    PixelRect labelRect;
};

// The preview's view of the date scrolling: dates flying by (Outside), the pointer back
// inside and the scrolling told to stop (Inside), or the view laid out again (Ready).
enum class EdgeState { Outside = 100, Inside = 101, Ready = 102 };

struct PreviewMove {
    bool changed = false;      // the preview moved: repaint it
    DateScroll dates = DateScroll::None;
    int scrollDx = 0, scrollDy = 0;  // auto-scroll of the visible area
};

struct PendingRelease {
    int x = 0, y = 0;
};

struct PreviewRelease {
    enum class Kind { Hide, Wait, Commit } kind = Kind::Hide;
    FrameDrop drop;  // for Commit
};

class DragPreview {
public:
    struct Source {
        Date date;
        std::string cid;
        PixelRect rect;            // the frame's rectangle when the preview was prepared
        int start = 0, end = 0;    // its times
        HorizontalPlace place;     // its free-placement position
        GripKind grip = GripKind::Body;
        bool copy = false;
        Date firstShown;           // the first shown date then
    };

    // Puts the preview over the frame (phase 0).
    void Prepare(const Source& source);
    void Hide() { mActive = false; mPhase = 0; mPending.reset(); }
    bool Active() const { return mActive; }
    // 0 prepared, 1 pressed, 2 moved beyond the threshold.
    int Phase() const { return mPhase; }
    const Source& From() const { return mSource; }
    const PreviewPicture& Picture() const { return mPicture; }
    EdgeState Edge() const { return mEdge; }

    void Press(int x, int y, const ViewLayout& layout, int minuteUnit);
    // `visible` is the part of the picture the scroll box shows.
    PreviewMove Move(int x, int y, const ViewLayout& layout, int minuteUnit, const PixelRect& visible);
    // A release while the dates scroll is kept (Wait); one never moved only hides; otherwise
    // the drop to commit. `frames` are the shown frames' boxes, for the side-by-side order.
    PreviewRelease Release(int x, int y, const ViewLayout& layout, const std::vector<DayBoxes>& frames);
    // The view was laid out again after date scrolling; the release kept meanwhile, if any.
    std::optional<PendingRelease> LayoutSettled();

private:
    bool Recompute(int x, int y, const ViewLayout& layout, int minuteUnit);
    void PlaceLabel(const PixelRect& visible, int charWidth, int charHeight);
    std::vector<std::string> NewSideBySideOrder(const Date& target, const ViewLayout& layout,
                                                const std::vector<DayBoxes>& frames) const;

    Source mSource;
    PreviewPicture mPicture;
    bool mActive = false;
    int mPhase = 0;
    int mPressX = 0, mPressY = 0;
    int mOffsetX = 0, mOffsetY = 0;  // the press inside the preview
    int mTargetColumn = -1;          // column and time accepted last
    int mTargetTime = 0;
    EdgeState mEdge = EdgeState::Ready;
    std::optional<PendingRelease> mPending;
};

}  // namespace mv
