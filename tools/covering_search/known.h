#pragma once
// What is known before any search: the codes the tool starts from, and the
// best sizes and lower bounds the size table compares with.

#include <cstdint>
#include <optional>

#include "tools/covering_search/table.h"

namespace covering_search {

// The single-row codes, the ternary Hamming code of length 4, the ternary
// Golay code and the binary Hamming code of length 7.
void AddKnownCodes(Table& table);

// The best size known, where one is.
std::optional<std::uint64_t> Record(Cell cell);
// The sphere bound, or a better lower bound where one is known.
std::uint64_t LowerBound(Cell cell);

}  // namespace covering_search
