#include "fuzz/selection_check.h"

#include <algorithm>
#include <array>
#include <optional>

namespace stenvik::fuzz {

namespace {

// Groups of boxes of which at most one may be checked: the two modes, the
// two methods, the two games, the full covers, and the signs of each match.
enum Group : std::size_t { kModes, kMethods, kGames, kFullCovers, kFirstMatch, kGroups = kFirstMatch + rc::kMatches };

std::optional<std::size_t> GroupOf(int id) {
    if (id == rc::kEnkelrader || id == rc::kSystem) return kModes;
    if (id == rc::kKlassiskt || id == rc::kStatistiskt) return kMethods;
    if (id == rc::kStryktipset || id == rc::kItalienska) return kGames;
    if (std::ranges::find(rc::kFullCovers, id) != rc::kFullCovers.end()) return kFullCovers;
    if (id >= rc::kFirstSure && id <= rc::kLastSure)
        return kFirstMatch + static_cast<std::size_t>((id - rc::kFirstSure) / rc::kSigns);
    return std::nullopt;
}

std::string GroupName(std::size_t group) {
    switch (group) {
        case kModes: return "mode boxes";
        case kMethods: return "method boxes";
        case kGames: return "game boxes";
        case kFullCovers: return "full-cover boxes";
        default: return "sure signs of match " + std::to_string(group - kFirstMatch + 1);
    }
}

// One pass over the dialog: the checks run after every event.
std::string CheckBoxes(const MemorySession& session) {
    std::array<int, kGroups> checked{};
    for (const auto& control : session.dialog.Controls()) {
        if (!control.checked) continue;
        if (const auto group = GroupOf(control.spec->id)) ++checked[*group];
    }
    for (std::size_t group = 0; group < checked.size(); ++group) {
        if (checked[group] > 1) return std::to_string(checked[group]) + " " + GroupName(group) + " checked";
    }
    return {};
}

std::string CheckCounts(const ProgramState& state) {
    const bool offered =
        std::ranges::any_of(rc::kRowCounts, [&](auto entry) { return entry.rows == state.antal_enkelrader; });
    if (!offered) return "antal_enkelrader is " + std::to_string(state.antal_enkelrader);
    struct Range {
        const char* name;
        std::int32_t value, low, high;
    };
    // The single-sign quota is 13 less up to 13 half covers, 13 full covers
    // and 13 sure matches.
    const Range ranges[] = {
        {"antal_halvgarderingar", state.antal_halvgarderingar, 0, 13},
        {"antal_helgarderingar", state.antal_helgarderingar, 0, 13},
        {"antalsakra", state.antalsakra, 0, 13},
        {"antal_enkeltecken", state.antal_enkeltecken, -26, 13},
        {"sakra", state.sakra, state.antal_enkeltecken, state.antal_enkeltecken},
        {"ir", state.ir, 0, tot_tecken},
    };
    for (const auto& range : ranges) {
        if (range.value < range.low || range.value > range.high) {
            return std::string(range.name) + " is " + std::to_string(range.value);
        }
    }
    return {};
}

}  // namespace

std::string CheckSelection(const MemorySession& session) {
    auto fault = CheckBoxes(session);
    return fault.empty() ? CheckCounts(session.state) : fault;
}

}  // namespace stenvik::fuzz
