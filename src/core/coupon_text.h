#pragma once
// The coupon grid that single rows and systems share, the upload format's
// pieces, and the buffer every press builds its text in.

#include <array>
#include <string_view>

#include "core/codepage.h"
#include "core/fixed_text.h"

namespace stenvik::coupon {

// The generate command's buffer: 5454 characters and the terminator. The
// largest text it ever holds, the grid of 90 single rows, is 4813.
using RowsText = FixedText<5455>;

// A label's line break belongs to it, so the first line has none. Labels 10
// to 13 end at the colon: their cells start one column further left.
inline constexpr std::array<std::string_view, 13> kMatchLabels = {
    " Match 1:  ",     "\r\n Match 2:  ", "\r\n Match 3:  ", "\r\n Match 4:  ", "\r\n Match 5:  ",
    "\r\n Match 6:  ", "\r\n Match 7:  ", "\r\n Match 8:  ", "\r\n Match 9:  ", "\r\n Match 10:",
    "\r\n Match 11:",  "\r\n Match 12:",  "\r\n Match 13:"};
constexpr std::string_view MatchLabel(int match) { return kMatchLabels[static_cast<std::size_t>(match - 1)]; }

// Matches 3, 6 and 9 close a group of three with a separator line.
constexpr bool ClosesGroup(int match) { return match == 3 || match == 6 || match == 9; }

// Single rows: the start, then four more hyphens for every row.
inline constexpr std::string_view kRowsSeparatorStart = "\r\n -----------------";
inline constexpr std::string_view kRowsSeparatorPerRow = "----";
inline constexpr std::string_view kSystemSeparator = "\r\n -----------------------";

// A single row's cell; also a system's cell for a sure or statistical sign.
constexpr std::string_view SignCell(char sign) {
    switch (sign) {
        case '1': return " 1 ";
        case 'X': return " X ";
        default: return " 2 ";
    }
}

// The same cell made of the drawn sign itself, as the press writes a grid
// of single rows: a choice among the three cells would be a branch the
// processor guesses wrong on a third of random signs.
constexpr std::array<char, 3> SignCellOf(char sign) { return {' ', sign, ' '}; }
static_assert(std::string_view(SignCellOf('1').data(), 3) == SignCell('1') &&
              std::string_view(SignCellOf('X').data(), 3) == SignCell('X') &&
              std::string_view(SignCellOf('2').data(), 3) == SignCell('2'));

// A system's cells drawn by the classic method, and its covers.
inline constexpr std::string_view kClassicOne = " 1 ";
inline constexpr std::string_view kClassicCross = "   X ";
inline constexpr std::string_view kClassicTwo = "    2 ";
inline constexpr std::string_view kHalfOneCross = " 1X ";
inline constexpr std::string_view kHalfCrossTwo = "   X2 ";
inline constexpr std::string_view kHalfOneTwo = " 1  2 ";
inline constexpr std::string_view kFullCover = " 1X2 ";

// The upload format: the game's name, then a line per row.
inline constexpr std::string_view kStryktipset = "Stryktipset";
inline constexpr std::string_view kItalienska = "Italienska Stryktipset";
inline constexpr std::string_view kUploadRowStart = "\r\nE";
constexpr std::string_view UploadSign(char sign) {
    switch (sign) {
        case '1': return ",1";
        case 'X': return ",X";
        default: return ",2";
    }
}

// An upload row's sign made of the sign itself, as SignCellOf.
constexpr std::array<char, 2> UploadSignOf(char sign) { return {',', sign}; }
static_assert(std::string_view(UploadSignOf('1').data(), 2) == UploadSign('1') &&
              std::string_view(UploadSignOf('X').data(), 2) == UploadSign('X') &&
              std::string_view(UploadSignOf('2').data(), 2) == UploadSign('2'));

inline constexpr Cp1252Text kRefusal{u8"Du har valt för många sakra matcher för ditt önskade system!"};

}  // namespace stenvik::coupon
