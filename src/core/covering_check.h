#pragma once
// What a set of rows guarantees over a system's outcomes, found by visiting
// every outcome: no guarantee is taken on trust.

#include <array>
#include <cstdint>
#include <span>

#include "core/covering_space.h"

namespace stenvik::covering {

// Every outcome lies within `radius` of a row.
bool Covers(const Space& space, std::span<const Outcome> code, int radius);

// The garantitabell over the system's outcomes, the single matches right:
// how many outcomes a row has all right, and, over the others, the fewest
// rows with exactly 12, 11 and 10 right (0 where no outcome is left).
struct GuaranteeTable {
    std::uint64_t outcomes = 0;
    std::uint64_t thirteen = 0;
    std::array<std::uint32_t, 3> fewest{};  // 12, 11 and 10 right
    friend bool operator==(const GuaranteeTable&, const GuaranteeTable&) = default;
};
GuaranteeTable Tabulate(const Space& space, std::span<const Outcome> code);

}  // namespace stenvik::covering
