#include "memory_dialog.h"

#include <algorithm>

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
    int group = 0;
    for (const auto& spec : dialog::kControls) {
        // A control with WS_GROUP starts a new group.
        if ((dialog::StyleOf(spec.kind) & dialog::style::kGroup) != 0) ++group;
        _controls.push_back({&spec, group, true, true, false, Utf8ToCp1252(AsChars(spec.text)).value()});
    }
}

ControlHandle MemoryDialog::GetControl(int id) {
    if (id == rc::kStatus) return kStatusHandle;
    for (std::size_t i = 0; i < _controls.size(); ++i) {
        if (_controls[i].spec->id == id && id != rc::kNoId) return static_cast<ControlHandle>(i + 1);
    }
    return ControlHandle::none;
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
    const auto found = std::find_if(_controls.begin(), _controls.end(), [id](const ControlState& state) {
        return id != rc::kNoId && state.spec->id == id;
    });
    return found == _controls.end() ? nullptr : &*found;
}

std::optional<int> MemoryDialog::Focus() const {
    if (!_focus) return std::nullopt;
    return _controls[*_focus].spec->id;
}

}  // namespace stenvik
