#pragma once
// Reads the rows box's text back into its parts, so that tests can check
// structure rather than compare random signs.

#include <string>
#include <string_view>
#include <vector>

namespace stenvik::win32::tests {

std::vector<std::string> Lines(std::string_view text);  // split at "\r\n"

// A grid line " Match m:" plus its cells; the label is 11 characters for
// matches 1 to 9 and 10 for 10 to 13.
struct MatchLine {
    int match;
    std::string cells;
};
// The 13 match lines of a grid, or an empty vector when the text is not
// 13 match lines with a separator after matches 3, 6 and 9 made of `hyphens`.
std::vector<MatchLine> GridLines(std::string_view text, std::size_t hyphens);

// The signs of single-row cells " 1 ", " X ", " 2 "; empty if `cells` is not made of them.
std::string SingleRowSigns(std::string_view cells);

}  // namespace stenvik::win32::tests
