// "GENERERA rader" in SYSTEM mode: known answers for seed 1, the refusal,
// and properties over many seeds.

#include <gtest/gtest.h>

#include <random>

#include "core/coupon_text.h"
#include "memory/scripted_user.h"
#include "tests/core/dialog_probe.h"
#include "tests/support/box_texts.h"

namespace stenvik {
namespace {

using namespace testing;
using namespace support;
using Cells = std::vector<std::string>;

// Clicks a system as a user would and presses "GENERERA rader".
void Generate(MemorySession& session, const SystemRequest& request) { Replay(session, UserClicks(request)); }

const std::string kSeparator = " " + std::string(23, '-');

TEST(SystemRows, SeedOneClassicTwoHalfOneFull) {
    MemorySession session(1);
    Generate(session, {.half = 2, .full = 1});
    EXPECT_EQ(MatchCells(session.Rows()), (Cells{" 1X ", " 1X2 ", " 1X ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", "   X ",
                                                 " 1 ", "   X ", " 1 ", " 1 "}));
    EXPECT_EQ(session.Rows().size(), 288u);
    const auto lines = Lines(session.Rows());
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], " Match 1:   1X ");
    EXPECT_EQ(lines[3], kSeparator);
    EXPECT_EQ(lines[7], kSeparator);
    EXPECT_EQ(lines[11], kSeparator);
    EXPECT_EQ(lines[15], " Match 13: 1 ");
    EXPECT_EQ(Status(session), Cp1252(u8"Då går vi vidare till SYSTEM generering."));
    EXPECT_EQ(session.state.antal_enkeltecken, 10);
    EXPECT_EQ(session.state.sakra, 10);
    EXPECT_EQ(session.state.antalsakra, 0);

    // Exactly the values listed per match were drawn, thrown-away ones included.
    TRandomMersenne reference(1);
    const std::array<int, 29> values = {8, 15, 7, 15, 2,  9,  11, 14, 1,  9, 7, 9,  1, 13, 1,
                                        2, 12, 4, 9,  13, 10, 12, 15, 15, 3, 4, 15, 2, 1};
    for (const int value : values) EXPECT_EQ(reference.IRandom(1, 15), value);
    EXPECT_EQ(session.state.ir, 1);
    EXPECT_EQ(session.state.rg.BRandom(), reference.BRandom());
}

TEST(SystemRows, SeedOneStatisticalTwoHalfOneFull) {
    MemorySession session(1);
    Generate(session, {.half = 2, .full = 1, .method = Method::Statistical});
    EXPECT_EQ(MatchCells(session.Rows()),
              (Cells{" 1X ", " 1X2 ", " 1X ", " X ", " X ", " 2 ", " 1 ", " X ", " 1 ", " 1 ", " 1 ", " 2 ", " 2 "}));
    EXPECT_EQ(session.Rows().size(), 284u);
}

TEST(SystemRows, SeedOneWithSureSignsTakesNoValueForThem) {
    MemorySession session(1);
    Generate(session, {.half = 4, .full = 2, .sure = {{3, 1}, {13, 2}}});
    EXPECT_EQ(MatchCells(session.Rows()), (Cells{" 1X ", " 1X2 ", " X ", " 1X ", " 1X2 ", " 1 ", " 1X ", "   X2 ",
                                                 " 1 ", " 1 ", " 1 ", " 1 ", " 2 "}));
    EXPECT_EQ(session.Rows().size(), 290u);
    EXPECT_EQ(session.state.antalsakra, 2);
    EXPECT_EQ(session.state.antal_enkeltecken, 5);
}

