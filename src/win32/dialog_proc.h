#pragma once
// The procedure of Stenvik's one window, a modeless dialog.

#include <windows.h>

namespace stenvik::win32 {

// Expects the program's ProgramState as the WM_INITDIALOG parameter.
INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace stenvik::win32
