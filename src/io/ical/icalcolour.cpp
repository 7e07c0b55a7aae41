#include "io/ical/icalcolour.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace mv {

namespace {

struct NamedColour {
    const char* name;
    int rgb;  // 0xRRGGBB as CSS writes it
};

// The CSS names a calendar is likely to show distinctly; a fill maps to the nearest.
constexpr std::array<NamedColour, 48> kColours{{
    {"black", 0x000000},         {"silver", 0xc0c0c0},      {"gray", 0x808080},        {"white", 0xffffff},
    {"maroon", 0x800000},        {"red", 0xff0000},         {"purple", 0x800080},      {"fuchsia", 0xff00ff},
    {"green", 0x008000},         {"lime", 0x00ff00},        {"olive", 0x808000},       {"yellow", 0xffff00},
    {"navy", 0x000080},          {"blue", 0x0000ff},        {"teal", 0x008080},        {"aqua", 0x00ffff},
    {"orange", 0xffa500},        {"aliceblue", 0xf0f8ff},   {"beige", 0xf5f5dc},       {"brown", 0xa52a2a},
    {"coral", 0xff7f50},         {"crimson", 0xdc143c},     {"darkblue", 0x00008b},    {"darkgreen", 0x006400},
    {"darkorange", 0xff8c00},    {"gold", 0xffd700},        {"honeydew", 0xf0fff0},    {"indigo", 0x4b0082},
    {"ivory", 0xfffff0},         {"khaki", 0xf0e68c},       {"lavender", 0xe6e6fa},    {"lightblue", 0xadd8e6},
    {"lightcyan", 0xe0ffff},     {"lightgreen", 0x90ee90},  {"lightgray", 0xd3d3d3},   {"lightpink", 0xffb6c1},
    {"lightyellow", 0xffffe0},   {"mintcream", 0xf5fffa},   {"mistyrose", 0xffe4e1},   {"orchid", 0xda70d6},
    {"palegreen", 0x98fb98},     {"peachpuff", 0xffdab9},   {"pink", 0xffc0cb},        {"plum", 0xdda0dd},
    {"salmon", 0xfa8072},        {"skyblue", 0x87ceeb},     {"tan", 0xd2b48c},         {"wheat", 0xf5deb3},
}};

int ToFill(int rgb) { return ((rgb & 0xff) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 0xff); }

}  // namespace

std::string NearestCssColourName(int fill) {
    const int r = fill & 0xff, g = (fill >> 8) & 0xff, b = (fill >> 16) & 0xff;
    const NamedColour* best = &kColours[0];
    long bestDistance = -1;
    for (const NamedColour& colour : kColours) {
        const int dr = r - ((colour.rgb >> 16) & 0xff), dg = g - ((colour.rgb >> 8) & 0xff), db = b - (colour.rgb & 0xff);
        const long distance = long(dr) * dr + long(dg) * dg + long(db) * db;
        if (bestDistance < 0 || distance < bestDistance) best = &colour, bestDistance = distance;
    }
    return best->name;
}

int CssColourFill(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "grey") lower = "gray";
    for (const NamedColour& colour : kColours)
        if (lower == colour.name) return ToFill(colour.rgb);
    return -1;
}

}  // namespace mv
