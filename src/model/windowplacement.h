#pragma once
// Where a window goes when it is shown again: at its remembered rectangle when that
// rectangle is usable, otherwise centred on the screen at its design size. Pure arithmetic;
// the window code applies the result (the main window only when it is not maximised).

#include "model/keyvalueline.h"

namespace mv {

// Whether a remembered rectangle may be used: its top-left corner lies inside the screen
// and away from the screen's top and left edges (the "never stored" value is -1,-1,-1,-1),
// and it has a size.
bool CanPlaceAt(const Rect& remembered, int screenWidth, int screenHeight);

// The rectangle to show the window in: the remembered one when CanPlaceAt, otherwise the
// design size centred on the screen (kept at or below the screen's top-left corner so the
// caption stays reachable when the window is larger than the screen).
Rect PlaceWindow(const Rect& remembered, int screenWidth, int screenHeight, int designWidth, int designHeight);

// The rectangle to remember at exit: the window's current one when the window exists and
// is in the normal state; otherwise the one read at start, so a window that was never
// shown or is minimised or maximised does not lose its place.
Rect RectToRemember(bool windowExists, bool normalState, const Rect& current, const Rect& readAtStart);

}  // namespace mv
