#include "memory_dialog.h"

#include "codepage.h"
#include "rc.h"

namespace stenvik {

namespace {

// Handles are positions in the table plus one, so that none stays 0. The
// status control gets one past them all: it takes texts and shows nothing.
constexpr auto kStatusHandle = static_cast<ControlHandle>(dialog::kControls.size() + 1);

}  // namespace

MemoryDialog::MemoryDialog() {
    _controls.reserve(dialog::kControls.size());
    for (std::size_t i = 0; i < dialog::kControls.size(); ++i) {
        const auto& spec = dialog::kControls[i];
        _controls.push_back({&spec, dialog::kGroups[i], true, true, false, Utf8ToCp1252(AsChars(spec.text)).value()});
    }
}

ControlHandle MemoryDialog::GetControl(int id) {
    if (id == rc::kStatus) return kStatusHandle;
    const auto index = dialog::IndexOf(id);
    return index ? static_cast<ControlHandle>(*index + 1) : ControlHandle::none;
}

MemoryDialog::ControlState* MemoryDialog::StateOf(ControlHandle control) {
    const auto index = static_cast<std::size_t>(control);
    if (index == 0 || index > _controls.size()) return nullptr;
    return &_controls[index - 1];
}

void MemoryDialog::SetVisible(ControlHandle control, bool visible) {
    if (auto* state = StateOf(control)) state->visible = visible;
}

void MemoryDialog::SetEnabled(ControlHandle control, bool enabled) {
    if (auto* state = StateOf(control)) state->enabled = enabled;
}

void MemoryDialog::SetFocus(ControlHandle control) {
    if (StateOf(control) != nullptr) {
        _focus = static_cast<std::size_t>(control) - 1;
    } else {
        _focus.reset();
    }
}

bool MemoryDialog::IsChecked(ControlHandle control) {
    const auto* state = StateOf(control);
    return state != nullptr && state->checked;
}

void MemoryDialog::SetChecked(ControlHandle control, bool checked) {
    if (auto* state = StateOf(control)) state->checked = checked;
}

void MemoryDialog::SetText(ControlHandle control, std::string_view text) {
    if (control == kStatusHandle) {
        _status = std::string(text);
    } else if (auto* state = StateOf(control)) {
        state->text = text;
    }
}

int MemoryDialog::TextLength(ControlHandle control) {
    const auto* state = StateOf(control);
    return state == nullptr ? 0 : static_cast<int>(state->text.size());
}

std::optional<CommandMessage> MemoryDialog::Click(int id) {
    auto* clicked = StateOf(GetControl(id));
    if (clicked == nullptr || !dialog::IsButton(clicked->spec->kind) || !clicked->visible || !clicked->enabled) {
        return std::nullopt;
    }
    switch (clicked->spec->kind) {
        case dialog::Kind::CheckBox: clicked->checked = !clicked->checked; break;
        case dialog::Kind::RadioButton:
            for (auto& other : _controls) {
                if (other.spec->kind == dialog::Kind::RadioButton && other.group == clicked->group && other.visible &&
                    other.enabled) {
                    other.checked = false;
                }
            }
            clicked->checked = true;
            break;
        default: break;
    }
    _focus = static_cast<std::size_t>(clicked - _controls.data());
    return CommandMessage{id, 0};
}

const MemoryDialog::ControlState* MemoryDialog::Find(int id) const {
    const auto index = dialog::IndexOf(id);
    return index ? &_controls[*index] : nullptr;
}

std::optional<int> MemoryDialog::Focus() const {
    if (!_focus) return std::nullopt;
    return _controls[*_focus].spec->id;
}

}  // namespace stenvik
