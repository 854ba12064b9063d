#pragma once
// The direct searches of a full regeneration, and a longer run for one cell.

#include <cstdint>

#include "tools/covering_search/table.h"

namespace covering_search {

// Searches every cell where a search pays, each from the closed table's code
// for it, one cell to a thread, with fixed seeds and step budgets; keeps
// the codes strictly smaller than the table's. The caller closes again.
void SearchAll(Table& table);

// Searches one cell for `seconds` from `seed`; true when it found fewer
// rows than the table has, which it then stores as rows found by this run.
bool SearchLonger(Table& table, Cell cell, std::uint32_t seed, int seconds);

}  // namespace covering_search
