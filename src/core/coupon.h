#pragma once
// A coupon as the player's toolkit sees it, whatever text it was read from:
// single rows, or a system of one to three signs per match, and the game
// when the text names one.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/rc.h"

namespace stenvik {

enum class Game { Stryktipset, Italienska };

namespace coupon {

// A single row: '1', 'X' or '2' for each match.
using Row = std::array<char, rc::kMatches>;

// One match of a system as a set of signs.
using SignSet = std::uint8_t;
inline constexpr SignSet kOne = 1;
inline constexpr SignSet kCross = 2;
inline constexpr SignSet kTwo = 4;

// The text a coupon was read from.
enum class Kind {
    Grid,    // single rows in the coupon grid
    System,  // a system in the coupon grid
    Upload,  // the upload format: the game's line, then "E,..." rows
};

struct Coupon {
    Kind kind = Kind::Grid;
    std::optional<Game> game;                    // named by an upload text's first line
    std::vector<Row> rows;                       // a grid's or an upload text's rows; none for a system
    std::array<SignSet, rc::kMatches> system{};  // a system's signs; all 0 otherwise
    friend bool operator==(const Coupon&, const Coupon&) = default;
};

// Where a text stops being a coupon, and what was expected there.
struct ReadError {
    int line;              // from 1
    int column;            // from 1, in characters
    std::string expected;  // such as "1, X or 2"
    // "line 3, column 12: expected 1, X or 2"
    std::string Message() const;
    friend bool operator==(const ReadError&, const ReadError&) = default;
};

// Any text Stenvik writes, also after the player edits it by hand: LF or
// CRLF, Windows-1252 or UTF-8, blanks around signs, a lower-case x, extra
// fields after a comma on an upload text's game line.
std::variant<Coupon, ReadError> ReadCoupon(std::string_view text);

}  // namespace coupon
}  // namespace stenvik
