#pragma once
// The fonts of the view. The design names Windows fonts ("ＭＳ ゴシック", "ＭＳ 明朝");
// IPA Gothic and IPA Mincho have the same metrics and stand in for them. Every text of the
// grid is drawn in the gothic face, which is fixed-pitch: one byte of Shift-JIS text is one
// "A" wide, as the byte-wise wrapping of fields assumes.

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <memory>
#include <unordered_map>

#include "view/geometry/metrics.h"

namespace mv {

QString GothicFontName();
QString MinchoFontName();

// Registers the stand-ins; call once after the application object exists.
void SubstituteFonts();

// The reference font every size of the view derives from ("ＭＳ 明朝" at 10 points),
// measured with "A".
ReferenceFont MeasureReferenceFont();

// Font height in pixels of a point size: points x pixels per inch / 72, rounded.
int PointsToPixels(int points, int pixelsPerInch);

struct MeasuredFont {
    QFont font;
    QFontMetrics metrics;
    int aWidth = 1;   // width of "A"
    int aHeight = 1;  // height of "A": the character cell, the font's pixel size
    int ascent = 0;
    QRawFont raw;     // for drawing glyphs without shaping each text again
    // Glyph runs of texts drawn before: minute labels, hour numbers and times repeat a lot.
    struct Run {
        QGlyphRun glyphs;
        int width = 0;
        bool valid = false;  // false: the face lacks a character, draw the text itself
    };
    mutable QHash<QString, Run> runs;
};

// Gothic fonts by pixel height, measured once each.
class FontCache {
public:
    const MeasuredFont& Get(int pixelHeight);

private:
    std::unordered_map<int, std::unique_ptr<MeasuredFont>> mFonts;
};

}  // namespace mv
