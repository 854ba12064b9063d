// How one sign is settled: a sure sign wins and takes no draw; otherwise it is
// drawn by the player's own percentages for the match, if the command line
// gave any, or else by the statistical or the classic method. The boxes are
// read at the moment of use, and every drawn value is kept in `ir`.

#include "core/controller.h"

namespace stenvik {

int PossibleRows(const std::array<bool, rc::kMatches>& sure,
                 const std::array<std::optional<Percent>, rc::kMatches>& percent) {
    int count = 1;
    for (std::size_t match = 0; match < sure.size(); ++match) {
        if (!sure[match]) count *= DrawableSigns(percent[match]);
    }
    return count;
}

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

namespace {

// "1" up to `one`, "X" up to `cross`, else "2". The sign is looked up, not
// branched to: a drawn value is random, and a branch on it would be guessed
// wrong at every other sign.
char SignAbove(std::int32_t value, std::int32_t one, std::int32_t cross) {
    constexpr std::string_view kSigns = "1X2";
    return kSigns[std::size_t{value > one} + std::size_t{value > cross}];
}

}  // namespace

char Controller::StatisticalSign() {
    const std::int32_t ir = _state.ir = _state.rg.IRandom(1, tot_tecken);
    return SignAbove(ir, tot_ettor, tot_kryss);
}

char Controller::ClassicSign() {
    // Half ones, a sixth crosses, a third twos.
    const std::int32_t ir = _state.ir = _state.rg.IRandom(1, 6);
    return SignAbove(ir, 3, 4);
}

char Controller::PercentSign(const Percent& percent) {
    const std::int32_t ir = _state.ir = _state.rg.IRandom(1, 100);
    return SignAbove(ir, percent.one, percent.one + percent.cross);
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

int Controller::PossibleRows() const {
    std::array<bool, rc::kMatches> sure{};
    for (int match = 1; match <= rc::kMatches; ++match)
        sure[static_cast<std::size_t>(match - 1)] = SureSign(match).has_value();
    return stenvik::PossibleRows(sure, _state.percent);
}

}  // namespace stenvik
