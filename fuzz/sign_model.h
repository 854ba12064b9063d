#pragma once
// The fuzzer's own account of the signs a press must draw. It follows the
// random stream itself, from the start seed and every reseed, and turns the
// drawn values into signs and cells by the generation rules written out here
// afresh: only the generator is the program's, since it is where the values
// come from. A mapping, an order of draws, a placing of covers or a reseed
// that the program gets wrong then shows as a difference from this account.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/randomc.h"
#include "fuzz/rows_text_check.h"

namespace stenvik::fuzz {

class SignModel {
public:
    explicit SignModel(std::int32_t seed) : _seed(seed), _stream(seed) {}

    void Reseed(std::int32_t seed) {
        _seed = seed;
        _stream = TRandomMersenne(seed);
    }

    // Draws what the press must draw and compares it with the rows box's
    // `text`, which has passed the check of its form. Empty when it matches.
    std::string CheckPress(std::string_view text, const PressState& press);

    // Empty while the program's seed, random stream and last drawn value are
    // this account's.
    std::string CheckStream(const ProgramState& state) const;

    // A unique press may have to find the rarest of few possible rows, which
    // with a weight of a few percent takes longer than any user waits.
    static bool IsSlowUnique(const PressState& press);

private:
    std::int32_t Draw(std::int32_t top);
    char Sign(const PressState& press, std::size_t match);
    std::vector<std::string> SingleRows(const PressState& press);
    std::array<std::string, 13> SystemCells(const PressState& press);
    std::string SystemCell(const PressState& press, std::size_t match, std::array<int, 3>& quota);

    std::int32_t _seed;
    TRandomMersenne _stream;
    std::int32_t _last = 0;
};

}  // namespace stenvik::fuzz
