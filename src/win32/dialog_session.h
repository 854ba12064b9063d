#pragma once
// What lives from WM_INITDIALOG to WM_CLOSE: the dialog's controls as the
// core sees them, the save dialog, and the Controller behind them.

#include <windows.h>

#include "core/controller.h"
#include "core/program_state.h"
#include "win32/dialog.h"
#include "win32/file_dialog.h"

namespace stenvik::win32 {

class DialogSession {
public:
    // Puts the dialog `hwnd` into its start state, icons included.
    DialogSession(HWND hwnd, ProgramState& state);
    DialogSession(const DialogSession&) = delete;
    DialogSession& operator=(const DialogSession&) = delete;
    ~DialogSession();

    void Command(int controlID, int command) { _controller.Command(controlID, command); }

private:
    HWND _hwnd;
    Win32Dialog _dialog;
    Win32SaveDialog _saveDialog;
    Controller _controller;
    // The rows box's reductions draw from a generator of their own, seeded as
    // the program's is at start, so that the press's rows never depend on them.
    TRandomMersenne _reduction{ClockSeed()};
};

}  // namespace stenvik::win32
