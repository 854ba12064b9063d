// A coupon's count, repeats, upload text and check: known answers written out
// by hand, and systems checked against a count over their expanded rows.

#include "core/coupon_tools.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "tests/support/box_texts.h"

namespace stenvik::coupon {
namespace {

using Strings = std::vector<std::string>;

Row RowOf(std::string_view signs) {
    Row row{};
    std::ranges::copy(signs, row.begin());
    return row;
}

Coupon RowsOf(const Strings& rows, Kind kind = Kind::Grid) {
    Coupon coupon;
    coupon.kind = kind;
    for (const auto& row : rows) coupon.rows.push_back(RowOf(row));
    return coupon;
}

// "1X X2 12 1X2 ...": a match's signs, blank-separated.
Coupon SystemOf(std::string_view matches) {
    Coupon coupon;
    coupon.kind = Kind::System;
    std::istringstream in{std::string(matches)};
    for (auto& set : coupon.system) {
        std::string signs;
        in >> signs;
        for (const char sign : signs) set |= sign == '1' ? kOne : sign == 'X' ? kCross : kTwo;
    }
    return coupon;
}

// "1X2-...": a sign per match, '-' for one not yet decided.
Result ResultOf(std::string_view signs) {
    Result result;
    for (std::size_t m = 0; m < result.size(); ++m) {
        if (signs[m] != '-') result[m] = signs[m];
    }
    return result;
}

// Every row of a system, match 1 slowest and the signs as 1, X, 2.
Strings Expand(const std::array<SignSet, rc::kMatches>& system, std::size_t match = 0, const std::string& row = "") {
    if (match == system.size()) return {row};
    Strings rows;
    for (const auto& [set, sign] : {std::pair{kOne, '1'}, {kCross, 'X'}, {kTwo, '2'}}) {
        if ((system[match] & set) == 0) continue;
        for (auto& tail : Expand(system, match + 1, row + sign)) rows.push_back(std::move(tail));
    }
    return rows;
}

const std::string kHalfAndFull = "1X X2 12 1X2 1X2 1 X 2 1 X 2 1 X";  // 3 half covers, 2 full covers
const std::string kAllFull = "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2";

TEST(CouponTools, RowCountAndRepeats) {
    struct Case {
        const char* name = nullptr;
        Coupon coupon;
        std::uint64_t rows = 0;
        std::uint64_t repeated = 0;
    };
    const std::string a = "1X21X21X21X21", b = "2222222222222", x = "XXXXXXXXXXXXX";
    const Case cases[] = {
        {"no rows", RowsOf({}), 0, 0},
        {"one row", RowsOf({a}), 1, 0},
        {"distinct rows", RowsOf({a, b, x}), 3, 0},
        {"a row twice", RowsOf({a, a}), 2, 1},
        {"three copies of one row", RowsOf({a, a, a}), 3, 2},
        {"two pairs apart", RowsOf({a, b, x, b, a}), 5, 2},
        {"upload rows", RowsOf({x, b, x}, Kind::Upload), 3, 1},
        {"a system of single signs", SystemOf("1 X 2 1 X 2 1 X 2 1 X 2 1"), 1, 0},
        {"3 half and 2 full covers", SystemOf(kHalfAndFull), 72, 0},
        {"13 full covers", SystemOf(kAllFull), 1'594'323, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RowCount(c.coupon), c.rows);
        EXPECT_EQ(RepeatedRows(c.coupon), c.repeated);
    }
}

TEST(CouponTools, UploadTextOfRows) {
    struct Case {
        Coupon coupon;
        Game game = Game::Stryktipset;
        std::string text;
    };
    const Case cases[] = {
        {RowsOf({"1X21X21X21X21", "2222222222222"}), Game::Stryktipset,
         "Stryktipset\r\nE,1,X,2,1,X,2,1,X,2,1,X,2,1\r\nE,2,2,2,2,2,2,2,2,2,2,2,2,2"},
        {RowsOf({"XXXXXXXXXXXX1"}, Kind::Upload), Game::Italienska,
         "Italienska Stryktipset\r\nE,X,X,X,X,X,X,X,X,X,X,X,X,1"},
        {RowsOf({}), Game::Stryktipset, "Stryktipset"},
    };
    for (const auto& c : cases) EXPECT_EQ(UploadText(c.coupon, c.game), c.text);
}

TEST(CouponTools, UploadTextOfASystem) {
    const Coupon system = SystemOf(kHalfAndFull);
    const std::string text = UploadText(system, Game::Stryktipset);
    EXPECT_EQ(text.size(), 11u + 72u * 29u);
    EXPECT_TRUE(text.starts_with("Stryktipset\r\nE,1,X,1,1,1,1,X,2,1,X,2,1,X\r\nE,1,X,1,1,X,1,X,2,1,X,2,1,X\r\n"));
    EXPECT_TRUE(text.ends_with("\r\nE,X,2,2,2,X,1,X,2,1,X,2,1,X\r\nE,X,2,2,2,2,1,X,2,1,X,2,1,X"));
    const auto upload = support::ReadUpload(text);
    ASSERT_TRUE(upload);
    EXPECT_EQ(upload->rows, Expand(system.system));

    const std::string italienska = UploadText(system, Game::Italienska);
    EXPECT_EQ(italienska, "Italienska Stryktipset" + text.substr(text.find('\r')));
}

TEST(CouponTools, CheckSingleRows) {
    struct Case {
        const char* name = nullptr;
        Strings rows;
        std::string result;
        std::vector<int> correct;
        int best = 0;
        int undecided = 0;
    };
    const Case cases[] = {
        {"all decided", {"1X21X21X21X21", "2222222222222", "1X21X21X21X2X"}, "1X21X21X21X21", {13, 4, 12}, 13, 0},
        {"some undecided", {"1X21X21X21X21", "111111111111X"}, "1X2---1X21X2-", {9, 3}, 9, 4},
        {"none decided", {"1X21X21X21X21"}, "-------------", {0}, 0, 13},
        {"no rows", {}, "1111111111111", {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto summary = Check(RowsOf(c.rows), ResultOf(c.result));
        EXPECT_EQ(summary.correct, c.correct);
        std::array<std::uint64_t, rc::kMatches + 1> rowsWith{};
        for (const int k : c.correct) ++rowsWith[static_cast<std::size_t>(k)];
        EXPECT_EQ(summary.rowsWith, rowsWith);
        EXPECT_EQ(summary.best, c.best);
        EXPECT_EQ(summary.undecided, c.undecided);
    }
}

TEST(CouponTools, CheckThirteenFullCovers) {
    const Coupon system = SystemOf(kAllFull);
    // All decided: C(13, k) · 2^(13 - k) rows have k correct.
    const auto decided = Check(system, ResultOf("1X21X21X21X21"));
    EXPECT_EQ(decided.rowsWith[13], 1u);
    EXPECT_EQ(decided.rowsWith[12], 26u);
    EXPECT_EQ(decided.rowsWith[11], 312u);
    EXPECT_EQ(decided.rowsWith[10], 2288u);
    EXPECT_EQ(decided.rowsWith[0], 8192u);
    EXPECT_EQ(decided.best, 13);
    EXPECT_TRUE(decided.correct.empty());

    // Three undecided matches triple every count of the ten decided ones.
    const auto open = Check(system, ResultOf("1X2-1X-1X21-2"));
    EXPECT_EQ(open.rowsWith[10], 27u);
    EXPECT_EQ(open.rowsWith[9], 27u * 20u);
    EXPECT_EQ(open.rowsWith[11], 0u);
    EXPECT_EQ(open.best, 10);
    EXPECT_EQ(open.undecided, 3);
}

TEST(CouponTools, CheckSystemsAgainstTheirRows) {
    std::mt19937 random(4812);
    std::uniform_int_distribution<int> anySet(1, 7);
    std::uniform_int_distribution<int> outcome(0, 3);  // 3: not yet decided
    for (int trial = 0; trial < 200; ++trial) {
        Coupon system;
        system.kind = Kind::System;
        do {
            for (auto& set : system.system) set = static_cast<SignSet>(anySet(random));
        } while (RowCount(system) > kUploadRowLimit);
        Result result;
        for (auto& sign : result) {
            if (const int o = outcome(random); o < 3) sign = "1X2"[o];
        }

        const auto upload = support::ReadUpload(UploadText(system, Game::Stryktipset));
        ASSERT_TRUE(upload);
        ASSERT_EQ(upload->rows, Expand(system.system));
        std::array<std::uint64_t, rc::kMatches + 1> rowsWith{};
        std::size_t best = 0;
        int undecided = 0;
        for (const auto& sign : result) undecided += sign ? 0 : 1;
        for (const auto& row : upload->rows) {
            std::size_t correct = 0;
            for (std::size_t m = 0; m < row.size(); ++m) correct += result[m] == row[m] ? 1 : 0;
            ++rowsWith[correct];
            best = std::max(best, correct);
        }
        const auto summary = Check(system, result);
        SCOPED_TRACE(trial);
        EXPECT_EQ(summary.rowsWith, rowsWith);
        EXPECT_EQ(summary.best, static_cast<int>(best));
        EXPECT_EQ(summary.undecided, undecided);
        EXPECT_TRUE(summary.correct.empty());
    }
}

}  // namespace
}  // namespace stenvik::coupon
