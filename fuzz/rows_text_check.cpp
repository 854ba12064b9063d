#include "fuzz/rows_text_check.h"

#include <algorithm>

#include "core/coupon_text.h"
#include "tests/support/box_texts.h"

namespace stenvik::fuzz {

namespace {

using support::GridRows;
using support::ReadGrid;
using support::ReadUpload;

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
    const auto grid = ReadGrid(text);
    if (!grid || grid->hyphens != 17 + 4 * rows) return "no grid of " + std::to_string(rows) + " rows";
    const auto signs = GridRows(text);
    if (!signs || signs->size() != rows) return "a grid whose cells are not one sign per row";
    for (std::size_t match = 0; match < press.sure.size(); ++match) {
        const char sure = press.sure[match];
        const auto without = [&](const std::string& row) { return row[match] != sure; };
        if (sure != 0 && std::ranges::any_of(*signs, without)) {
            return MatchFault(static_cast<int>(match) + 1, "a row without its sure sign");
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
    const auto upload = ReadUpload(text);
    if (!upload) return "no upload text";
    if (upload->game != game || upload->rows.size() != rows) {
        return "an upload text not of " + std::to_string(rows) + " rows headed by " + std::string(game);
    }
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t match = 0; match < press.sure.size(); ++match) {
            const char sure = press.sure[match];
            if (sure != 0 && upload->rows[row][match] != sure) {
                return "upload row " + std::to_string(row + 1) + " is " + upload->rows[row];
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

    const auto grid = ReadGrid(text);
    if (!grid || grid->hyphens != 23) return "no system grid";
    int halves = 0, fulls = 0, drawnSingles = 0;
    for (int match = 1; match <= rc::kMatches; ++match) {
        const auto& cell = grid->cells[static_cast<std::size_t>(match - 1)];
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
                     .percent = session.state.percent,
                     .unique = session.state.uniqueRows,
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
