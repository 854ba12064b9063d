#pragma once
// One run of the Qt program: the window, the program's state and the
// Controller behind it, from start to close.

#include <functional>
#include <memory>

#include "controller.h"
#include "dialog_window.h"
#include "program_state.h"
#include "qt_platform.h"
#include "qt_save_dialog.h"
#include "user_prompts.h"

namespace stenvik::qt {

using ControllerFactory = std::function<std::unique_ptr<Controller>(Platform&, ProgramState&, SaveDialog&)>;

class QtSession {
public:
    // Creates the Controller; if that throws, the user is told and the
    // window stays open without one, ignoring every command.
    QtSession(const QFont& font, UserPrompts& prompts, const ControllerFactory& makeController = DefaultController);

    static std::unique_ptr<Controller> DefaultController(Platform& dialog, ProgramState& state, SaveDialog& save) {
        return std::make_unique<Controller>(dialog, state, save);
    }

    bool HasController() const { return _controller != nullptr; }

    ProgramState state;
    DialogWindow window;

private:
    void Start(const ControllerFactory& makeController);

    UserPrompts& _prompts;
    QtPlatform _platform{window};
    QtSaveDialog _saveDialog{window, _prompts};
    std::unique_ptr<Controller> _controller;
};

}  // namespace stenvik::qt
