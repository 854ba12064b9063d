#include "memory/dialog.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/codepage.h"
#include "core/coupon_text.h"
#include "core/dialog_manager.h"
#include "core/rc.h"

namespace stenvik {

namespace {

// The status control gets the handle past the table's: it takes texts and
// shows nothing.
constexpr auto kStatusHandle = static_cast<ControlHandle>(dialog::kControls.size() + 1);

// A press writes at most a rows text to a control; with room for one from
// the start, no press touches the heap.
constexpr std::size_t kLongestText = coupon::RowsText::kMaxLength;

// The position of each control in the table, by identifier, so that a
// lookup is an index: the Controller looks up over a hundred when it starts,
// and every click one more.
constexpr auto kIds = [] {
    std::pair<int, int> range{std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    for (const auto& control : dialog::kControls) {
        if (control.id == dialog::kNoId) continue;
        range = {std::min(range.first, control.id), std::max(range.second, control.id)};
    }
    return range;
}();
constexpr auto kPositions = [] {
    std::array<std::uint8_t, kIds.second - kIds.first + 1> positions{};  // position + 1; 0 for none
    for (std::size_t i = 0; i < dialog::kControls.size(); ++i) {
        if (dialog::kControls[i].id != dialog::kNoId) {
            positions[static_cast<std::size_t>(dialog::kControls[i].id - kIds.first)] =
                static_cast<std::uint8_t>(i + 1);
        }
    }
    return positions;
}();
static_assert(dialog::kControls.size() < 255);

constexpr std::optional<std::size_t> PositionOf(int id) {
    if (id < kIds.first || id > kIds.second) return std::nullopt;
    const std::size_t position = kPositions[static_cast<std::size_t>(id - kIds.first)];
    if (position == 0) return std::nullopt;
    return position - 1;
}
static_assert([] {
    for (int id = kIds.first - 1; id <= kIds.second + 1; ++id) {
        if (PositionOf(id) != dialog::IndexOf(id)) return false;
    }
    return PositionOf(dialog::kNoId) == std::nullopt;
}());

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
    const auto position = PositionOf(id);
    return position ? static_cast<ControlHandle>(*position + 1) : ControlHandle::none;
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
    const auto position = PositionOf(id);
    return position ? &_controls[*position] : nullptr;
}

std::optional<int> MemoryDialog::Focus() const {
    if (!_focus) return std::nullopt;
    return _controls[*_focus].spec->id;
}

}  // namespace stenvik
