#pragma once
// The choice lists of the grid print window. The settings keep the index of the chosen item
// (model/gridprintsettings.h); the painter reads the value behind it. Labels are UTF-8.

#include <algorithm>
#include <span>

namespace mv {

struct GridPrintChoice {
    const char* label;
    int value;
};

inline constexpr GridPrintChoice kCellScaleChoices[] = {
    {"ページ幅に合わせる", 0}, {"50%", 50}, {"60%", 60}, {"70%", 70}, {"80%", 80},
    {"90%", 90}, {"100%", 100}, {"110%", 110}, {"120%", 120}, {"150%", 150}};
inline constexpr GridPrintChoice kLineKindChoices[] = {{"実線", 0}, {"点線", 1}, {"なし", 2}};
inline constexpr GridPrintChoice kMarginChoices[] = {{"5 mm", 5},   {"10 mm", 10}, {"15 mm", 15},
                                                     {"20 mm", 20}, {"25 mm", 25}, {"30 mm", 30}};
// Gray levels (0 black to 255 white) of the fixed cells and of the grid lines.
inline constexpr GridPrintChoice kShadeChoices[] = {{"なし", 255}, {"薄い灰色", 235}, {"灰色", 215}, {"濃い灰色", 190}};
inline constexpr GridPrintChoice kLineColourChoices[] = {{"黒", 0}, {"灰色", 128}, {"薄い灰色", 192}};
inline constexpr GridPrintChoice kColourChoices[] = {{"カラー", 0}, {"モノクロ", 1}};
inline constexpr GridPrintChoice kPageOrderChoices[] = {{"縦方向優先", 0}, {"横方向優先", 1}};
inline constexpr GridPrintChoice kCalendarFontChoices[] = {{"6 pt", 6},   {"7 pt", 7},   {"8 pt", 8},  {"9 pt", 9},
                                                           {"10 pt", 10}, {"11 pt", 11}, {"12 pt", 12}};
inline constexpr GridPrintChoice kCalendarRateChoices[] = {{"100%", 100}, {"90%", 90}, {"80%", 80}, {"70%", 70}};
inline constexpr GridPrintChoice kPreviewZoomChoices[] = {{"ページ全体", 0}, {"ページ幅", 1}};
inline constexpr GridPrintChoice kPaperChoices[] = {{"A3", 0}, {"A4", 1}, {"A5", 2}, {"B4", 3}, {"B5", 4}};
inline constexpr GridPrintChoice kOrientChoices[] = {{"縦", 0}, {"横", 1}};
inline constexpr const char* kOrientNames[] = {"Portrait", "Landscape"};

// The index clamped to the list (a hand-edited settings file may hold anything).
inline int ChoiceIndex(std::span<const GridPrintChoice> choices, int index) {
    return std::clamp(index, 0, static_cast<int>(choices.size()) - 1);
}
inline int ChoiceValue(std::span<const GridPrintChoice> choices, int index) {
    return choices[static_cast<std::size_t>(ChoiceIndex(choices, index))].value;
}

}  // namespace mv
