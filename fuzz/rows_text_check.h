#pragma once
// The one checker of the rows box after a press of "GENERERA rader": given
// what the press read, the text must be the one form the generation rules
// allow, with its exact length, rows, covers and sure signs.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "memory/session.h"

namespace stenvik::fuzz {

// What a press reads, as the dialog and the state hold it just before it.
struct PressState {
    bool singleRows = false;
    bool system = false;
    bool upload = false;
    bool italienska = false;
    bool statistical = false;
    int rows = 0;
    int halfCovers = 0;
    int fullCovers = 0;
    std::array<char, rc::kMatches> sure{};                       // '1', 'X', '2', or 0 for a match without a sure sign
    std::array<std::optional<Percent>, rc::kMatches> percent{};  // a match's own weights
    bool unique = false;
    std::string before;  // the rows box
};

PressState StateAtPress(const MemorySession& session);

// Empty when `text` is what the press must leave in the rows box; otherwise
// what is wrong with it.
std::string CheckRowsText(std::string_view text, const PressState& press);

}  // namespace stenvik::fuzz
