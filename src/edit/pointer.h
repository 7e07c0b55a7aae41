#pragma once
// What the window tells the edit layer about the pointer, and what it shows back: plain
// values, so that the layer is driven the same way by mouse events and by tests.

#include "view/geometry/viewlayout.h"

namespace mv {

enum class PointerButton { None, Left, Right, Middle };

// A press, move or release on the picture, in picture coordinates.
struct PointerEvent {
    int x = 0, y = 0;
    PointerButton button = PointerButton::Left;  // for moves: the button held, None for none
    bool shift = false;
    bool ctrl = false;
};

enum class PointerShape { Default, SizeVertical, SizeHorizontal, PointingHand, Drag, Accept, Refuse };

// The date scrolling a drag asks for at the picture's edge.
enum class DateScroll { None, Back, Forward, Stop };

}  // namespace mv
