#include "view/geometry/displaytype.h"

#include <array>

namespace mv {

namespace {
constexpr std::array<DisplayTypeInfo, kDisplayTypeCount> kTypes = {{
    {1, 0.75, 1, 1},
    {2, 1.5, 2, 2},
    {3, 1.5, 3, 3},
    {4, 1.5, 4, 4},
    {5, 1.5, 5, 5},
    {6, 1.5, 6, 6},
    {7, 1.5, 7, 7},
    {14, 1.5, 7, 14},
    {35, 3.0, 35, 35},
    {7, 1.5, 7, 7},
}};
constexpr std::array<int, 6> kButtonTypes = {0, 1, 2, 6, 7, 8};
}  // namespace

int NormalizeDisplayType(int type) { return type >= 0 && type < kDisplayTypeCount ? type : kDefaultDisplayType; }

const DisplayTypeInfo& DisplayTypeOf(int type) { return kTypes[NormalizeDisplayType(type)]; }

int TypeOfRadioButton(int button) {
    return button >= 0 && button < static_cast<int>(kButtonTypes.size()) ? kButtonTypes[button] : kDefaultDisplayType;
}

int RadioButtonOfType(int type) {
    for (int i = 0; i < static_cast<int>(kButtonTypes.size()); ++i)
        if (kButtonTypes[i] == type) return i;
    return 3;
}

}  // namespace mv
