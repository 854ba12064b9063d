// What a click on a mode, option, count or sure-sign control does to the
// selection and to the dialog. Every handler acts and ends; none calls another.

#include <charconv>

#include "core/controller.h"

namespace stenvik {

namespace {

using StatusText = FixedText<64>;

// "<count> <word> vald." — the status line of a count click.
StatusText CountStatus(int count, std::string_view word) {
    std::array<char, 4> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), count).ptr;
    StatusText text;
    text.Assign(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
    text.Append(" ");
    text.Append(word);
    text.Append(" vald.");
    return text;
}

constexpr int kMaxCovers = 13;

}  // namespace

void Controller::SingleRowModeClicked() {
    StatusText statusMessage;
    statusMessage.Assign("Du har valt ");
    if (_leftCheck.IsChecked()) statusMessage.Append(": Enkelrader");
    _edit.Show();
    _button1.Show();
    for (auto& radio : _halfCovers) radio.Hide();
    for (auto& box : _fullCovers) box.Hide();
    for (auto& radio : _rowCounts) radio.Show();
    _enkel28.Show();
    _status.SetString(statusMessage.view());
    if (_rightCheck.IsChecked()) _rightCheck.UnCheck();
}

void Controller::SystemModeClicked() {
    StatusText statusMessage;
    statusMessage.Assign("Du har valt ");
    if (_rightCheck.IsChecked()) statusMessage.Append(": System");
    _edit.Hide();
    _button1.Show();
    for (auto& radio : _halfCovers) radio.Show();
    for (auto& box : _fullCovers) box.Show();
    for (auto& radio : _rowCounts) radio.Hide();
    // The game boxes keep their marks for the next time they are shown.
    _enkel28.Hide();
    _enkel29.Hide();
    _enkel30.Hide();
    _enkel28.UnCheck();
    _status.SetString(statusMessage.view());
    if (_leftCheck.IsChecked()) _leftCheck.UnCheck();
}

void Controller::CompatibleClicked() {
    // The game boxes appear whether this click checked or unchecked the box.
    _status.SetString("Svenska spel kompatibilitet.");
    _enkel29.Show();
    _enkel30.Show();
}

void Controller::GameClicked(CheckBox& other, std::string_view status) {
    _status.SetString(status);
    other.UnCheck();
}

// Hides the full covers that would bring half plus full above 13 matches;
// neither the other count nor its marks change, so a hidden box may stay
// checked and its count stay in force.
void Controller::HalfCoversClicked(int count) {
    _status.SetString(CountStatus(count, count == 1 ? "halvgardering" : "halvgarderingar").view());
    _state.antal_halvgarderingar = count;
    for (int full = kMaxCovers + 1 - count; full <= kMaxCovers; ++full) {
        _fullCovers[static_cast<std::size_t>(full)].Hide();
    }
    for (int full = 0; full <= kMaxCovers - count; ++full) _fullCovers[static_cast<std::size_t>(full)].Show();
}

// The full covers are check boxes made exclusive here. The count follows the
// click even when it unchecked the box.
void Controller::FullCoversClicked(int count) {
    if (count == kMaxCovers) {
        _status.SetString(Cp1252Text{u8"13 helgarderingar!Hmm... varför använder du detta program?"});
    } else {
        _status.SetString(CountStatus(count, count == 1 ? "helgardering" : "helgarderingar").view());
    }
    _state.antal_helgarderingar = count;
    for (int half = 0; half <= kMaxCovers - count; ++half) _halfCovers[static_cast<std::size_t>(half)].Show();
    for (int half = kMaxCovers + 1 - count; half <= kMaxCovers; ++half) {
        _halfCovers[static_cast<std::size_t>(half)].Hide();
    }
    for (int other = 0; other <= kMaxCovers; ++other) {
        if (other != count) _fullCovers[static_cast<std::size_t>(other)].UnCheck();
    }
}

void Controller::RowCountClicked(int rows) {
    // "15 enkelrad" is singular like "1 enkelrad": the program has always said so.
    _status.SetString(CountStatus(rows, rows == 1 || rows == 15 ? "enkelrad" : "enkelrader").view());
    _state.antal_enkelrader = rows;
}

// At most one sure sign per match: the clicked box keeps what the click gave
// it, the other two are cleared.
void Controller::SureSignClicked(int match, int signIndex) {
    constexpr int kOne = 0, kCross = 1, kTwo = 2;
    switch (signIndex) {
        case kOne:
            SureBox(match, kCross).UnCheck();
            SureBox(match, kTwo).UnCheck();
            break;
        case kCross:
            SureBox(match, kOne).UnCheck();
            SureBox(match, kTwo).UnCheck();
            break;
        default:
            SureBox(match, kCross).UnCheck();
            SureBox(match, kOne).UnCheck();
            break;
    }
}

}  // namespace stenvik
