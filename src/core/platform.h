#pragma once
// The few control operations the logic needs of a user-interface toolkit.
// Win32, Qt and the in-memory dialog each answer them; nothing else in the
// core knows which one runs.
//
// Rules every implementation keeps, because the logic relies on them:
// - Changes made through these operations never come back as commands the
//   logic acts on: no click and no change of an edit's text. Windows still
//   reports the rows box gaining or losing the focus, which it ignores.
// - ControlHandle::none stands for a control the dialog lacks. It takes
//   every operation and does nothing; IsChecked is false, TextLength 0, and
//   SetFocus(none) takes the focus away from every control.

#include <cstdint>
#include <string_view>

namespace stenvik {

enum class ControlHandle : std::uintptr_t { none = 0 };

class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    virtual ControlHandle GetControl(int id) = 0;
    virtual void SetVisible(ControlHandle control, bool visible) = 0;
    virtual void SetEnabled(ControlHandle control, bool enabled) = 0;
    virtual void SetFocus(ControlHandle control) = 0;
    // Only the checked state counts; an indeterminate box is not checked.
    virtual bool IsChecked(ControlHandle control) = 0;
    virtual void SetChecked(ControlHandle control, bool checked) = 0;
    // Windows-1252 bytes with "\r\n" line breaks, replacing the whole text.
    virtual void SetText(ControlHandle control, std::string_view text) = 0;
    // In characters, a line break counting as two.
    virtual int TextLength(ControlHandle control) = 0;

protected:
    ~Platform() = default;
};

}  // namespace stenvik
