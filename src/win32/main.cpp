// Stenvik for Windows: one modeless dialog and its message loop.

#include <windows.h>

#include <commctrl.h>

#include "core/program_state.h"
#include "core/rc.h"
#include "win32/dialog_proc.h"
#include "win32/instance.h"

using namespace stenvik;

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE /*hPrevInst*/, LPSTR /*cmdParam*/, int /*cmdShow*/) {
    // DLLs loaded from here on come from the system folder only, never from
    // beside the program (a Downloads folder, say), where anyone may have
    // put one under a system DLL's name. The imports, loaded before this,
    // are system DLLs only.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    win32::TheInstance = hInst;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&classes);

    // One for the whole run, seeded from the clock.
    static ProgramState state;
    const HWND hDialog = ::CreateDialogParamA(hInst, MAKEINTRESOURCEA(rc::kDialog), nullptr, win32::DialogProc,
                                              reinterpret_cast<LPARAM>(&state));
    if (hDialog == nullptr) {
        char buf[100];
        ::wsprintfA(buf, "Error x%x", ::GetLastError());
        ::MessageBoxA(nullptr, buf, "CreateDialog", MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }

    MSG msg;
    int status = 0;
    while ((status = ::GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (status == -1) return -1;
        if (!::IsDialogMessageA(hDialog, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
