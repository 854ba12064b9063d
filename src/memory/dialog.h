#pragma once
// The dialog in memory: the controls of the dialog table with the rules of
// the real platform that the logic relies on, and nothing more. It serves
// the tests and the command-line program.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialog_table.h"
#include "core/platform.h"

namespace stenvik {

struct CommandMessage {
    int id;
    int code;
};

class MemoryDialog final : public Platform {
public:
    struct ControlState {
        const dialog::Control* spec;
        bool visible = true;
        bool enabled = true;
        bool checked = false;
        std::string text;  // Windows-1252
    };

    MemoryDialog();

    ControlHandle GetControl(int id) override;
    void SetVisible(ControlHandle control, bool visible) override;
    void SetEnabled(ControlHandle control, bool enabled) override;
    void SetFocus(ControlHandle control) override;
    bool IsChecked(ControlHandle control) override;
    void SetChecked(ControlHandle control, bool checked) override;
    void SetText(ControlHandle control, std::string_view text) override;
    int TextLength(ControlHandle control) override;

    // A user's click on the button `id`, as the platform handles it: a check
    // box toggles, a radio button is marked and clears the visible, enabled
    // radio buttons of its group. Returns the command it sends, or nothing
    // for a hidden or disabled control or one that is no button.
    std::optional<CommandMessage> Click(int id);

    // What a test or script may look at.
    const std::vector<ControlState>& Controls() const { return _controls; }
    const ControlState* Find(int id) const;
    // The last text written to the status control the dialog lacks.
    const std::optional<std::string>& Status() const { return _status; }
    // The identifier of the focused control, or nothing.
    std::optional<int> Focus() const;

private:
    ControlState* StateOf(ControlHandle control);

    std::vector<ControlState> _controls;
    std::optional<std::size_t> _focus;
    std::optional<std::string> _status;
    std::string _statusRoom;  // the status text's buffer until the first is written
};

}  // namespace stenvik
