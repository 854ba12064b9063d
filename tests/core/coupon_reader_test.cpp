// Reading a coupon back: every text the program writes, the same texts as a
// player's editor leaves them, and the place and reason of every fault.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "core/coupon.h"
#include "core/coupon_text.h"
#include "core/read_error_text.h"
#include "memory/scripted_user.h"
#include "tests/support/box_texts.h"

namespace stenvik::coupon {

// Readable failures: rows as their signs, a system's sets as bit masks.
void PrintTo(const Coupon& coupon, std::ostream* os) {
    *os << "kind " << static_cast<int>(coupon.kind) << ", game " << (coupon.game ? static_cast<int>(*coupon.game) : -1)
        << ", rows";
    for (const auto& row : coupon.rows) *os << ' ' << std::string_view(row.data(), row.size());
    *os << ", system";
    for (const auto set : coupon.system) *os << ' ' << static_cast<int>(set);
}
void PrintTo(const ReadError& error, std::ostream* os) { *os << InEnglish(error); }

namespace {

using Result = std::variant<Coupon, ReadError>;

Row RowOf(std::string_view signs) {
    Row row{};
    std::copy(signs.begin(), signs.end(), row.begin());
    return row;
}

Coupon Rows(Kind kind, std::optional<Game> game, const std::vector<std::string>& rows) {
    Coupon coupon;
    coupon.kind = kind;
    coupon.game = game;
    for (const auto& row : rows) coupon.rows.push_back(RowOf(row));
    return coupon;
}

// A system's sets as the cells show them, by their signs.
Coupon System(const std::vector<std::string>& cells) {
    Coupon coupon;
    coupon.kind = Kind::System;
    for (std::size_t match = 0; match < cells.size(); ++match) {
        for (const char c : cells[match]) {
            if (c != ' ') coupon.system.at(match) |= c == '1' ? kOne : c == 'X' ? kCross : kTwo;
        }
    }
    return coupon;
}

std::string Message(std::string_view text) {
    const auto result = ReadCoupon(text);
    const auto* error = std::get_if<ReadError>(&result);
    return error ? InEnglish(*error) : "<a coupon>";
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

// The text with line `number` (from 1) replaced, or dropped for nullopt.
std::string WithLine(std::string_view text, std::size_t number, std::optional<std::string> line) {
    auto lines = support::Lines(text);
    if (line) {
        lines.at(number - 1) = *line;
    } else {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(number - 1));
    }
    return Join(lines);
}

std::string WithoutSeparators(std::string_view text) {
    auto lines = support::Lines(text);
    std::erase_if(lines, [](const std::string& line) { return line.starts_with(" -"); });
    return Join(lines);
}

TEST(CouponReader, ReadsBackEveryRowsTextThePressWrites) {
    for (const auto& [id, count] : rc::kRowCounts) {
        for (std::int32_t seed = 1; seed <= 8; ++seed) {
            const auto method = seed % 2 == 0 ? Method::Statistical : Method::Classic;
            MemorySession grid(seed);
            Replay(grid, UserClicks(RowsRequest{.count = count, .method = method}));
            const auto rows = support::GridRows(grid.Rows());
            ASSERT_TRUE(rows) << count;
            EXPECT_EQ(ReadCoupon(grid.Rows()), Result(Rows(Kind::Grid, std::nullopt, *rows))) << count << " " << seed;

            const auto game = seed % 3 == 0 ? Game::Italienska : Game::Stryktipset;
            MemorySession upload(seed);
            Replay(upload, UserClicks(RowsRequest{.count = count, .method = method, .upload = true, .game = game}));
            const auto read = support::ReadUpload(upload.Rows());
            ASSERT_TRUE(read) << count;
            EXPECT_EQ(read->game, game == Game::Italienska ? kItalienska : kStryktipset);
            EXPECT_EQ(ReadCoupon(upload.Rows()), Result(Rows(Kind::Upload, game, read->rows))) << count << " " << seed;
        }
    }
}

TEST(CouponReader, ReadsBackEverySystemThePressWrites) {
    // Every count of covers, by both methods, with sure signs where they fit.
    for (int half = 0; half <= 13; ++half) {
        for (int full = 0; half + full <= 13; ++full) {
            const std::int32_t seed = 14 * half + full + 1;
            SystemRequest choice{.half = half, .full = full};
            choice.method = seed % 2 == 0 ? Method::Statistical : Method::Classic;
            if (half + full <= 11) choice.sure = {{4, seed % 3}, {13, (seed + 1) % 3}};
            MemorySession session(seed);
            Replay(session, UserClicks(choice));
            const auto cells = support::MatchCells(session.Rows());
            ASSERT_EQ(cells.size(), 13u) << half << " " << full;
            EXPECT_EQ(ReadCoupon(session.Rows()), Result(System(cells))) << half << " " << full;
        }
    }

    // Thirteen half covers and a sure sign do not fit: the refusal is no coupon.
    MemorySession refused(1);
    Replay(refused, UserClicks(SystemRequest{.half = 13}));
    refused.Click(rc::SureBox(1, 0));
    refused.Click(rc::kGenerate);
    ASSERT_EQ(refused.Rows(), std::string(kRefusal.view()));
    EXPECT_EQ(Message(refused.Rows()), "line 1, column 1: expected the game's name or Match 1:");
}

// A 2-row grid line " Match 2:   1  2 " is byte for byte a system line with
// the half cover 1+2: the separators decide, and without them the cells.
TEST(CouponReader, SeparatorsAndCellsTellRowsFromASystem) {
    const std::vector<std::string> rows = {"1111111111111", "2222222222222"};
    const auto twoRows = support::RowsGrid(rows);
    const auto halfCovers = support::SystemGrid(std::vector<std::string>(13, " 1  2 "));
    const auto singles = support::SystemGrid(std::vector<std::string>(13, "   X "));
    ASSERT_EQ(WithoutSeparators(twoRows), WithoutSeparators(halfCovers));
    const auto grid = Rows(Kind::Grid, std::nullopt, rows);
    const auto system = System(std::vector<std::string>(13, "12"));
    const auto withFullCover = WithLine(WithoutSeparators(twoRows), 5, " Match 5:   1X2 ");

    const struct {
        const char* name;
        std::string text;
        Result expected;
    } cases[] = {
        {"25 hyphens", twoRows, grid},
        {"23 hyphens", halfCovers, system},
        {"no separators, two signs on every line", WithoutSeparators(twoRows), grid},
        {"no separators, a full cover", withFullCover, System([&] {
             std::vector<std::string> cells(13, "12");
             cells[4] = "1X2";
             return cells;
         }())},
        {"no separators, one sign on every line", WithoutSeparators(singles),
         Rows(Kind::Grid, std::nullopt, {"XXXXXXXXXXXXX"})},
        {"23 hyphens, one sign on every line", singles, System(std::vector<std::string>(13, "X"))},
        {"no separators, two adjacent signs on every line",
         WithoutSeparators(support::SystemGrid(std::vector<std::string>(13, " 1X "))),
         System(std::vector<std::string>(13, "1X"))},
        {"a separator left out", WithLine(halfCovers, 8, std::nullopt), system},
        {"21 hyphens, a full cover", WithLine(WithLine(singles, 1, " Match 1:   1X2 "), 4, " " + std::string(21, '-')),
         ReadError{1, 14, Expected::Signs, 1}},
        {"25 hyphens, a full cover", WithLine(twoRows, 2, " Match 2:   1X2 "), ReadError{2, 14, Expected::Blank}},
        {"23 hyphens, a sign twice", WithLine(halfCovers, 2, " Match 2:   2  2 "),
         ReadError{2, 16, Expected::SignsInOrder}},
        {"no separators, a sign twice beside a full cover", WithLine(withFullCover, 2, " Match 2:   2  2 "),
         ReadError{2, 16, Expected::SignsInOrder}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadCoupon(c.text), c.expected) << c.name;
}

TEST(CouponReader, HandEditedTextsReadAsTheTextsThePressWrote) {
    MemorySession grid(1);
    Replay(grid, UserClicks(RowsRequest{.count = 2}));
    MemorySession system(1);
    Replay(system, UserClicks(SystemRequest{.half = 2, .full = 1}));
    MemorySession upload(1);
    Replay(upload, UserClicks(RowsRequest{.count = 3, .upload = true, .game = Game::Italienska}));

    // An upload text's game line, with what a player may add after a comma.
    const auto gameFields = [](std::string_view fields) {
        return [fields](const std::string& text) {
            if (text.starts_with(" Match")) return text;
            auto edited = text;
            return edited.insert(text.find("\r\n"), fields);
        };
    };
    const struct {
        const char* name;
        std::function<std::string(const std::string&)> edit;
    } edits[] = {
        {"LF", [](const std::string& text) { return Replace(text, "\r\n", "\n"); }},
        {"LF and CRLF",
         [](std::string text) {
             bool keep = false;
             for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 1), keep = !keep) {
                 if (!keep) text.erase(at, 1);
             }
             return text;
         }},
        {"UTF-8 byte-order mark", [](const std::string& text) { return "\xEF\xBB\xBF" + text; }},
        {"empty lines at the end", [](const std::string& text) { return text + "\r\n\r\n \t\n"; }},
        {"empty lines between", [](const std::string& text) { return Replace(text, "\r\n", "\r\n\r\n \r\n"); }},
        {"blanks at the line ends", [](const std::string& text) { return Replace(text + "\r\n", "\r\n", " \t\r\n"); }},
        {"tabs for spaces", [](const std::string& text) { return Replace(text, " ", "\t"); }},
        {"more spaces", [](const std::string& text) { return Replace(text, " ", "   "); }},
        {"blanks around signs", [](const std::string& text) { return Replace(text, ",", " , "); }},
        {"lower-case x", [](const std::string& text) { return Replace(text, "X", "x"); }},
        {"lower-case e and match",
         [](const std::string& text) { return Replace(Replace(text, "\nE", "\ne"), "Ma", "ma"); }},
        {"upper-case game and match",
         [](const std::string& text) { return Replace(Replace(text, "tipset", "TIPSET"), "atch", "ATCH"); }},
        {"label spacing",
         [](const std::string& text) { return Replace(Replace(text, " Match ", "Match"), ":", "  :"); }},
        {"extra fields", gameFields(",Omg=4812,Insats=1")},
        {"extra fields in UTF-8", gameFields(",Omg\xC3\xA5ng 4812")},
        {"extra fields in Windows-1252", gameFields(",Omg\xE5ng 4812")},
    };
    for (const auto* text : {&grid.Rows(), &system.Rows(), &upload.Rows()}) {
        const auto expected = ReadCoupon(*text);
        ASSERT_TRUE(std::holds_alternative<Coupon>(expected)) << *text;
        for (const auto& edit : edits) {
            const auto edited = edit.edit(*text);
            EXPECT_EQ(ReadCoupon(edited), expected) << edit.name << ":\n" << edited;
        }
    }
}

TEST(CouponReader, MalformedTextsNameTheLineAndColumn) {
    const auto grid = support::RowsGrid({"X11211112XX21", "22X2XX2112221"});
    const auto system = support::SystemGrid(
        {" 1X ", " 1X2 ", " 1X ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", "   X ", " 1 ", "   X ", " 1 ", " 1 "});
    const std::string row = "E,1,X,2,1,X,2,1,X,2,1,X,2,1";
    const std::string upload = "Stryktipset\r\n" + row;
    ASSERT_EQ(Message(grid), "<a coupon>");
    ASSERT_EQ(Message(system), "<a coupon>");
    ASSERT_EQ(Message(upload), "<a coupon>");
    const auto separator = [](std::size_t hyphens) { return " " + std::string(hyphens, '-'); };

    const struct {
        const char* name;
        std::string text;
        std::string message;
    } cases[] = {
        {"empty", "", "line 1, column 1: expected the game's name or Match 1:"},
        {"only blanks", " \r\n\t\n", "line 1, column 1: expected the game's name or Match 1:"},
        {"neither grid nor game", "\r\n  Hej", "line 2, column 3: expected the game's name or Match 1:"},
        {"a byte-order mark is no column", "\xEF\xBB\xBFHej", "line 1, column 1: expected the game's name or Match 1:"},
        // Grids.
        {"a wrong sign", WithLine(grid, 5, " Match 4:   2  3 "), "line 5, column 16: expected 1, X or 2"},
        {"an empty cell", WithLine(system, 3, " Match 3:  "), "line 3, column 12: expected 1, X or 2"},
        {"a missing match", WithLine(grid, 5, std::nullopt), "line 5, column 8: expected Match 4:"},
        {"a match out of order", WithLine(grid, 2, " Match 3:   1  2 "), "line 2, column 8: expected Match 2:"},
        {"no colon", WithLine(grid, 2, " Match 2   1  2 "), "line 2, column 12: expected Match 2:"},
        {"12 matches", WithLine(grid, 16, std::nullopt), "line 15, column 17: expected Match 13:"},
        {"12 matches and a line break", WithLine(grid, 16, "") + "\r\n", "line 17, column 1: expected Match 13:"},
        {"14 matches", grid + "\r\n Match 14: 1  1 ", "line 17, column 2: expected the end of the text"},
        {"too many signs", WithLine(grid, 2, " Match 2:   1  2  X "), "line 2, column 19: expected 2 signs"},
        {"too few signs", WithLine(grid, 2, " Match 2:   1 "), "line 2, column 15: expected 2 signs"},
        {"adjacent signs in a grid", WithLine(grid, 2, " Match 2:   12 "), "line 2, column 14: expected a blank"},
        {"signs out of order", WithLine(system, 1, " Match 1:   X1 "),
         "line 1, column 14: expected each sign once, in the order 1, X, 2"},
        {"a sign twice", WithLine(system, 1, " Match 1:   1 1 "),
         "line 1, column 15: expected each sign once, in the order 1, X, 2"},
        // Separators.
        {"a separator of no shape", WithLine(grid, 4, separator(27)),
         "line 4, column 2: expected a separator of 23 hyphens or 17 + 4 per row"},
        {"separators that differ", WithLine(grid, 8, separator(23)),
         "line 8, column 2: expected a separator of 25 hyphens"},
        {"a separator with more", WithLine(grid, 4, separator(25) + " x"),
         "line 4, column 28: expected the end of the line"},
        {"a separator out of place", WithLine(grid, 2, separator(25)), "line 2, column 2: expected Match 2:"},
        {"neither separator nor match", WithLine(grid, 4, " Q"), "line 4, column 2: expected a separator or Match 4:"},
        {"a separator after match 13", grid + "\r\n" + separator(25),
         "line 17, column 2: expected the end of the text"},
        // Mixed kinds.
        {"an upload row among matches", WithLine(grid, 5, row), "line 5, column 1: expected Match 4:"},
        {"an upload row after match 13", grid + "\r\n" + row, "line 17, column 1: expected the end of the text"},
        {"a match among upload rows", upload + "\r\n Match 1:   1 ", "line 3, column 2: expected E,"},
        // Upload texts.
        {"a game line alone", "Stryktipset", "line 1, column 12: expected E,"},
        {"a game line and a line break", "Stryktipset\r\n", "line 2, column 1: expected E,"},
        {"no such game", "Stryktips\r\n" + row, "line 1, column 1: expected the game's name or Match 1:"},
        {"half a game", "Italienska Tipset\r\n" + row, "line 1, column 12: expected Stryktipset"},
        {"fields without a comma", "Stryktipset Omg=4812\r\n" + row,
         "line 1, column 13: expected a comma or the end of the line"},
        {"12 signs", upload.substr(0, upload.size() - 2), "line 2, column 26: expected 13 signs"},
        {"14 signs", upload + ",X", "line 2, column 28: expected 13 signs"},
        {"a wrong upload sign", Replace(upload, ",X,2,1,X", ",X,Y,1,X"), "line 2, column 7: expected 1, X or 2"},
        {"no comma", Replace(upload, "E,", "E"), "line 2, column 2: expected a comma"},
        {"signs without a comma", Replace(upload, "2,1,X,2,1,X,2,1", "2,1,X,21,X,2,1"),
         "line 2, column 14: expected a comma"},
        {"more after the signs", upload + " ;", "line 2, column 29: expected the end of the line"},
        // Bytes that are not text.
        {"a NUL among signs", WithLine(grid, 2, std::string(" Match 2:   1 \0 2 ", 18)),
         "line 2, column 15: expected text"},
        {"a NUL after the text", grid + '\0', "line 16, column 17: expected text"},
        {"a control byte in the fields", "Stryktipset,Omg\x01\r\n" + row, "line 1, column 16: expected text"},
        {"a lone carriage return", "Stryktipset\r" + row, "line 1, column 12: expected text"},
        {"DEL", upload + "\x7F", "line 2, column 28: expected text"},
        // Columns count characters, in either encoding.
        {"after UTF-8", "Stryktipset,Omg\xC3\xA5ng\x7F\r\n" + row, "line 1, column 19: expected text"},
        {"after Windows-1252", "Stryktipset,Omg\xE5ng\x7F\r\n" + row, "line 1, column 19: expected text"},
    };
    for (const auto& c : cases) EXPECT_EQ(Message(c.text), c.message) << c.name;
}

}  // namespace
}  // namespace stenvik::coupon
