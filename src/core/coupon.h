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

// The set of one sign '1', 'X' or '2'; empty for anything else.
constexpr SignSet SetOf(char sign) {
    switch (sign) {
        case '1': return kOne;
        case 'X': return kCross;
        case '2': return kTwo;
        default: return 0;
    }
}

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

// What belongs where a text stops being a coupon. The formatters in
// core/read_error_text.h put each into words, with `count` where it has one.
enum class Expected {
    GameOrFirstMatch,  // the game's name or "Match 1:"
    Sign,              // 1, X or 2
    SignsInOrder,      // a system's cell: each sign once, in the order 1, X, 2
    Blank,             // between a grid's single rows
    Signs,             // `count` signs in the cell or row
    Match,             // "Match `count`:"
    SeparatorOrMatch,  // a separator, or "Match `count`:"
    AnySeparator,      // a separator of a grid's shape
    Separator,         // a separator of `count` hyphens, as the first
    Stryktipset,       // the second word of "Italienska Stryktipset"
    CommaOrLineEnd,    // after an upload text's game
    Comma,
    LineEnd,
    TextEnd,
    UploadRow,  // "E,"
    Text,       // a character no editor shows stands there
};

// Where a text stops being a coupon, and what was expected there.
struct ReadError {
    int line = 1;    // from 1
    int column = 1;  // from 1, in characters
    Expected expected = Expected::GameOrFirstMatch;
    int count = 0;  // the number `expected` names; 0 where it names none
    friend bool operator==(const ReadError&, const ReadError&) = default;
};

// Any text Stenvik writes, also after the player edits it by hand: LF or
// CRLF, Windows-1252 or UTF-8, blanks around signs, a lower-case x, extra
// fields after a comma on an upload text's game line.
std::variant<Coupon, ReadError> ReadCoupon(std::string_view text);

}  // namespace coupon
}  // namespace stenvik
