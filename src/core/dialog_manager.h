#pragma once
// What the Windows dialog manager does with the dialog that Qt and the
// in-memory dialog have to do by hand, and where stenvik.exe itself departs
// from it. Each rule is stated once, over positions in the dialog table, so
// the three front ends cannot drift apart; a front end supplies only what
// it alone knows, such as whether a control is shown and enabled.

#include <concepts>
#include <cstddef>
#include <optional>

#include "core/dialog_table.h"
#include "core/platform.h"

namespace stenvik::dialog {

// A control's handle is its position in the table plus one, so that no
// control's handle is ControlHandle::none.
constexpr ControlHandle HandleOf(int id) {
    const auto index = IndexOf(id);
    return index ? static_cast<ControlHandle>(*index + 1) : ControlHandle::none;
}

// The position a handle stands for; nothing for none and for a handle past
// the table, which a front end may use for a control of its own.
constexpr std::optional<std::size_t> IndexOfHandle(ControlHandle control) {
    const auto handle = static_cast<std::size_t>(control);
    if (handle == 0 || handle > kControls.size()) return std::nullopt;
    return handle - 1;
}

// The groups, by position: a control with WS_GROUP starts a new one. Only
// the labels have it, so all radio buttons share one.
inline constexpr std::array<int, kControls.size()> kGroups = [] {
    std::array<int, kControls.size()> groups{};
    int group = 0;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if ((StyleOf(kControls[i].kind) & style::kGroup) != 0) ++group;
        groups[i] = group;
    }
    return groups;
}();

// A click on the radio button at `clicked` marks it and clears the radio
// buttons of its group that the user can see and use (`usable`); a hidden
// or disabled one keeps its mark. `check(i, checked)` sets a mark.
constexpr void ClickRadioButton(std::size_t clicked, std::predicate<std::size_t> auto usable,
                                std::invocable<std::size_t, bool> auto check) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].kind == Kind::RadioButton && kGroups[i] == kGroups[clicked] && usable(i)) check(i, false);
    }
    check(clicked, true);
}

// Tab stops only at the rows box and the push buttons. Windows' own rule
// would also stop at a checked radio button, which takes WS_TABSTOP, so
// stenvik.exe moves the focus itself.
constexpr bool IsTabStop(std::size_t index) { return (StyleOf(kControls[index].kind) & style::kTabStop) != 0; }

// Where Tab (or Shift+Tab, `backwards`) moves from the control at `from`:
// the next usable tab stop in template order, round again. From no control,
// it starts before the first (or after the last). Nothing when none is usable.
constexpr std::optional<std::size_t> NextTabStop(std::optional<std::size_t> from, bool backwards,
                                                 std::predicate<std::size_t> auto usable) {
    constexpr std::size_t count = kControls.size();
    const std::size_t step = backwards ? count - 1 : 1;
    const std::size_t start = from ? *from : backwards ? 0 : count - 1;
    for (std::size_t n = 1, i = (start + step) % count; n <= count; ++n, i = (i + step) % count) {
        if (IsTabStop(i) && usable(i)) return i;
    }
    return std::nullopt;
}

// The groups as the arrow keys see them. The dialog manager goes round the
// controls as a ring, so a group runs from one WS_GROUP control to the
// next round the end of the template: the controls before the first label
// belong with the last label's group. Down on the last sure box thus goes
// to "Match 13:", and Down on "Instruktioner" to the frame "Välj:".
inline constexpr std::array<int, kControls.size()> kArrowGroups = [] {
    auto groups = kGroups;
    for (auto& group : groups) {
        if (group == 0) group = kGroups.back();
    }
    return groups;
}();

// Where an arrow key moves the focus from the control at `from`: the next
// (Down, Right) or previous (Up, Left: `backwards`) usable control of its
// ring group, of any kind, frames and labels too, round the group. Nothing
// when no other control of the group is usable.
constexpr std::optional<std::size_t> NextInGroup(std::size_t from, bool backwards,
                                                 std::predicate<std::size_t> auto usable) {
    constexpr std::size_t count = kControls.size();
    const std::size_t step = backwards ? count - 1 : 1;
    for (std::size_t i = (from + step) % count; i != from; i = (i + step) % count) {
        if (kArrowGroups[i] == kArrowGroups[from] && usable(i)) return i;
    }
    return std::nullopt;
}

// An arrow key that reaches an automatic radio button not yet checked also
// clicks it; any other control only takes the focus.
constexpr bool ArrowClicks(std::size_t index, bool checked) {
    return kControls[index].kind == Kind::RadioButton && !checked;
}

}  // namespace stenvik::dialog
