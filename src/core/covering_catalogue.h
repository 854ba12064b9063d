#pragma once
// The covering codes Stenvik reduces systems with, one recipe for each shape
// and radius: built from smaller codes where that is as good as anything
// found, stored whole only where a search found better. The table itself,
// covering_catalogue.cpp, is written by tools/covering_search.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/covering_space.h"

namespace stenvik::covering {

// A shape and a covering radius: 1 for 12 right, 2 for 11. Radius 0 is the
// whole space, which the catalogue does not list.
struct Cell {
    std::uint8_t full = 0;
    std::uint8_t half = 0;
    std::uint8_t radius = 0;
    constexpr Shape GetShape() const { return {full, half}; }
    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

enum class How : std::uint8_t {
    // Every pair of a row of `first` and a row of `second`: the radii add.
    Sum,
    // The cell with one more full cover, its last full coordinate's symbol 2
    // read as 0 and the rows that then repeat dropped.
    Half,
    // The full-cover rows x = (h, y) with h + B·y in S over GF(3). `data` is
    // B's rows, then '|', then S's words, each list separated by ','.
    Matrix,
    // `data` holds the rows, each an outcome in base 64 (kDigits) with as
    // many digits as the largest outcome needs.
    Rows,
    // No code found has at most the upload limit's rows; `rows` is the best.
    TooLarge,
};

inline constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_";

struct Entry {
    Cell cell;
    How how = How::Rows;
    std::uint32_t rows = 0;  // the code's size
    Cell first{};            // Sum: the parts, radius 0 for a whole space
    Cell second{};
    std::string_view data{};   // Matrix and Rows
    std::string_view found{};  // Rows from a longer run: its seed and time
};

// Every cell with 1 to 13 covers and radius 1 or 2, in the order of
// (radius, full + half, full).
std::span<const Entry> Catalogue();

// The cell's entry; none for radius 0 or more than 13 covers.
const Entry* Find(Cell cell);

// The rows of a cell that is not TooLarge, in ascending order, checked by
// nothing: the catalogue's test verifies every cell.
Code Materialise(Cell cell);

// The same from other recipes than the compiled-in ones: the table that
// tools/covering_search works on before it writes the catalogue.
using Recipes = std::function<const Entry*(Cell)>;
Code Materialise(Cell cell, const Recipes& recipes);

// The rows a Rows entry's `data` holds, and the text that holds them.
Code Unpack(const Space& space, std::string_view data);
std::string Pack(const Space& space, const Code& code);

}  // namespace stenvik::covering
