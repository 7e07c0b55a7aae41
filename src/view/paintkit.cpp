#include "view/paintkit.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "model/codec.h"

namespace mv {

QColor ColourOf(int colour) {
    if (colour < 0) {
        // Windows system colours by index (COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE ...).
        const QPalette palette = QGuiApplication::palette();
        switch (colour & 0xFF) {
            case 5: return palette.color(QPalette::Base);
            case 8: return palette.color(QPalette::Text);
            case 9: return palette.color(QPalette::WindowText);
            case 13: return palette.color(QPalette::Highlight);
            case 14: return palette.color(QPalette::HighlightedText);
            case 18: return palette.color(QPalette::ButtonText);
            default: return palette.color(QPalette::Button);
        }
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

unsigned ColourToRgb(int colour) { return ColourOf(colour).rgb(); }

bool HasNegative(const PixelRect& r) { return r.left < 0 || r.top < 0 || r.right < 0 || r.bottom < 0; }

QString FromSjis(const std::string& text) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return QString::fromStdString(ToUtf8(text));
}

Canvas::Canvas(QPainter& painter, FontCache& fonts) : mPainter(painter), mFonts(fonts) {
    if (painter.hasClipping()) mBaseClip = painter.clipBoundingRect().toAlignedRect();
}

void Canvas::Fill(const PixelRect& r, int colour) {
    if (HasNegative(r) || r.right <= r.left || r.bottom <= r.top) return;
    mPainter.fillRect(r.left, r.top, r.Width(), r.Height(), ColourOf(colour));
}

PixelRect Canvas::Frame3D(const PixelRect& r, int topLeft, int bottomRight) {
    if (HasNegative(r) || r.right <= r.left || r.bottom <= r.top) return r;
    const int right = r.right - 1, bottom = r.bottom - 1;
    const QColor light = ColourOf(topLeft), dark = ColourOf(bottomRight);
    mPainter.fillRect(r.left, r.top, r.Width(), 1, light);
    mPainter.fillRect(r.left, r.top, 1, r.Height(), light);
    mPainter.fillRect(r.left, bottom, r.Width(), 1, dark);
    mPainter.fillRect(right, r.top, 1, r.Height(), dark);
    return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

void Canvas::Border(const PixelRect& r, int colour, int width) {
    if (HasNegative(r) || r.right <= r.left || r.bottom <= r.top) return;
    const QColor c = ColourOf(colour);
    const int w = std::min({width, r.Width(), r.Height()});
    mPainter.fillRect(r.left, r.top, r.Width(), w, c);
    mPainter.fillRect(r.left, r.bottom - w, r.Width(), w, c);
    mPainter.fillRect(r.left, r.top, w, r.Height(), c);
    mPainter.fillRect(r.right - w, r.top, w, r.Height(), c);
}

void Canvas::HeaderBox(const PixelRect& r, int background, int textColour, const std::string& text, int fontHeight) {
    if (HasNegative(r)) return;
    Fill(r, background);
    Frame3D(r, 0xC0C0C0, 0x000000);
    if (!text.empty()) Text(r, text, textColour, fontHeight, TextAlign::Centre);
}

void Canvas::Text(const PixelRect& r, const std::string& text, int colour, int fontHeight, TextAlign align) {
    if (text.empty() || HasNegative(r)) return;
    Text(r, FromSjis(text), colour, mFonts.Get(fontHeight), align);
}

namespace {

// The glyphs of a text laid side by side. The view's texts are short runs of one script in
// a fixed-pitch face, so shaping them (which drawText does on every call) changes nothing;
// texts with a character the face lacks go the long way, through font fallback.
const MeasuredFont::Run& GlyphRun(const MeasuredFont& font, const QString& text) {
    constexpr int kCachedRuns = 4096;
    auto it = font.runs.constFind(text);
    if (it != font.runs.constEnd()) return *it;
    if (font.runs.size() >= kCachedRuns) font.runs.clear();
    MeasuredFont::Run run;
    if (font.raw.isValid()) {
        const QList<quint32> glyphs = font.raw.glyphIndexesForString(text);
        run.valid = std::none_of(glyphs.begin(), glyphs.end(), [](quint32 glyph) { return glyph == 0; });
        if (run.valid) {
            const QList<QPointF> advances = font.raw.advancesForGlyphIndexes(glyphs);
            QList<QPointF> positions;
            positions.reserve(glyphs.size());
            qreal x = 0;
            for (const QPointF& advance : advances) {
                positions.append(QPointF(x, 0));
                x += advance.x();
            }
            run.glyphs.setRawFont(font.raw);
            run.glyphs.setGlyphIndexes(glyphs);
            run.glyphs.setPositions(positions);
            run.width = qRound(x);
        }
    }
    if (!run.valid) run.width = font.metrics.horizontalAdvance(text);
    return *font.runs.insert(text, run);
}

}  // namespace

void Canvas::Text(const PixelRect& r, const QString& text, int colour, const MeasuredFont& font, TextAlign align) {
    if (text.isEmpty() || HasNegative(r) || r.right <= r.left || r.bottom <= r.top) return;
    const MeasuredFont::Run& run = GlyphRun(font, text);
    const int width = run.width;
    const int lineHeight = font.metrics.ascent() + font.metrics.descent();
    int x = r.left;
    if (align == TextAlign::Centre) x += (r.Width() - width) / 2;
    if (align == TextAlign::TopRight) x = r.right - width;
    int baseline = r.top + font.ascent;
    if (align == TextAlign::Centre || align == TextAlign::LeftMiddle)
        baseline = r.top + (r.Height() - lineHeight) / 2 + font.ascent;
    // The stand-in fonts' line is a pixel taller than the character cell that boxes are
    // made of; that pixel of descent may stand out. A real overflow is clipped (rarely:
    // clipping text is slow).
    const bool clip = x < r.left || x + width > r.right || baseline - font.ascent < r.top - 1 ||
                      baseline + font.metrics.descent() > r.bottom + 1;
    const QColor penColour = ColourOf(colour);
    if (mPainter.pen().color() != penColour || mPainter.pen().style() != Qt::SolidLine) mPainter.setPen(penColour);
    auto draw = [&] {
        if (run.valid) {
            mPainter.drawGlyphRun(QPointF(x, baseline), run.glyphs);
        } else {
            // Setting a font re-resolves it for the device each time: only when it changes.
            if (mPainter.font() != font.font) mPainter.setFont(font.font);
            mPainter.drawText(x, baseline, text);
        }
    };
    if (clip) {
        // A rectangular clip replaced and put back is cheap on the raster engine; saving
        // and restoring the painter's state around an intersected clip costs a clip mask
        // as tall as the device each time.
        QRect box(r.left, r.top, r.Width(), r.Height());
        if (mBaseClip) box &= *mBaseClip;
        if (box.isEmpty()) return;
        mPainter.setClipRect(box, Qt::ReplaceClip);
        draw();
        if (mBaseClip) mPainter.setClipRect(*mBaseClip, Qt::ReplaceClip);
        else mPainter.setClipping(false);
    } else {
        draw();
    }
}

void Canvas::HLine(int x1, int x2, int y, int colour, bool dotted) {
    if (x1 < 0 || x2 < 0 || y < 0) return;
    QPen pen(ColourOf(colour));
    pen.setWidth(1);
    pen.setCosmetic(true);
    if (dotted) pen.setStyle(Qt::DotLine);
    mPainter.setPen(pen);
    mPainter.drawLine(x1, y, x2, y);
}

}  // namespace mv
