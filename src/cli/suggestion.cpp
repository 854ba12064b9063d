#include "cli/suggestion.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace stenvik::cli {

namespace {

// The edits that turn `a` into `b`, a swap of two neighbours counting as one.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> edits(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) edits[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) edits[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            edits[i][j] = std::min({edits[i - 1][j] + 1, edits[i][j - 1] + 1, edits[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                edits[i][j] = std::min(edits[i][j], edits[i - 2][j - 2] + 1);
        }
    }
    return edits[a.size()][b.size()];
}

}  // namespace

std::optional<std::string> Nearest(std::string_view typed, std::span<const std::string> known) {
    constexpr std::size_t kMostEdits = 2;
    const auto letters = typed.size() - std::min(typed.find_first_not_of('-'), typed.size());
    std::optional<std::string> nearest;
    std::size_t fewest = 0;
    for (const auto& name : known) {
        const auto edits = Distance(typed, name);
        const bool begun = letters > 0 && name.starts_with(typed);
        if ((edits <= kMostEdits || begun) && (!nearest || edits < fewest)) {
            nearest = name;
            fewest = edits;
        }
    }
    return nearest;
}

}  // namespace stenvik::cli
