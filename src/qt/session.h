#pragma once
// One run of the Qt program: the window, the program's state and the
// Controller behind it, from start to close.

#include <functional>
#include <memory>

#include "core/controller.h"
#include "core/program_state.h"
#include "qt/dialog_window.h"
#include "qt/platform.h"
#include "qt/rows_box_menu.h"
#include "qt/save_dialog.h"
#include "qt/user_prompts.h"

namespace stenvik::qt {

using ControllerFactory = std::function<std::unique_ptr<Controller>(Platform&, ProgramState&, SaveDialog&)>;

class QtSession {
public:
    // Creates the Controller; if that throws, the user is told as the
    // Windows program tells it, and the window stays open without one,
    // ignoring every command. The window's font becomes every dialog's.
    QtSession(const QFont& font, UserPrompts& prompts, const ControllerFactory& makeController = DefaultController);

    static std::unique_ptr<Controller> DefaultController(Platform& dialog, ProgramState& state, SaveDialog& save) {
        return std::make_unique<Controller>(dialog, state, save);
    }

    bool HasController() const { return _controller != nullptr; }
    RowsBoxMenu& Menu() { return _menu; }

    ProgramState state;
    // The reduction's own generator, seeded as `state`'s is at start, so
    // that a reduction leaves the press's rows as they would have been.
    TRandomMersenne reduction{ClockSeed()};
    DialogWindow window;

private:
    void Start(const ControllerFactory& makeController);

    UserPrompts& _prompts;
    QtPlatform _platform{window};
    QtSaveDialog _saveDialog{window, _prompts};
    RowsBoxMenu _menu{window, _prompts, reduction};
    std::unique_ptr<Controller> _controller;
};

}  // namespace stenvik::qt
