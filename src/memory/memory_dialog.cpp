#include "memory_dialog.h"

#include <utility>

#include "codepage.h"
#include "coupon_text.h"
#include "dialog_manager.h"
#include "rc.h"

namespace stenvik {

namespace {

// The status control gets the handle past the table's: it takes texts and
// shows nothing.
constexpr auto kStatusHandle = static_cast<ControlHandle>(dialog::kControls.size() + 1);

// A press writes at most a rows text to a control; with room for one from
// the start, no press touches the heap.
constexpr std::size_t kLongestText = coupon::RowsText::kMaxLength;

}  // namespace

MemoryDialog::MemoryDialog() {
    _controls.reserve(dialog::kControls.size());
    for (const auto& spec : dialog::kControls) {
        _controls.push_back({&spec, true, true, false, Utf8ToCp1252(AsChars(spec.text)).value()});
        if (spec.kind == dialog::Kind::Edit) _controls.back().text.reserve(kLongestText);
    }
    _statusRoom.reserve(kLongestText);
}

ControlHandle MemoryDialog::GetControl(int id) {
    if (id == rc::kStatus) return kStatusHandle;
    return dialog::HandleOf(id);
}

MemoryDialog::ControlState* MemoryDialog::StateOf(ControlHandle control) {
    const auto index = dialog::IndexOfHandle(control);
    return index ? &_controls[*index] : nullptr;
}

void MemoryDialog::SetVisible(ControlHandle control, bool visible) {
    if (auto* state = StateOf(control)) state->visible = visible;
}

void MemoryDialog::SetEnabled(ControlHandle control, bool enabled) {
    if (auto* state = StateOf(control)) state->enabled = enabled;
}

void MemoryDialog::SetFocus(ControlHandle control) { _focus = dialog::IndexOfHandle(control); }

bool MemoryDialog::IsChecked(ControlHandle control) {
    const auto* state = StateOf(control);
    return state != nullptr && state->checked;
}

void MemoryDialog::SetChecked(ControlHandle control, bool checked) {
    if (auto* state = StateOf(control)) state->checked = checked;
}

void MemoryDialog::SetText(ControlHandle control, std::string_view text) {
    if (control == kStatusHandle) {
        if (!_status) _status.emplace(std::move(_statusRoom));
        _status->assign(text);
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
            dialog::ClickRadioButton(
                static_cast<std::size_t>(clicked - _controls.data()),
                [this](std::size_t i) { return _controls[i].visible && _controls[i].enabled; },
                [this](std::size_t i, bool checked) { _controls[i].checked = checked; });
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
