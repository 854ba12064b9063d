#pragma once
// The texts of the rows box, read back into their parts and written from
// them, so that tests check structure and known answers rather than compare
// random signs. Exact: a text that is not the form asked for reads as
// nothing. Standard library only, for the Windows tests and the fuzzer too.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stenvik::support {

// Split at "\r\n"; a text without one is one line.
std::vector<std::string> Lines(std::string_view text);

// A coupon grid: 13 lines " Match m:" and their cells, with a separator line
// of hyphens after matches 3, 6 and 9. The label is 11 characters wide for
// matches 1 to 9 and 10 for 10 to 13.
struct Grid {
    std::vector<std::string> cells;  // of matches 1 to 13, each without its label
    std::size_t hyphens = 0;         // in each separator line
};
std::optional<Grid> ReadGrid(std::string_view text);
std::string WriteGrid(const Grid& grid);

// The cells of a grid's matches; none when the text is no grid.
std::vector<std::string> MatchCells(std::string_view text);

// The single rows of a grid, each as its 13 signs ("1X2..."): every cell is
// " 1 ", " X " or " 2 ", and every match has one per row.
std::optional<std::vector<std::string>> GridRows(std::string_view text);

// An upload text: the game's name, then "E,s,s,...,s" of 13 signs per row.
struct Upload {
    std::string game;
    std::vector<std::string> rows;  // each as its 13 signs
};
std::optional<Upload> ReadUpload(std::string_view text);

// The grid of single rows, each given as its 13 signs.
std::string RowsGrid(const std::vector<std::string>& rows);
// A system's grid, one cell per match.
std::string SystemGrid(const std::vector<std::string>& cells);

}  // namespace stenvik::support
