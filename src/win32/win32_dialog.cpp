#include "win32_dialog.h"

#include <cstdint>
#include <string>

namespace stenvik::win32 {

namespace {

HWND Hwnd(ControlHandle control) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(control)); }

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
    // The window copies the text; it only needs the terminating zero.
    const std::string terminated(text);
    ::SendMessageA(Hwnd(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

int Win32Dialog::TextLength(ControlHandle control) {
    return static_cast<int>(::SendMessageA(Hwnd(control), WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace stenvik::win32
