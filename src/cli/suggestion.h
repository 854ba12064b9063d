#pragma once
// What a mistyped command or option most likely meant.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace stenvik::cli {

// The name of `known` nearest to `typed`: within two edits (an insertion, a
// deletion, a change, or a swap of two neighbours), or one that `typed`
// begins. The fewest edits win, then the first name; none when nothing is
// that close.
std::optional<std::string> Nearest(std::string_view typed, std::span<const std::string> known);

}  // namespace stenvik::cli
