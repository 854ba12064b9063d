#pragma once
// Without a display, Qt gives up inside QApplication's constructor: three
// lines that blame the installation, then an abort. A player who started
// the program where no display is gets one line instead, and the exit
// status of any other failure.

#include <QString>

#include <string>
#include <vector>

namespace stenvik::qt {

// While it lives, Qt's messages are held back. A fatal one after a message
// about the display ends the program at once with one line on standard
// error and exit status 1; any other fatal one goes out with the messages
// before it, as Qt would have shown them. When it ends, what it held goes
// out as usual. Only one may live at a time.
class StartupMessages {
public:
    StartupMessages();
    ~StartupMessages();
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

private:
    struct Held {
        QtMsgType type;
        std::string category;
        QString text;
    };
    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text);
    void Release() const;

    QtMessageHandler _previous;
    std::vector<Held> _held;
};

}  // namespace stenvik::qt
