#include "qt/swedish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace stenvik::qt {

bool SpeakSwedish(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    // The application owns the translators; the last installed is asked first.
    auto* qtCatalogue = new QTranslator(&app);
    const bool qtLoaded =
        qtCatalogue->load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtLoaded) QCoreApplication::installTranslator(qtCatalogue);
    auto* ownCatalogue = new QTranslator(&app);
    if (ownCatalogue->load(QStringLiteral(":/translations/stenvik_sv.qm"))) {
        QCoreApplication::installTranslator(ownCatalogue);
    }
    return qtLoaded;
}

}  // namespace stenvik::qt
