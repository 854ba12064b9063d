#include "qt/session.h"

#include <QApplication>

namespace stenvik::qt {

QtSession::QtSession(const QFont& font, UserPrompts& prompts, const ControllerFactory& makeController)
    : window(font), _prompts(prompts) {
    QApplication::setFont(font);
    window.SetCommandHandler([this](int id, int code) {
        if (_controller) _controller->Command(id, code);
    });
    // Closing ends the Controller once; a late notification then finds none.
    window.SetCloseHandler([this] { _controller.reset(); });
    Start(makeController);
    window.FocusFirstTabStop();
}

void QtSession::Start(const ControllerFactory& makeController) {
    try {
        _controller = makeController(_platform, state, _saveDialog);
    } catch (...) {
        // The Windows program shows a message only for its own WinException,
        // which nothing here throws; all else, std::bad_alloc too, is "Unknown".
        _prompts.Warn(nullptr, QStringLiteral("Exception"), QStringLiteral("Unknown"));
    }
}

}  // namespace stenvik::qt