TEST(SystemRows, ExtremeChoices) {
    struct Case {
        const char* name;
        SystemRequest choice;
        std::size_t length;
        std::string cells;  // the cells every match may hold, separated by '|'
    };
    std::vector<SureSign> allOnes;
    for (int match = 1; match <= 13; ++match) allOnes.push_back({match, 0});
    const Case cases[] = {
        {"13 sure ones", {.sure = allOnes}, 280, "| 1 |"},
        {"13 full covers", {.full = 13}, 306, "| 1X2 |"},
        {"13 half covers", {.half = 13}, 0, "| 1X |   X2 | 1  2 |"},
        {"classic singles", {}, 0, "| 1 |   X |    2 |"},
        {"statistical singles", {.method = Method::Statistical}, 0, "| 1 | X | 2 |"},
    };
    for (const auto& c : cases) {
        for (std::int32_t seed = 1; seed <= 20; ++seed) {
            MemorySession session(seed);
            Generate(session, c.choice);
            if (c.length != 0) {
                EXPECT_EQ(session.Rows().size(), c.length) << c.name;
            }
            const auto cells = MatchCells(session.Rows());
            ASSERT_EQ(cells.size(), 13u) << c.name;
            for (const auto& cell : cells) {
                EXPECT_NE(c.cells.find("|" + cell + "|"), std::string::npos) << c.name << " [" << cell << "]";
            }
        }
    }
}

TEST(SystemRows, ASureCrossStandsBesideClassicCrosses) {
    bool sawClassicCross = false;
    for (std::int32_t seed = 1; seed <= 10; ++seed) {
        MemorySession session(seed);
        Generate(session, {.sure = {{5, 1}}});
        const auto cells = MatchCells(session.Rows());
        EXPECT_EQ(cells[4], " X ");
        sawClassicCross = sawClassicCross || std::count(cells.begin(), cells.end(), "   X ") > 0;
    }
    EXPECT_TRUE(sawClassicCross);
}

TEST(SystemRows, ChoicesThatDoNotFitAreRefused) {
    const int system = rc::kSystem;
    // A count click hides what would pass 13 matches; two more SYSTEM clicks
    // show every count again, so a user can still get there.
    const std::vector<int> cases[] = {
        {system, rc::kHalfCovers[5], rc::kFullCovers[6], 1074, 1078, 1082},
        {system, rc::kHalfCovers[8], system, system, rc::kFullCovers[6]},
        {system, rc::kFullCovers[1], system, system, rc::kHalfCovers[13]},
    };
    for (const auto& clicks : cases) {
        MemorySession session(1);
        for (const int id : clicks) session.Click(id);
        session.Click(rc::kGenerate);
        EXPECT_EQ(session.Rows(), std::string(coupon::kRefusal.view()));
        EXPECT_EQ(session.Rows().size(), 60u);
        EXPECT_EQ(Status(session), Cp1252(u8"Då går vi vidare till SYSTEM generering."));
        EXPECT_EQ(session.state.sakra, -1);
        EXPECT_EQ(session.state.antal_enkeltecken, -1);
        EXPECT_EQ(session.state.rg.BRandom(), TRandomMersenne(1).BRandom());  // nothing drawn
    }
}

TEST(SystemRows, ThirteenWithCoversAndSureSignsFitsWithoutSingles) {
    MemorySession session(1);
    Generate(session, {.half = 5, .full = 5, .sure = {{1, 0}, {7, 1}, {13, 2}}});
    const auto cells = MatchCells(session.Rows());
    EXPECT_EQ(session.state.sakra, 0);
    for (const auto& cell : cells) EXPECT_NE(cell, "   X ");
    EXPECT_EQ(std::count(cells.begin(), cells.end(), " 1X2 "), 5);
}

TEST(SystemRows, SureSignsCountOnceAfterSwitchingMode) {
    MemorySession session(1);
    ClickAll(session, {rc::kEnkelrader, rc::SureBox(1, 0), rc::SureBox(2, 0), rc::SureBox(3, 0)});
    Generate(session, {.half = 10});
    EXPECT_EQ(session.state.antalsakra, 3);
    EXPECT_EQ(session.state.sakra, 0);
    session.Click(rc::SureBox(4, 0));  // one more: 14 in all
    session.Click(rc::kGenerate);
    EXPECT_EQ(session.state.sakra, -1);
    EXPECT_EQ(session.Rows(), std::string(coupon::kRefusal.view()));
}

