#include "qt/startup_messages.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace stenvik::qt {

namespace {

// Qt's handler is a plain function: it reaches the one that lives through here.
StartupMessages* active = nullptr;

constexpr const char* kNoDisplay =
    "stenvik: no display to open the window on (DISPLAY or WAYLAND_DISPLAY); stenvik-cli makes rows without one\n";

bool AboutDisplay(const QString& text) { return text.contains(QLatin1String("display"), Qt::CaseInsensitive); }

}  // namespace

StartupMessages::StartupMessages() : _previous(qInstallMessageHandler(&StartupMessages::Hold)) { active = this; }

StartupMessages::~StartupMessages() {
    qInstallMessageHandler(_previous);
    active = nullptr;
    Release();
}

void StartupMessages::Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    auto& held = active->_held;
    if (type != QtFatalMsg) {
        held.push_back({type, context.category != nullptr ? context.category : "", text});
        return;
    }
    if (AboutDisplay(text) || std::ranges::any_of(held, [](const Held& one) { return AboutDisplay(one.text); })) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(1);  // inside QApplication's constructor: nothing is left to tidy
    }
    active->Release();
    active->_previous(type, context, text);  // aborts, as Qt would have
}

void StartupMessages::Release() const {
    for (const auto& held : _held) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        _previous(held.type, context, held.text);
    }
}

}  // namespace stenvik::qt
