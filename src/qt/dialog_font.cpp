#include "qt/dialog_font.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include "core/codepage.h"
#include "core/dialog_table.h"

namespace stenvik::qt {

namespace {

constexpr auto kWineTahoma = "/usr/share/wine/fonts/tahoma.ttf";

bool HasFamily(const QString& family) {
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) return true;
    return QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QString::fromLatin1(kWineTahoma)))
        .contains(family, Qt::CaseInsensitive);
}

// Windows turns the point size into whole pixels before it picks the glyphs;
// doing the same gives the Windows line height and character widths.
int PixelSize(int pointSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return qRound(pointSize * dpi / 72.0);
}

}  // namespace

QFont DialogFont() {
    const auto family = QString::fromUtf8(AsChars(dialog::kFrame.font));
    QFont font(HasFamily(family) ? family : QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(PixelSize(dialog::kFrame.pointSize));
    return font;
}

}  // namespace stenvik::qt
