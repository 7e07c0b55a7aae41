#pragma once
// What the pointer can take hold of on the timetable: the grip of a frame under a point
// (edges to resize, the body to move), the editing modes a double-click cycles through,
// the drag threshold, the Shift-drag extension onto a neighbour and the bounds of a field
// dragged inside its frame. Pure arithmetic on picture coordinates.

#include <optional>
#include <string>
#include <vector>

#include "edit/pointer.h"
#include "view/geometry/viewlayout.h"

namespace mv {

enum class EditMode { Normal = 0, FieldEdit = 1, MoveCopy = 2 };

enum class GripKind { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4, Body = 5, Place = 7 };

// The pointer shape over a grip.
using GripCursor = PointerShape;

// A grip test from the picture itself takes the body only near the top of a tall frame; one
// from the floating preview of the selected frame takes all of it.
enum class GripSource { Picture, Preview };

// Pixels of a frame's edge that grip it: 2 up to 13 pixels high, 3 up to 20, 4 above.
int EdgeBand(int frameHeight);

// The grip at (x, y) of a frame drawn in `frame`; the left and right edges only with free
// placement; the body always in MoveCopy, otherwise only in the top 10 pixels of a frame at
// least 25 high (from the picture) or anywhere in it (from the preview).
GripKind GripAt(const PixelRect& frame, int x, int y, bool freePlacement, EditMode mode, GripSource source);
GripCursor CursorOf(GripKind grip);

// Normal -> MoveCopy -> FieldEdit -> Normal.
EditMode NextModeOnDoubleClick(EditMode mode);

// A press becomes a drag once the pointer is more than half a character width away from it
// in x or in y.
bool BeyondDragThreshold(int pressX, int pressY, int x, int y, int charWidth);

struct TimeSpan {
    int start = 0, end = 0;  // HHMM
    friend bool operator==(const TimeSpan&, const TimeSpan&) = default;
};
// A Shift-drag of a frame dropped on another frame of its date stretches it up to that
// neighbour: its end to the neighbour's start when the neighbour lies below, its start to
// the neighbour's end when above. Nothing when the two overlap or touch.
std::optional<TimeSpan> ExtendOnto(const TimeSpan& dragged, const TimeSpan& neighbour);

struct FieldPlace {
    int x = 0, y = 0;  // offset of the field's top left inside the frame
    friend bool operator==(const FieldPlace&, const FieldPlace&) = default;
};
// Where a dragged field lands: the wanted offset kept inside the frame, so that the field's
// width and its text height stay within the frame's width and height.
FieldPlace ClampFieldPlace(FieldPlace wanted, int frameWidth, int frameHeight, int fieldWidth, int textHeight);

}  // namespace mv

namespace mv {

// Pixels from a column's frame area's left edge as a whole percentage of its width.
int PercentOfColumn(const PixelRect& area, int x);

struct HorizontalPlace {
    int position = 0, length = 100;  // percent of the column
    friend bool operator==(const HorizontalPlace&, const HorizontalPlace&) = default;
};
// A frame's free-placement position after a drag: the left edge to the pointer (keeping the
// right edge; the old place stays when the length would turn negative), the right edge to
// the pointer, or the body's left to the preview's left; clamped to 0-100 and 1-100.
HorizontalPlace DraggedPlace(GripKind grip, HorizontalPlace old, int percent);

// A frame laid out beside others, by cid ("" for the frame being dropped, which is not in
// the column yet or has left its old place).
struct SideBySideBox {
    std::string cid;
    int left = 0, right = 0;
    TimeSpan span;
    bool besideOthers = false;  // laid out in a lane of an overlap group
};
// The order (Ci_LeftPri 0, 1, 2 ...) of a column's frames when a frame is dropped with its
// left edge at `droppedLeft`: by left edge, the dropped frame by its new one; dropped well
// inside a frame it overlaps and that stands beside others, it goes just before that frame
// when it moved left, just after it when it moved right.
std::vector<std::string> SideBySideOrder(const std::vector<SideBySideBox>& others, int droppedLeft, TimeSpan droppedSpan,
                                         bool movedLeft, int charWidth);

}  // namespace mv
