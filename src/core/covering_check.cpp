#include "core/covering_check.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <vector>

namespace stenvik::covering {

bool Covers(const Space& space, std::span<const Outcome> code, int radius) {
    std::vector<std::uint64_t> marked((space.Size() + 63) / 64);
    for (const Outcome row : code) {
        ForEachWithin(space, row, radius, [&](Outcome o) { marked[o / 64] |= std::uint64_t{1} << (o % 64); });
    }
    std::uint64_t count = 0;
    for (const std::uint64_t word : marked) count += static_cast<std::uint64_t>(std::popcount(word));
    return count == space.Size();
}

GuaranteeTable Tabulate(const Space& space, std::span<const Outcome> code) {
    // near[d][x]: the rows at distance exactly d from x, built one coordinate
    // at a time: a row at distance d - 1 over the coordinates done so far is
    // at distance d once it differs from x in the next one. A ball of radius 3
    // holds fewer than 2^16 outcomes, so the counts fit.
    constexpr int kFar = 3;
    const Outcome size = space.Size();
    std::array<std::vector<std::uint16_t>, kFar + 1> near;
    for (auto& counts : near) counts.assign(size, 0);
    for (const Outcome row : code) near[0][row] = 1;

    for (int i = 0; i < space.Length(); ++i) {
        const Outcome stride = space.Stride(i);
        const auto radix = static_cast<Outcome>(space.Radix(i));
        for (Outcome block = 0; block < size; block += stride * radix) {
            for (Outcome low = block; low < block + stride; ++low) {
                // Each distance's total over the line through `low` along
                // coordinate i, before any of it changes.
                std::array<std::uint16_t, kFar> line{};
                for (Outcome a = 0; a < radix; ++a) {
                    for (std::size_t d = 0; d < kFar; ++d)
                        line[d] = static_cast<std::uint16_t>(line[d] + near[d][low + a * stride]);
                }
                for (Outcome a = 0; a < radix; ++a) {
                    const Outcome x = low + a * stride;
                    for (std::size_t d = kFar; d >= 1; --d) {
                        near[d][x] = static_cast<std::uint16_t>(near[d][x] + line[d - 1] - near[d - 1][x]);
                    }
                }
            }
        }
    }

    GuaranteeTable table{.outcomes = size};
    std::array<std::uint32_t, kFar> fewest{};
    fewest.fill(std::numeric_limits<std::uint32_t>::max());
    for (Outcome x = 0; x < size; ++x) {
        if (near[0][x] != 0) {
            ++table.thirteen;
            continue;
        }
        for (std::size_t d = 0; d < kFar; ++d) fewest[d] = std::min<std::uint32_t>(fewest[d], near[d + 1][x]);
    }
    if (table.thirteen < table.outcomes) table.fewest = fewest;
    return table;
}

}  // namespace stenvik::covering
