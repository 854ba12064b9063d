#pragma once
// "SPARA raderna" in the Qt program: ask for a file name, save the rows
// box's text there, and tell the user when that failed.

#include "core/save_dialog.h"
#include "qt/dialog_window.h"
#include "qt/user_prompts.h"

namespace stenvik::qt {

class QtSaveDialog final : public SaveDialog {
public:
    QtSaveDialog(DialogWindow& window, UserPrompts& prompts) : _window(window), _prompts(prompts) {}

    void Run() override;

private:
    DialogWindow& _window;
    UserPrompts& _prompts;
};

}  // namespace stenvik::qt
