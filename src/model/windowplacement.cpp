#include "model/windowplacement.h"

#include <algorithm>

namespace mv {

bool CanPlaceAt(const Rect& remembered, int screenWidth, int screenHeight) {
    // A zero or negative size would show an invisible window that cannot be grabbed.
    return remembered.top > 0 && remembered.left > 0 && remembered.top < screenHeight &&
           remembered.left < screenWidth && remembered.width > 0 && remembered.height > 0;
}

Rect PlaceWindow(const Rect& remembered, int screenWidth, int screenHeight, int designWidth, int designHeight) {
    if (CanPlaceAt(remembered, screenWidth, screenHeight)) return remembered;
    Rect centred;
    centred.width = designWidth;
    centred.height = designHeight;
    centred.left = std::max(0, (screenWidth - designWidth) / 2);
    centred.top = std::max(0, (screenHeight - designHeight) / 2);
    return centred;
}

Rect RectToRemember(bool windowExists, bool normalState, const Rect& current, const Rect& readAtStart) {
    return (windowExists && normalState) ? current : readAtStart;
}

}  // namespace mv
