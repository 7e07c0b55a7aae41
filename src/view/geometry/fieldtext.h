#pragma once
// The text of a frame's field as it is laid out inside the frame: which text is shown, how
// it wraps (by bytes, every byte one "A" wide, never splitting a double-byte Shift-JIS
// character) and where each line goes. Pure arithmetic; the renderer measures the font and
// draws the lines.

#include <string>
#include <string_view>
#include <vector>

#include "model/frame.h"
#include "view/geometry/viewlayout.h"

namespace mv {

inline constexpr int kMaxFieldLines = 99;
inline constexpr char kLineBreak = 0x7F;

// The text without its trailing line breaks.
std::string_view WithoutTrailingBreaks(std::string_view text);

// The text a field shows. The time field shows "HH:MM～HH:MM" (hours after midnight less
// 24), or start and end on two lines with their hours as they are when that is wider than
// the frame; nothing when times are not shown. A blank text shows as "・".
std::string FieldDisplayText(const TFInf& field, int start, int end, int frameWidthChars, bool showTimes);

// Lines of the text broken at each 0x7F and wrapped by bytes: a byte is added while the
// line so far is narrower than the width; the break moves before a lead byte whose trail
// byte would fall on the next line (a line always takes at least one character).
std::vector<std::string> WrapBytes(std::string_view text, int width, int charWidth, int maxLines = kMaxFieldLines);

// A font height that lets n characters of "A" fit a width: the requested height, or
// smaller in the ratio of the letter's height to its width.
int FitFontHeight(int requested, int characters, int width, int aWidth, int aHeight);

// Space above the first line: 10, halved while the line is as high as the frame less it.
int FieldTopMargin(int lineHeight, int frameHeight);

struct FieldLine {
    std::string text;
    PixelRect box;       // the line's box, clipped to the area and the frame
    PixelRect textRect;  // where the text goes: aligned, half a character wider on the right
    bool decorated = false;  // gets the field's line (not on a clipped last line)
};

struct FieldLayoutInput {
    PixelRect frame;          // the frame's drawing area
    std::string text;         // the display text, lines separated by 0x7F
    int charWidth = 7;        // of the field's font
    int lineHeight = 13;      // of the field's font
    int alignment = 2;        // Fi_FTextAL: 0, 1 left, 2 centre, 3 right
    int xOffset = 0, yOffset = 0;
    bool decorate = false;    // Fi_FLineType 1 or 2
};

struct FieldLayout {
    std::vector<FieldLine> lines;  // the lines drawn
    PixelRect textBox;             // left, top, right, bottom of what was drawn
    int topMargin = 0;
    int widthChars = 0;            // of the (narrowed) area
    std::string wrapped;           // the wrapped lines joined by 0x7F
};

FieldLayout LayOutField(const FieldLayoutInput& input);

// The order in which fields are stacked under automatic title placement: by their Y
// offset, the selected field first among equals, then by their number.
std::vector<int> FieldStackOrder(const std::vector<int>& yOffsets, int selectedField, const std::vector<int>& serials);

}  // namespace mv
