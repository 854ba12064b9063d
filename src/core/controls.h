#pragma once
// Thin wrappers round the dialog's controls. A wrapper holds the handle of one
// control and turns each operation into one platform call; it keeps no state
// of its own, so the check marks, visibility and text are always the
// control's.

#include <string_view>

#include "core/platform.h"

namespace stenvik {

// Notification codes of a command: a button was clicked, an edit's text changed.
inline constexpr int kClicked = 0;
inline constexpr int kEditChanged = 0x0300;

class SimpleControl {
public:
    // A control the dialog lacks is no error: every operation then does nothing.
    SimpleControl(Platform& dialog, int id, bool initialState) : _dialog(&dialog), _hWnd(dialog.GetControl(id)) {
        if (!initialState) Disable();
    }

    void Hide() { _dialog->SetVisible(_hWnd, false); }
    void Show() { _dialog->SetVisible(_hWnd, true); }
    void SetFocus() { _dialog->SetFocus(_hWnd); }
    void Enable() { _dialog->SetEnabled(_hWnd, true); }
    void Disable() { _dialog->SetEnabled(_hWnd, false); }

protected:
    Platform* _dialog;
    ControlHandle _hWnd;
};

class Button : public SimpleControl {
public:
    using SimpleControl::SimpleControl;
};

class CheckBox : public Button {
public:
    using Button::Button;
    bool IsChecked() const { return _dialog->IsChecked(_hWnd); }
    void Check() { _dialog->SetChecked(_hWnd, true); }
    void UnCheck() { _dialog->SetChecked(_hWnd, false); }
};

class RadioButton : public Button {
public:
    using Button::Button;
    // Marks this button only: clearing the others of its group is what the
    // platform does for a user's click, never for the program's.
    void Select() { _dialog->SetChecked(_hWnd, true); }
};

class Edit : public SimpleControl {
public:
    using SimpleControl::SimpleControl;
    void SetString(std::string_view text) { _dialog->SetText(_hWnd, text); }
    int GetLength() const { return _dialog->TextLength(_hWnd); }
    static bool IsChanged(int code) { return code == kEditChanged; }
};

}  // namespace stenvik
