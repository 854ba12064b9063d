#pragma once
// A freshly opened Stenvik in memory: the dialog, the program's state and the
// Controller, driven the way a user drives the window.

#include <cstdint>

#include "core/controller.h"
#include "memory/dialog.h"

namespace stenvik {

// "SPARA raderna" in memory: the user cancels the file dialog.
class CancelledSaveDialog final : public SaveDialog {
public:
    void Run() override { ++runs; }
    int runs = 0;
};

class MemorySession {
public:
    MemorySession() = default;
    explicit MemorySession(std::int32_t seed) { state.Reseed(seed); }

    // A user's click on control `id`. A button reacts as on the real
    // platform (nothing at all when it is hidden or disabled); any other
    // identifier, the rows box or one the dialog lacks, reaches the
    // Controller as the command (id, 0).
    void Click(int id);
    // The command (id, code) as is, with no action of the platform.
    void Send(int id, int code) { controller.Command(id, code); }

    const std::string& Rows() const { return dialog.Find(rc::kRowsBox)->text; }

    MemoryDialog dialog;
    ProgramState state;
    CancelledSaveDialog saveDialog;
    Controller controller{dialog, state, saveDialog};
};

}  // namespace stenvik
