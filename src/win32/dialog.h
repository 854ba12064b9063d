#pragma once
// The control operations of the core over a real dialog window: each one is
// a single Win32 call on the control's window, whose handle is the
// ControlHandle, but for an edit's text, which goes in as an edit that
// "Ångra" takes back. A missing control is the null window, on which Windows
// itself does nothing (and SetFocus(nullptr) clears the focus), exactly as
// the core expects of ControlHandle::none.

#include <windows.h>

#include "core/platform.h"

namespace stenvik::win32 {

class Win32Dialog final : public Platform {
public:
    explicit Win32Dialog(HWND hwnd) : _hwnd(hwnd) {}

    ControlHandle GetControl(int id) override;
    void SetVisible(ControlHandle control, bool visible) override;
    void SetEnabled(ControlHandle control, bool enabled) override;
    void SetFocus(ControlHandle control) override;
    bool IsChecked(ControlHandle control) override;
    void SetChecked(ControlHandle control, bool checked) override;
    void SetText(ControlHandle control, std::string_view text) override;
    int TextLength(ControlHandle control) override;

private:
    HWND _hwnd;
};

}  // namespace stenvik::win32
