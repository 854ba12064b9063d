// The window's time from the start of main to its first paint, made as
// src/qt/main.cpp makes it; with --empty, a bare QWidget's instead, the
// floor. Prints the milliseconds. Run with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string_view>

#include "qt/dialog_font.h"
#include "qt/session.h"
#include "qt/user_prompts.h"

namespace {

using Clock = std::chrono::steady_clock;

// Quits the application at the first paint of the widget it watches.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(Clock::time_point start) : _start(start) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !_painted) {
            _painted = true;
            const std::chrono::duration<double, std::milli> elapsed = Clock::now() - _start;
            std::printf("%.3f\n", elapsed.count());
            // Once this paint is done: the window's backing store is flushed.
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Clock::time_point _start;
    bool _painted = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    const auto start = Clock::now();
    const bool empty = argc > 1 && std::string_view(argv[1]) == "--empty";
    QApplication app(argc, argv);
    FirstPaint firstPaint(start);
    if (empty) {
        QWidget window;
        window.installEventFilter(&firstPaint);
        window.show();
        return QApplication::exec();
    }
    QApplication::setApplicationName(QStringLiteral("stenvik"));
    QApplication::setDesktopFileName(QStringLiteral("stenvik"));
    stenvik::qt::UserPrompts prompts;
    stenvik::qt::QtSession session(stenvik::qt::DialogFont(), prompts);
    session.window.installEventFilter(&firstPaint);
    session.window.show();
    return QApplication::exec();
}
