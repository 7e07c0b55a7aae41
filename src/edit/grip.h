#pragma once
// What the pointer can take hold of on the timetable: the grip of a frame under a point
// (edges to resize, the body to move), the editing modes a double-click cycles through,
// the drag threshold, the Shift-drag extension onto a neighbour and the bounds of a field
// dragged inside its frame. Pure arithmetic on picture coordinates.

#include <optional>

#include "view/geometry/viewlayout.h"

namespace mv {

enum class EditMode { Normal = 0, FieldEdit = 1, MoveCopy = 2 };

enum class GripKind { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4, Body = 5, Place = 7 };

// The pointer shape over a grip, named as the window shows it.
enum class GripCursor { Default, SizeVertical, SizeHorizontal, PointingHand };

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
// the neighbour's end when above. Nothing when the two overlap in time.
std::optional<TimeSpan> ExtendOnto(const TimeSpan& dragged, const TimeSpan& neighbour);

struct FieldPlace {
    int x = 0, y = 0;  // offset of the field's top left inside the frame
    friend bool operator==(const FieldPlace&, const FieldPlace&) = default;
};
// Where a dragged field lands: the wanted offset kept inside the frame, so that the field's
// width and its text height stay within the frame's width and height.
FieldPlace ClampFieldPlace(FieldPlace wanted, int frameWidth, int frameHeight, int fieldWidth, int textHeight);

}  // namespace mv
