#include "win32/dialog.h"

#include <commctrl.h>

#include <cstdint>
#include <string>

#include "win32/undoable_text.h"

namespace stenvik::win32 {

namespace {

HWND Hwnd(ControlHandle control) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(control)); }

LRESULT CALLBACK DropCommandsOf(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                DWORD_PTR control) {
    if (message == WM_COMMAND && lParam == static_cast<LPARAM>(control)) return 0;
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

// While the program edits a control, what the control reports of it stops
// at the dialog: it would come back as a command, as the player's typing does.
class Unreported {
public:
    Unreported(HWND dialog, HWND control) : _dialog(dialog) {
        ::SetWindowSubclass(dialog, DropCommandsOf, 0, reinterpret_cast<DWORD_PTR>(control));
    }
    Unreported(const Unreported&) = delete;
    Unreported& operator=(const Unreported&) = delete;
    ~Unreported() { ::RemoveWindowSubclass(_dialog, DropCommandsOf, 0); }

private:
    HWND _dialog;
};

}  // namespace

ControlHandle Win32Dialog::GetControl(int id) {
    return static_cast<ControlHandle>(reinterpret_cast<std::uintptr_t>(::GetDlgItem(_hwnd, id)));
}

void Win32Dialog::SetVisible(ControlHandle control, bool visible) {
    ::ShowWindow(Hwnd(control), visible ? SW_SHOW : SW_HIDE);
}

void Win32Dialog::SetEnabled(ControlHandle control, bool enabled) { ::EnableWindow(Hwnd(control), enabled); }

void Win32Dialog::SetFocus(ControlHandle control) { ::SetFocus(Hwnd(control)); }

bool Win32Dialog::IsChecked(ControlHandle control) {
    return ::SendMessageA(Hwnd(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Dialog::SetChecked(ControlHandle control, bool checked) {
    ::SendMessageA(Hwnd(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Dialog::SetText(ControlHandle control, std::string_view text) {
    const HWND window = Hwnd(control);
    if ((::SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) == 0) {
        // The window copies the text; it only needs the terminating zero.
        const std::string terminated(text);
        ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
        return;
    }
    // An edit, the rows box: "Ångra" brings back what the player had there.
    // Otherwise as WM_SETTEXT: unreported, and shown from its start.
    const Unreported quiet(_hwnd, window);
    ReplaceUndoably(window, text);
    ::SendMessageA(window, EM_SETSEL, 0, 0);
    ::SendMessageA(window, EM_SCROLLCARET, 0, 0);
}

int Win32Dialog::TextLength(ControlHandle control) {
    return static_cast<int>(::SendMessageA(Hwnd(control), WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace stenvik::win32
