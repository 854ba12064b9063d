#include "qt/dialog_units.h"

#include <QByteArray>
#include <QFontMetrics>
#include <QRawFont>
#include <QString>
#include <cmath>

namespace stenvik::qt {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
constexpr int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
static_assert(MulDiv(21, 6, 4) == 32 && MulDiv(15, 13, 8) == 24 && MulDiv(-3, 6, 4) == -5);

// Windows takes a TrueType font's height from usWinAscent and usWinDescent
// of its OS/2 table, each scaled and rounded; Qt may use the typographic
// values instead (Tahoma: 11 pixels where Windows has 13).
int LineHeight(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    constexpr qsizetype kWinAscent = 74;
    constexpr qsizetype kWinDescent = 76;
    if (!raw.isValid() || os2.size() < kWinDescent + 2) return QFontMetrics(font).height();
    const auto unsigned16 = [&os2](qsizetype at) {
        return static_cast<unsigned char>(os2[at]) << 8 | static_cast<unsigned char>(os2[at + 1]);
    };
    const double scale = raw.pixelSize() / raw.unitsPerEm();
    return static_cast<int>(std::lround(unsigned16(kWinAscent) * scale) + std::lround(unsigned16(kWinDescent) * scale));
}

}  // namespace

BaseUnits MeasureBaseUnits(const QFont& font) {
    const int letters =
        QFontMetrics(font).horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, LineHeight(font)};
}

QRect ToPixels(const dialog::Rect& rect, BaseUnits units) {
    return {MulDiv(rect.x, units.x, 4), MulDiv(rect.y, units.y, 8), MulDiv(rect.cx, units.x, 4),
            MulDiv(rect.cy, units.y, 8)};
}

}  // namespace stenvik::qt
