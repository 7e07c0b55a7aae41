#pragma once
// The display types of the grid: how many dates are shown and how wide their columns are.

namespace mv {

inline constexpr int kDisplayTypeCount = 10;
inline constexpr int kFiveWeekType = 8;
inline constexpr int kWeekdayType = 9;
inline constexpr int kDefaultDisplayType = 6;

struct DisplayTypeInfo {
    int columns;          // dates shown
    double widthFactor;   // scale of a column at "横：100"
    int fittedAt100;      // columns fitted per width at "横：100"
    int fittedAtFit;      // columns fitted per width at "横：Fit"
};

// A type outside 0..9 is treated as the default type (one week).
const DisplayTypeInfo& DisplayTypeOf(int type);
int NormalizeDisplayType(int type);

// Types 0 to 5 always fit their columns to the window.
constexpr bool AlwaysFitsWidth(int type) { return type >= 0 && type <= 5; }

// The type a radio button stands for, and the button index of a type (types without a
// button show the one-week button). Buttons: 1 day, 2 days, 3 days, 1 week, 2 weeks, 5 weeks.
int TypeOfRadioButton(int button);
int RadioButtonOfType(int type);

}  // namespace mv
