#pragma once
// "SPARA raderna": the platform's file dialog, then the rows box's text to
// the chosen file (or, the other way round, a file into the rows box), with
// the program's own error messages.

#include <windows.h>

#include "core/save_dialog.h"
#include "win32/file_system.h"

namespace stenvik::win32 {

// Asks for a file and saves the rows box of the dialog `hwnd` to it (bSave
// TRUE) or loads it into the rows box (FALSE). FALSE only when a chosen file
// failed, after telling the user; a cancelled file dialog is no failure.
BOOL DoFileOpenSave(HWND hwnd, BOOL bSave);

// The whole text of the edit control `hEdit` to the file. An empty control
// is a failure, and leaves an existing file as it was.
BOOL SaveFile(HWND hEdit, const char* pszFileName, FileSystem& files = SystemFiles());
// The whole file as the text of `hEdit`; a file too long for it is a failure.
BOOL LoadFile(HWND hEdit, const char* pszFileName, FileSystem& files = SystemFiles());

class Win32SaveDialog final : public SaveDialog {
public:
    explicit Win32SaveDialog(HWND hwnd) : _hwnd(hwnd) {}
    // Failures are already shown to the user; there is nothing left to do.
    void Run() override { DoFileOpenSave(_hwnd, TRUE); }

private:
    HWND _hwnd;
};

}  // namespace stenvik::win32
