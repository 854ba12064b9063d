#include "rows_text_check.h"

#include <algorithm>

#include "coupon_parse.h"
#include "coupon_text.h"

namespace stenvik::fuzz {

namespace {

using win32::tests::GridLines;
using win32::tests::Lines;
using win32::tests::SingleRowSigns;

std::string MatchFault(int match, std::string_view what) {
    return "match " + std::to_string(match) + ": " + std::string(what);
}

std::string WrongLength(std::string_view form, std::size_t rows, std::string_view text, std::size_t length) {
    return std::string(form) + " of " + std::to_string(rows) + " rows has " + std::to_string(text.size()) +
           " characters, not " + std::to_string(length);
}

std::string CheckGrid(std::string_view text, const PressState& press) {
    const auto rows = static_cast<std::size_t>(press.rows);
    if (const auto length = 223 + 51 * rows; text.size() != length) return WrongLength("a grid", rows, text, length);
    const auto matches = GridLines(text, 17 + 4 * rows);
    if (matches.empty()) return "no grid of " + std::to_string(rows) + " rows";
    for (const auto& [match, cells] : matches) {
        const auto signs = SingleRowSigns(cells);
        if (signs.size() != rows) return MatchFault(match, "[" + cells + "] is not one cell per row");
        const char sure = press.sure[static_cast<std::size_t>(match - 1)];
        if (sure != 0 && signs.find_first_not_of(sure) != std::string::npos) {
            return MatchFault(match, "a row without its sure sign");
        }
    }
    return {};
}

std::string CheckUpload(std::string_view text, const PressState& press) {
    const std::string_view game = press.italienska ? "Italienska Stryktipset" : "Stryktipset";
    const auto rows = static_cast<std::size_t>(press.rows);
    if (const auto length = game.size() + 29 * rows; text.size() != length) {
        return WrongLength("an upload", rows, text, length);
    }
    const auto lines = Lines(text);
    if (lines.size() != rows + 1 || lines.front() != game) return "an upload text not headed by " + std::string(game);
    for (std::size_t row = 1; row < lines.size(); ++row) {
        const auto& line = lines[row];
        if (line.size() != 27 || line[0] != 'E') return "upload row " + std::to_string(row) + " is [" + line + "]";
        for (int match = 1; match <= rc::kMatches; ++match) {
            const auto comma = static_cast<std::size_t>(2 * match - 1);
            const char sign = line[comma + 1];
            const char sure = press.sure[static_cast<std::size_t>(match - 1)];
            if (line[comma] != ',' || (sign != '1' && sign != 'X' && sign != '2') || (sure != 0 && sign != sure)) {
                return "upload row " + std::to_string(row) + " is [" + line + "]";
            }
        }
    }
    return {};
}

bool IsOneOf(std::string_view cell, std::initializer_list<std::string_view> cells) {
    return std::ranges::find(cells, cell) != cells.end();
}

std::string CheckSystem(std::string_view text, const PressState& press) {
    const auto sureMatches = static_cast<int>(std::ranges::count_if(press.sure, [](char sign) { return sign != 0; }));
    const int singles = rc::kMatches - press.halfCovers - press.fullCovers - sureMatches;
    if (singles < 0) {
        return text == coupon::kRefusal.view() ? std::string() : "a system that cannot fit was not refused";
    }

    const auto matches = GridLines(text, 23);
    if (matches.empty()) return "no system grid";
    int halves = 0, fulls = 0, drawnSingles = 0;
    for (const auto& [match, cell] : matches) {
        const char sure = press.sure[static_cast<std::size_t>(match - 1)];
        if (sure != 0) {
            if (cell != std::string{' ', sure, ' '}) {
                return MatchFault(match, "[" + cell + "] instead of its sure sign");
            }
        } else if (IsOneOf(cell, {" 1X ", "   X2 ", " 1  2 "})) {
            ++halves;
        } else if (cell == " 1X2 ") {
            ++fulls;
        } else if (press.statistical ? IsOneOf(cell, {" 1 ", " X ", " 2 "})
                                     : IsOneOf(cell, {" 1 ", "   X ", "    2 "})) {
            ++drawnSingles;
        } else {
            return MatchFault(match, "[" + cell + "] is no cell of this system");
        }
    }
    if (halves != press.halfCovers || fulls != press.fullCovers || drawnSingles != singles) {
        return "a system of " + std::to_string(halves) + " half, " + std::to_string(fulls) + " full covers and " +
               std::to_string(drawnSingles) + " single signs; asked: " + std::to_string(press.halfCovers) + ", " +
               std::to_string(press.fullCovers) + ", " + std::to_string(singles);
    }
    return {};
}

}  // namespace

PressState StateAtPress(const MemorySession& session) {
    PressState press{.rows = session.state.antal_enkelrader,
                     .halfCovers = session.state.antal_halvgarderingar,
                     .fullCovers = session.state.antal_helgarderingar,
                     .before = session.Rows()};
    for (const auto& control : session.dialog.Controls()) {
        if (!control.checked) continue;
        const int id = control.spec->id;
        press.singleRows = press.singleRows || id == rc::kEnkelrader;
        press.system = press.system || id == rc::kSystem;
        press.upload = press.upload || id == rc::kCompatible;
        press.italienska = press.italienska || id == rc::kItalienska;
        press.statistical = press.statistical || id == rc::kStatistiskt;
        if (id >= rc::kFirstSure && id <= rc::kLastSure) {
            // The dialog lists a match's boxes as 1, X, 2: the order in which
            // generation asks them, the first checked one giving the sign.
            const int offset = id - rc::kFirstSure;
            auto& sure = press.sure[static_cast<std::size_t>(offset / rc::kSigns)];
            if (sure == 0) sure = "1X2"[offset % rc::kSigns];
        }
    }
    return press;
}

std::string CheckRowsText(std::string_view text, const PressState& press) {
    // A system comes last and would replace single rows; the selection
    // rules never leave both modes checked.
    if (press.system) return CheckSystem(text, press);
    if (press.singleRows) return press.upload ? CheckUpload(text, press) : CheckGrid(text, press);
    return text == press.before ? std::string() : "a press with no mode changed the rows box";
}

}  // namespace stenvik::fuzz
