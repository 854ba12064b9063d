// Single rows with the player's own percentages per match, and rows that no
// press pays for twice: known answers for fixed seeds, clicked through the
// in-memory dialog with the state the command line sets.

#include <gtest/gtest.h>

#include <set>

#include "memory/scripted_user.h"
#include "tests/support/box_texts.h"

namespace stenvik {
namespace {

using namespace support;

using Percents = std::array<std::optional<Percent>, rc::kMatches>;

Percents Everywhere(Percent percent) {
    Percents all{};
    all.fill(percent);
    return all;
}

// What one press on a fresh session leaves behind.
struct Outcome {
    std::string text;
    std::vector<std::string> rows;  // each as its 13 signs
    std::int32_t ir = 0;
    std::uint32_t next = 0;  // the stream's next raw value
};

Outcome Press(std::int32_t seed, const RowsRequest& request, const Percents& percent = {}, bool unique = false) {
    MemorySession session(seed);
    session.state.percent = percent;
    session.state.uniqueRows = unique;
    Replay(session, UserClicks(request));
    const auto& text = session.Rows();
    return {.text = text,
            .rows = request.upload ? ReadUpload(text).value_or(Upload{}).rows
                                   : GridRows(text).value_or(std::vector<std::string>{}),
            .ir = session.state.ir,
            .next = session.state.rg.BRandom()};
}

std::string Column(const std::vector<std::string>& rows, int match) {
    std::string signs;
    for (const auto& row : rows) signs += row.at(static_cast<std::size_t>(match - 1));
    return signs;
}

std::size_t Distinct(const std::vector<std::string>& rows) { return std::set(rows.begin(), rows.end()).size(); }

std::vector<SureSign> SureMatches(int count) {
    std::vector<SureSign> sure;
    for (int match = 1; match <= count; ++match) sure.push_back({match, match % 3});
    return sure;
}

TEST(DrawableSigns, CountsTheSignsWithWeight) {
    EXPECT_EQ(DrawableSigns(std::nullopt), 3);
    EXPECT_EQ(DrawableSigns(Percent{34, 33, 33}), 3);
    EXPECT_EQ(DrawableSigns(Percent{50, 0, 50}), 2);
    EXPECT_EQ(DrawableSigns(Percent{0, 99, 1}), 2);
    EXPECT_EQ(DrawableSigns(Percent{0, 0, 100}), 1);
    EXPECT_EQ(DrawableSigns(Percent{100, 0, 0}), 1);
}

// Every match weighted wholly to one sign: every row has it, and each match of
// each row takes one draw of 1..100 from the stream.
TEST(OwnPercent, AWholeWeightAlwaysGivesItsSignAndOneDraw) {
    const struct {
        Percent percent;
        char sign;
    } cases[] = {{{100, 0, 0}, '1'}, {{0, 100, 0}, 'X'}, {{0, 0, 100}, '2'}};
    for (const auto& [percent, sign] : cases) {
        for (const bool upload : {false, true}) {
            const auto press = Press(3, RowsRequest{.count = 24, .upload = upload}, Everywhere(percent));
            EXPECT_EQ(press.rows, std::vector<std::string>(24, std::string(13, sign))) << sign;

            TRandomMersenne reference(3);
            std::int32_t last = 0;
            for (int draw = 0; draw < 24 * 13; ++draw) last = reference.IRandom(1, 100);
            EXPECT_EQ(press.ir, last) << sign;
            EXPECT_EQ(press.next, reference.BRandom()) << sign;
        }
    }
}

// Seed 1 draws 53, 99, 44, 98, 13, 54, 72, 92, 2, 59, 45, 58, 5 from 1..100 and
// 4, 6, 3, 6, 1, 4, 5, 6, 1, 4, 3, 4 from 1..6; a match's own weights take the
// draw where the method would have, at the edges of their ranges here.
TEST(OwnPercent, KnownAnswersForSeedOne) {
    Percents upload;
    upload[0] = Percent{50, 10, 40};  // 53: X
    upload[1] = Percent{60, 39, 1};   // 99: X, the last of its range
    upload[2] = Percent{44, 56, 0};   // 44: 1, the last of its range
    upload[3] = Percent{97, 0, 3};    // 98: 2
    upload[12] = Percent{4, 1, 95};   // 5: X, the only value that gives it
    const auto row = Press(1, RowsRequest{.upload = true}, upload);
    EXPECT_EQ(row.text, "Stryktipset\r\nE,X,X,1,2,1,X,2,2,1,X,1,X,X");
    EXPECT_EQ(row.ir, 5);

    // The grid draws match 1 of both rows first: 53 and 99.
    Percents grid;
    grid[0] = Percent{53, 45, 2};
    EXPECT_EQ(Press(1, RowsRequest{.count = 2}, grid).rows,
              (std::vector<std::string>{"111211112XX21", "22X2XX2112221"}));
}

TEST(OwnPercent, ASureSignWinsAndTakesNoDraw) {
    const RowsRequest request{.count = 12, .sure = {{5, 0}}, .upload = true};
    Percents percent;
    percent[4] = Percent{0, 0, 100};
    const auto plain = Press(8, request);
    const auto press = Press(8, request, percent);
    EXPECT_EQ(press.text, plain.text);
    EXPECT_EQ(Column(press.rows, 5), std::string(12, '1'));
    EXPECT_EQ(press.next, plain.next);
}

// One draw whatever its range: the method changes match 13's signs only.
TEST(OwnPercent, TheMethodBoxDecidesOnlyTheMatchesWithoutWeights) {
    const RowsRequest classic{.count = 24};
    const RowsRequest statistical{.count = 24, .method = Method::Statistical};
    const auto weighted = Everywhere(Percent{34, 33, 33});
    EXPECT_EQ(Press(5, classic, weighted).text, Press(5, statistical, weighted).text);

    auto twelve = weighted;
    twelve[12].reset();
    const auto a = Press(5, classic, twelve);
    const auto b = Press(5, statistical, twelve);
    for (int match = 1; match <= 12; ++match) EXPECT_EQ(Column(a.rows, match), Column(b.rows, match)) << match;
    EXPECT_NE(Column(a.rows, 13), Column(b.rows, 13));
}

TEST(OwnPercent, ASystemIgnoresWeightsAndUniqueRows) {
    const SystemRequest request{.half = 3, .full = 2, .method = Method::Statistical, .sure = {{4, 1}}};
    MemorySession plain(9);
    Replay(plain, UserClicks(request));
    MemorySession toolkit(9);
    toolkit.state.percent = Everywhere(Percent{0, 100, 0});
    toolkit.state.uniqueRows = true;
    Replay(toolkit, UserClicks(request));
    EXPECT_EQ(toolkit.Rows(), plain.Rows());
    EXPECT_EQ(toolkit.state.rg.BRandom(), plain.state.rg.BRandom());
}

// 90 rows with six sure matches repeat for these seeds. With unique rows every
// repeat is drawn again and nothing else changes.
TEST(UniqueRows, ARepeatingPressGetsNinetyDistinctRows) {
    const struct {
        std::int32_t seed;
        bool upload;
        std::size_t distinct;  // without unique rows
    } cases[] = {{1, false, 85}, {4, true, 82}};
    for (const auto& [seed, upload, distinct] : cases) {
        const RowsRequest request{.count = 90, .sure = SureMatches(6), .upload = upload};
        const auto plain = Press(seed, request);
        const auto unique = Press(seed, request, {}, true);
        ASSERT_EQ(plain.rows.size(), 90u);
        ASSERT_EQ(unique.rows.size(), 90u);
        EXPECT_EQ(Distinct(plain.rows), distinct) << seed;
        EXPECT_EQ(Distinct(unique.rows), 90u) << seed;
        EXPECT_EQ(unique.text.size(), plain.text.size());

        std::set<std::string> seen;
        for (std::size_t i = 0; i < 90; ++i) {
            const bool repeat = !seen.insert(plain.rows[i]).second;
            EXPECT_EQ(unique.rows[i] == plain.rows[i], !repeat) << "seed " << seed << " row " << i + 1;
            EXPECT_EQ(unique.rows[i].substr(0, 6), "X21X21") << "seed " << seed << " row " << i + 1;
        }
        EXPECT_EQ(Press(seed, request, {}, true).text, unique.text);
    }
}

// The possible rows count only the signs a match can be drawn with; with fewer
// than asked the press is the plain one, with as many every one of them comes.
TEST(UniqueRows, OnlyAsManyRowsAsCanBeDrawn) {
    Percents noCross;
    noCross[12] = Percent{50, 0, 50};
    const struct {
        int sure = 0;
        Percents percent{};
        int count = 0;  // the possible rows, or one more
        bool distinct = false;
    } cases[] = {{11, {}, 9, true}, {11, {}, 10, false}, {10, noCross, 18, true}, {10, noCross, 19, false}};
    for (const auto& [sure, percent, count, distinct] : cases) {
        for (const bool upload : {false, true}) {
            const RowsRequest request{.count = count, .sure = SureMatches(sure), .upload = upload};
            const auto plain = Press(2, request, percent);
            const auto unique = Press(2, request, percent, true);
            if (distinct) {
                EXPECT_EQ(Distinct(unique.rows), static_cast<std::size_t>(count)) << count;
                EXPECT_LT(Distinct(plain.rows), static_cast<std::size_t>(count)) << count;
            } else {
                EXPECT_EQ(unique.text, plain.text) << count;
                EXPECT_EQ(unique.next, plain.next) << count;
            }
        }
    }
}

}  // namespace
}  // namespace stenvik
