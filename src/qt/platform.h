#pragma once
// The control operations of the core, answered by the widgets of a
// DialogWindow, by the dialog manager's handles. Nothing done here is
// reported as a command.

#include "core/platform.h"
#include "qt/dialog_window.h"

namespace stenvik::qt {

class QtPlatform final : public Platform {
public:
    explicit QtPlatform(DialogWindow& window) : _window(window) {}

    ControlHandle GetControl(int id) override;
    void SetVisible(ControlHandle control, bool visible) override;
    void SetEnabled(ControlHandle control, bool enabled) override;
    void SetFocus(ControlHandle control) override;
    bool IsChecked(ControlHandle control) override;
    void SetChecked(ControlHandle control, bool checked) override;
    void SetText(ControlHandle control, std::string_view text) override;
    int TextLength(ControlHandle control) override;

private:
    QWidget* WidgetOf(ControlHandle control) const;

    DialogWindow& _window;
};

}  // namespace stenvik::qt
