// stenvik: the Stenvik dialog on Linux. Takes no arguments beyond Qt's own
// and keeps nothing between runs.

#include <QApplication>

#include "dialog_font.h"
#include "qt_session.h"
#include "user_prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("stenvik"));
    QApplication::setDesktopFileName(QStringLiteral("stenvik"));

    stenvik::qt::UserPrompts prompts;
    stenvik::qt::QtSession session(stenvik::qt::DialogFont(), prompts);
    session.window.show();
    return QApplication::exec();
}
