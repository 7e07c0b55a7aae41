#include "view/fonts.h"

#include <QFontInfo>

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace mv {

QString GothicFontName() { return QStringLiteral("ＭＳ ゴシック"); }
QString MinchoFontName() { return QStringLiteral("ＭＳ 明朝"); }

void SubstituteFonts() {
    QFont::insertSubstitutions(GothicFontName(), {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
    QFont::insertSubstitutions(MinchoFontName(), {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
}

int PointsToPixels(int points, int pixelsPerInch) {
    return static_cast<int>(std::lround(points * pixelsPerInch / 72.0));
}

const MeasuredFont& FontCache::Get(int pixelHeight) {
    const int height = std::max(1, pixelHeight);
    auto it = mFonts.find(height);
    if (it != mFonts.end()) return *it->second;
    QFont font(GothicFontName());
    font.setPixelSize(height);
    font.setStyleHint(QFont::TypeWriter);
    QFontMetrics metrics(font);
    auto measured = std::unique_ptr<MeasuredFont>(new MeasuredFont{font, metrics, 1, height, metrics.ascent()});
    measured->aWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('A')));
    measured->raw = QRawFont::fromFont(font);
    return *mFonts.emplace(height, std::move(measured)).first->second;
}

ReferenceFont MeasureReferenceFont() {
    QFont font(MinchoFontName());
    font.setPointSize(10);
    // The stand-in fonts report a taller line than the character cell the sizes derive
    // from; the pixel size is that cell.
    ReferenceFont reference;
    reference.pixelHeight = std::max(1, QFontInfo(font).pixelSize());
    reference.charHeight = reference.pixelHeight;
    reference.charWidth = std::max(1, QFontMetrics(font).horizontalAdvance(QLatin1Char('A')));
    return reference;
}

}  // namespace mv