// A press of the upload format does not recount the sure matches; every other
// press does.
TEST(SystemRows, TheUploadFormatLeavesTheSureCountAsItWas) {
    MemorySession session(1);
    Generate(session, {.sure = {{1, 0}}});
    EXPECT_EQ(session.state.antalsakra, 1);
    ClickAll(session, {rc::kEnkelrader, rc::kCompatible, rc::SureBox(1, 0), rc::kGenerate});
    EXPECT_EQ(session.state.antalsakra, 1);
    ClickAll(session, {rc::kCompatible, rc::kGenerate});
    EXPECT_EQ(session.state.antalsakra, 0);
}

// Two checked boxes in one match can only come from outside the rules; the
// match still counts once, so the draw loop still ends.
TEST(SystemRows, TwoBoxesInOneMatchCountAsOneSureMatch) {
    MemorySession session(1);
    session.dialog.SetChecked(session.dialog.GetControl(rc::SureBox(1, 1)), true);
    session.dialog.SetChecked(session.dialog.GetControl(rc::SureBox(1, 2)), true);
    Generate(session, {.half = 12});
    EXPECT_EQ(session.state.antalsakra, 1);
    const auto cells = MatchCells(session.Rows());
    ASSERT_EQ(cells.size(), 13u);
    EXPECT_EQ(cells[0], " X ");
}

TEST(SystemRows, PropertiesOverManySeeds) {
    std::mt19937 pick(11213);
    for (std::int32_t seed = 1; seed <= 300; ++seed) {
        SystemRequest choice;
        choice.half = static_cast<int>(pick() % 14);
        choice.full = static_cast<int>(pick() % static_cast<unsigned>(14 - choice.half));
        choice.method = pick() % 2 == 0 ? Method::Statistical : Method::Classic;
        std::string sure(13, '.');
        for (int match = 1; match <= 13 - choice.half - choice.full; ++match) {
            if (pick() % 3 != 0) continue;
            const int sign = static_cast<int>(pick() % 3);
            choice.sure.push_back({match * 7 % 13 + 1, sign});  // spread over the coupon
        }
        for (const auto& [match, sign] : choice.sure) sure[static_cast<std::size_t>(match - 1)] = "1X2"[sign];

        MemorySession session(seed);
        Generate(session, choice);
        const auto cells = MatchCells(session.Rows());
        ASSERT_EQ(cells.size(), 13u) << seed;
        std::size_t cellWidths = 0;
        int halves = 0, fulls = 0;
        for (std::size_t m = 0; m < 13; ++m) {
            const auto& cell = cells[m];
            cellWidths += cell.size();
            if (sure[m] != '.') {
                EXPECT_EQ(cell, std::string(coupon::SignCell(sure[m]))) << seed;
                continue;
            }
            halves += cell == " 1X " || cell == "   X2 " || cell == " 1  2 ";
            fulls += cell == " 1X2 ";
            const std::string singles = choice.method == Method::Statistical ? "| 1 | X | 2 |" : "| 1 |   X |    2 |";
            const bool legal = singles.find("|" + cell + "|") != std::string::npos ||
                               std::string("| 1X |   X2 | 1  2 | 1X2 |").find("|" + cell + "|") != std::string::npos;
            EXPECT_TRUE(legal) << seed << " [" << cell << "]";
        }
        EXPECT_EQ(halves, choice.half) << seed;
        EXPECT_EQ(fulls, choice.full) << seed;
        EXPECT_EQ(session.Rows().size(), 163 + 3 * 26 + cellWidths) << seed;
        EXPECT_LE(session.Rows().size(), 319u);
    }
}

}  // namespace
}  // namespace stenvik
