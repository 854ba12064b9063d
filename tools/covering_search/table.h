#pragma once
// The catalogue while the tool works on it: one recipe for every cell, the
// rows each recipe builds, and the two construction rules that bound every
// cell by the others.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/coupon_tools.h"
#include "core/covering_catalogue.h"
#include "core/covering_search.h"

namespace covering_search {

using stenvik::covering::Cell;
using stenvik::covering::Code;
using stenvik::covering::How;

using stenvik::coupon::kUploadRowLimit;

inline constexpr int kMostCovers = stenvik::rc::kMatches;

struct Recipe {
    Cell cell;
    How how = How::TooLarge;
    std::uint64_t rows = 0;
    Cell first{};
    Cell second{};
    std::string data{};
    std::string found{};
};

class Table {
public:
    // Every cell, in the catalogue's order, with no recipe yet.
    Table();
    // The compiled-in catalogue.
    static Table Compiled();

    std::vector<Recipe>& Recipes() { return recipes_; }
    const std::vector<Recipe>& Recipes() const { return recipes_; }
    Recipe& At(Cell cell);
    const Recipe& At(Cell cell) const;

    // The size of a cell's code; a whole space for radius 0.
    std::uint64_t Rows(Cell cell) const;
    // The rows a cell's recipe makes, in ascending order.
    Code Build(Cell cell) const;

    // Gives every cell the smallest of its own code, a half cover made from
    // the cell with one more full cover, and every sum of two cells; a
    // direct code stays only where it is strictly smaller.
    void Close();
    // The fewest rows the two rules give a cell from the others.
    std::uint64_t RulesBound(Cell cell) const;
    // The cells above the bound the two rules give from the others.
    std::vector<std::string> AboveTheRules() const;
    // The cells whose rows are not their size, or that do not cover.
    std::vector<std::string> Faults() const;

private:
    static std::size_t Index(Cell cell);
    struct Bound {
        std::uint64_t rows = 0;
        Recipe recipe;
    };
    Bound Best(Cell cell) const;

    std::vector<Recipe> recipes_;
};

std::string Name(Cell cell);

// A Matrix recipe's data: B's rows, '|', then S's words.
std::string FormatMatrix(const stenvik::covering::Matrix& matrix);
stenvik::covering::Matrix ParseMatrix(std::string_view data, int n);

}  // namespace covering_search
