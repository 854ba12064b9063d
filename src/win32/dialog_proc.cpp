#include "win32/dialog_proc.h"

#include <memory>

#include "win32/dialog_session.h"
#include "win32/tab_order.h"
#include "win32/win_exception.h"

namespace stenvik::win32 {

namespace {

constexpr UINT kBoxFlags = MB_OK | MB_ICONEXCLAMATION;

// The dialog stays open when the Controller cannot be made: the user sees
// why, and can still close it.
INT_PTR OnInitDialog(std::unique_ptr<DialogSession>& control, HWND hwnd, ProgramState& state) {
    try {
        control = std::make_unique<DialogSession>(hwnd, state);
    } catch (WinException e) {
        ::MessageBoxA(nullptr, e.GetMessageA(), "Exception", kBoxFlags);
    } catch (...) {
        ::MessageBoxA(nullptr, "Unknown", "Exception", kBoxFlags);
        return -1;
    }
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static std::unique_ptr<DialogSession> control;
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(control, hwnd, *reinterpret_cast<ProgramState*>(lParam));
        case WM_COMMAND:
            // Controls also notify while no Controller exists: before it is
            // made, after making it failed, and while the window is torn down.
            if (control) control->Command(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NEXTDLGCTL:
            // Tab and Shift+Tab, from the dialog manager or the rows box:
            // choose the stop, and let the dialog manager move the focus.
            if (LOWORD(lParam) == FALSE) {
                if (const HWND next = NextTabStop(hwnd, ::GetFocus(), wParam != 0)) {
                    ::SendMessageA(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
                }
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            control.reset();
            ::DestroyWindow(hwnd);
            return TRUE;
        case WM_DESTROY: ::PostQuitMessage(0); return TRUE;
        default: return FALSE;
    }
}

}  // namespace stenvik::win32
