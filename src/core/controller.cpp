#include "core/controller.h"

#include <algorithm>
#include <utility>

#include "core/instructions.h"

namespace stenvik {

namespace {

template <typename Wrapper, typename IdOf, std::size_t... Index>
auto WrapEach(Platform& dialog, IdOf idOf, std::index_sequence<Index...> /*indices*/) {
    return std::array<Wrapper, sizeof...(Index)>{Wrapper(dialog, idOf(Index), true)...};
}

template <typename Wrapper, std::size_t N, typename IdOf>
std::array<Wrapper, N> Wrap(Platform& dialog, IdOf idOf) {
    return WrapEach<Wrapper>(dialog, idOf, std::make_index_sequence<N>{});
}

// The position of `id` in `ids`, if it is there.
template <typename Ids, typename IdOf>
std::optional<std::size_t> IndexOf(const Ids& ids, int id, IdOf idOf) {
    const auto found = std::find_if(ids.begin(), ids.end(), [&](const auto& entry) { return idOf(entry) == id; });
    if (found == ids.end()) return std::nullopt;
    return static_cast<std::size_t>(found - ids.begin());
}

constexpr auto kSelf = [](int id) { return id; };

}  // namespace

Controller::Controller(Platform& dialog, ProgramState& state, SaveDialog& saveDialog)
    : _state(state),
      _saveDialog(saveDialog),
      _edit(dialog, rc::kEdit, true),
      _clear(dialog, rc::kClear, false),
      _status(dialog, rc::kStatus, true),
      _status1(dialog, rc::kRowsBox, true),
      _leftCheck(dialog, rc::kEnkelrader, true),
      _rightCheck(dialog, rc::kSystem, true),
      _halfCovers(Wrap<RadioButton, rc::kHalfCovers.size()>(dialog, [](std::size_t i) { return rc::kHalfCovers[i]; })),
      _rowCounts(Wrap<RadioButton, rc::kRowCounts.size()>(dialog, [](std::size_t i) { return rc::kRowCounts[i].id; })),
      _enkel28(dialog, rc::kCompatible, true),
      _enkel29(dialog, rc::kStryktipset, true),
      _enkel30(dialog, rc::kItalienska, true),
      _button1(dialog, rc::kGenerate, true),
      _button2(dialog, rc::kSave, true),
      _button3(dialog, rc::kInstructions, true),
      _fullCovers(Wrap<CheckBox, rc::kFullCovers.size()>(dialog, [](std::size_t i) { return rc::kFullCovers[i]; })),
      _klassiskt(dialog, rc::kKlassiskt, true),
      _statistiskt(dialog, rc::kStatistiskt, true),
      _sure(
          Wrap<CheckBox, rc::kSureBoxes>(dialog, [](std::size_t i) { return rc::kFirstSure + static_cast<int>(i); })) {
    // _edit is absent, so this clears the focus; the platform then gives it
    // to the first tab stop, the rows box.
    _edit.SetFocus();

    _edit.Hide();
    _button1.Hide();
    _button2.Hide();
    for (auto& radio : _halfCovers) radio.Hide();
    for (auto& box : _fullCovers) box.Hide();
    for (auto& radio : _rowCounts) radio.Hide();
    _enkel28.Hide();
    _enkel29.Hide();
    _enkel30.Hide();

    _fullCovers[0].Check();
    _halfCovers[0].Select();
    _enkel29.Check();
    _rowCounts[0].Select();
    _klassiskt.Check();
}

void Controller::Command(int controlID, int command) {
    if (controlID == rc::kEdit) return EditChanged(command);
    if (command != kClicked || controlID < rc::kFirstCommand || controlID > rc::kLastCommand) return;

    switch (controlID) {
        case rc::kEnkelrader: return SingleRowModeClicked();
        case rc::kSystem: return SystemModeClicked();
        case rc::kCompatible: return CompatibleClicked();
        case rc::kStryktipset: return GameClicked(_enkel30, "Stryktipset.");
        case rc::kItalienska: return GameClicked(_enkel29, "Italienska stryktipset.");
        case rc::kKlassiskt: return _statistiskt.UnCheck();
        case rc::kStatistiskt: return _klassiskt.UnCheck();
        case rc::kGenerate: return Generate();
        case rc::kSave: return _saveDialog.Run();
        case rc::kInstructions: return _status1.SetString(kInstructions);
        default: break;
    }
    if (const auto count = IndexOf(rc::kHalfCovers, controlID, kSelf)) {
        return HalfCoversClicked(static_cast<int>(*count));
    }
    if (const auto count = IndexOf(rc::kFullCovers, controlID, kSelf)) {
        return FullCoversClicked(static_cast<int>(*count));
    }
    if (const auto index = IndexOf(rc::kRowCounts, controlID, [](const rc::RowCount& entry) { return entry.id; })) {
        return RowCountClicked(rc::kRowCounts[*index].rows);
    }
    if (controlID >= rc::kFirstSure && controlID <= rc::kLastSure) {
        const int offset = controlID - rc::kFirstSure;
        return SureSignClicked(offset / rc::kSigns + 1, offset % rc::kSigns);
    }
}

void Controller::EditChanged(int command) {
    if (!Edit::IsChanged(command)) return;
    if (_edit.GetLength() != 0) {
        _clear.Enable();
    } else {
        _clear.Disable();
    }
}

}  // namespace stenvik
