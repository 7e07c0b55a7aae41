#pragma once
// The drawing primitives of the view over a QPainter: filled rectangles, 3D borders, lines
// and texts in the view's few layouts. Every primitive skips a rectangle with a negative
// coordinate. Colours are 0x00BBGGRR values; texts are Shift-JIS.

#include <QColor>
#include <QPainter>
#include <optional>
#include <string>

#include "view/fonts.h"
#include "view/geometry/viewlayout.h"

namespace mv {

// 0x00BBGGRR as a QColor; negative values name system colours.
QColor ColourOf(int colour);
// The same as 0xAARRGGBB, for comparing pixels.
unsigned ColourToRgb(int colour);

bool HasNegative(const PixelRect& rect);

enum class TextAlign {
    Centre,      // centred horizontally and vertically
    LeftMiddle,  // left, vertically centred
    TopLeft,
    TopRight,
};

class Canvas {
public:
    // A clip the painter has when the canvas is made (one part of a joined picture) stays
    // in force for everything drawn.
    Canvas(QPainter& painter, FontCache& fonts);

    QPainter& Painter() { return mPainter; }
    FontCache& Fonts() { return mFonts; }

    void Fill(const PixelRect& rect, int colour);
    // Top and left edges in one colour, bottom and right in the other, one pixel wide;
    // returns the rectangle inside the border.
    PixelRect Frame3D(const PixelRect& rect, int topLeft, int bottomRight);
    // A border of the given width inside the rectangle.
    void Border(const PixelRect& rect, int colour, int width);
    // A filled box with a 3D border and centred text (header cells, time columns, corners).
    void HeaderBox(const PixelRect& rect, int background, int textColour, const std::string& text, int fontHeight);
    // Text drawn transparently, clipped to the rectangle.
    void Text(const PixelRect& rect, const std::string& text, int colour, int fontHeight, TextAlign align);
    void Text(const PixelRect& rect, const QString& text, int colour, const MeasuredFont& font, TextAlign align);
    // A horizontal line from x1 to x2 (inclusive), solid or dotted.
    void HLine(int x1, int x2, int y, int colour, bool dotted);

private:
    QPainter& mPainter;
    FontCache& mFonts;
    std::optional<QRect> mBaseClip;
};

QString FromSjis(const std::string& text);

}  // namespace mv
