// How one sign is settled: a sure sign wins and takes no draw; otherwise it is
// drawn by the player's own percentages for the match, if the command line
// gave any, or else by the statistical or the classic method. The boxes are
// read at the moment of use, and every drawn value is kept in `ir`.

#include "controller.h"

namespace stenvik {

std::optional<char> Controller::SureSign(int match) const {
    if (SureBox(match, 0).IsChecked()) return '1';
    if (SureBox(match, 1).IsChecked()) return 'X';
    if (SureBox(match, 2).IsChecked()) return '2';
    return std::nullopt;
}

char Controller::DrawSign(int match) {
    if (const auto sure = SureSign(match)) return *sure;
    if (const auto& own = _state.percent[static_cast<std::size_t>(match - 1)]) return PercentSign(*own);
    // Only "statistiskt" is read: with neither method box checked the
    // classic draw applies.
    return _statistiskt.IsChecked() ? StatisticalSign() : ClassicSign();
}

char Controller::StatisticalSign() {
    _state.ir = _state.rg.IRandom(1, tot_tecken);
    if (_state.ir <= tot_ettor) return '1';
    if (_state.ir <= tot_kryss) return 'X';
    return '2';
}

char Controller::ClassicSign() {
    // Half ones, a sixth crosses, a third twos.
    _state.ir = _state.rg.IRandom(1, 6);
    if (_state.ir <= 3) return '1';
    if (_state.ir == 4) return 'X';
    return '2';
}

char Controller::PercentSign(const Percent& percent) {
    _state.ir = _state.rg.IRandom(1, 100);
    if (_state.ir <= percent.one) return '1';
    if (_state.ir <= percent.one + percent.cross) return 'X';
    return '2';
}

// Matches with a checked box, not boxes: even two checked boxes in one match
// could then never leave a system's draw loop without quota to fill.
int Controller::CountSureMatches() const {
    int count = 0;
    for (int match = 1; match <= rc::kMatches; ++match) {
        if (SureSign(match)) ++count;
    }
    return count;
}

// The distinct single rows a press can draw: a sure match allows one, any
// other match its drawable signs. At most 3^13, so an int holds it.
int Controller::PossibleRows() const {
    int count = 1;
    for (int match = 1; match <= rc::kMatches; ++match) {
        if (!SureSign(match)) count *= DrawableSigns(_state.percent[static_cast<std::size_t>(match - 1)]);
    }
    return count;
}

}  // namespace stenvik
