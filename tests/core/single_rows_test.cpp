// "GENERERA rader" for single rows: known answers for seed 1, and properties
// over many seeds, clicked through the in-memory dialog.

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

// The user's clicks for `request`, with `extra` clicked just before the press.
std::vector<Event> ClicksBeforeThePress(const RowsRequest& request, std::initializer_list<int> extra) {
    auto clicks = UserClicks(request);
    for (const int id : extra) clicks.insert(clicks.end() - 1, Click{id});
    return clicks;
}

TEST(SingleRows, SeedOneTwoRowsInTheGrid) {
    MemorySession session(1);
    Replay(session, UserClicks(RowsRequest{.count = 2}));
    const std::string expected =
        " Match 1:   X  2 \r\n Match 2:   1  2 \r\n Match 3:   1  X \r\n -------------------------"
        "\r\n Match 4:   2  2 \r\n Match 5:   1  X \r\n Match 6:   1  X \r\n -------------------------"
        "\r\n Match 7:   1  2 \r\n Match 8:   1  1 \r\n Match 9:   2  1 \r\n -------------------------"
        "\r\n Match 10: X  2 \r\n Match 11: X  2 \r\n Match 12: 2  2 \r\n Match 13: 1  1 ";
    EXPECT_EQ(session.Rows(), expected);
    EXPECT_EQ(session.Rows().size(), 223u + 51u * 2u);
    EXPECT_EQ(GridRows(session.Rows()), (std::vector<std::string>{"X11211112XX21", "22X2XX2112221"}));
    EXPECT_EQ(session.dialog.Status(), Cp1252(u8"Då går vi vidare till ENKELRADS generering."));
    EXPECT_TRUE(Visible(session, rc::kSave));
}

TEST(SingleRows, SeedOneUploadFormat) {
    MemorySession one(1);
    Replay(one, UserClicks(RowsRequest{.upload = true}));
    EXPECT_EQ(one.Rows(), "Stryktipset\r\nE,X,2,1,2,1,X,2,2,1,X,1,X,1");

    MemorySession two(1);
    Replay(two, UserClicks(RowsRequest{.count = 2, .upload = true}));
    EXPECT_EQ(two.Rows(), "Stryktipset\r\nE,X,2,1,2,1,X,2,2,1,X,1,X,1\r\nE,2,1,1,2,1,X,2,X,2,2,2,1,1");
}

TEST(SingleRows, SeedOneStatisticalFirstRowDrawsTheKnownValues) {
    MemorySession session(1);
    Replay(session, UserClicks(RowsRequest{.method = Method::Statistical, .upload = true, .game = Game::Italienska}));
    EXPECT_EQ(session.Rows(), "Italienska Stryktipset\r\nE,X,2,1,2,1,X,2,2,1,X,1,X,1");
    EXPECT_EQ(session.state.ir, 6);  // the last of 62, 116, 52, 114, 15, 63, 85, 107, 3, 69, 53, 68, 6

    TRandomMersenne reference(1);
    const std::array<int, 13> values = {62, 116, 52, 114, 15, 63, 85, 107, 3, 69, 53, 68, 6};
    for (const int value : values) EXPECT_EQ(reference.IRandom(1, tot_tecken), value);
}

TEST(SingleRows, WithNoMethodCheckedTheClassicDrawApplies) {
    MemorySession session(1);
    Replay(session, ClicksBeforeThePress(RowsRequest{.count = 2}, {rc::kKlassiskt}));
    EXPECT_FALSE(Checked(session, rc::kKlassiskt));
    EXPECT_EQ(GridRows(session.Rows()), (std::vector<std::string>{"X11211112XX21", "22X2XX2112221"}));
}

TEST(SingleRows, TheLargestTextsFitTheBuffer) {
    MemorySession grid(1);
    Replay(grid, UserClicks(RowsRequest{.count = 90}));
    ASSERT_EQ(grid.Rows().size(), 4813u);
    ASSERT_LE(grid.Rows().size(), coupon::RowsText::kMaxLength);
    for (const auto& line : Lines(grid.Rows())) {
        const bool separator = line.rfind(" -", 0) == 0;
        EXPECT_TRUE(line.size() == (separator ? 378u : 281u) || line.size() == 280u) << line.substr(0, 12);
    }
    const auto cells = MatchCells(grid.Rows());
    ASSERT_EQ(cells.size(), 13u);
    EXPECT_EQ(cells[12].size(), 270u);  // match 13: 90 cells after a 10-wide label

    MemorySession upload(1);
    Replay(upload, UserClicks(RowsRequest{.count = 90, .upload = true, .game = Game::Italienska}));
    EXPECT_EQ(upload.Rows().size(), 2632u);
    upload.Click(rc::kStryktipset);
    upload.Click(rc::kGenerate);
    EXPECT_EQ(upload.Rows().size(), 2621u);
}

TEST(SingleRows, EveryPressReplacesTheWholeText) {
    MemorySession session(1);
    Replay(session, UserClicks(RowsRequest{.count = 90}));
    ClickAll(session, {rc::kRowCounts[0].id, rc::kGenerate});
    EXPECT_EQ(session.Rows().size(), 274u);
    EXPECT_EQ(Lines(session.Rows())[3], " " + std::string(21, '-'));
}

TEST(SingleRows, WithNeitherGameCheckedTheDefaultGameNamesTheRows) {
    MemorySession session(1);
    Replay(session, ClicksBeforeThePress(RowsRequest{.upload = true}, {rc::kStryktipset}));
    EXPECT_FALSE(Checked(session, rc::kStryktipset));
    EXPECT_EQ(session.Rows(), "Stryktipset\r\nE,X,2,1,2,1,X,2,2,1,X,1,X,1");
}

TEST(SingleRows, ASureMatchTakesNoDraw) {
    MemorySession session(1);
    Replay(session, UserClicks(RowsRequest{.sure = {{5, 2}}, .upload = true}));
    // Matches 1-4 and 6-13 take the first twelve dice: 4 6 3 6 1 4 5 6 1 4 3 4.
    EXPECT_EQ(session.Rows(), "Stryktipset\r\nE,X,2,1,2,2,1,X,2,2,1,X,1,X");
    TRandomMersenne reference(1);
    for (int i = 0; i < 12; ++i) reference.BRandom();
    EXPECT_EQ(session.state.rg.BRandom(), reference.BRandom());
}

TEST(SingleRows, AllMatchesSureMakesEqualRowsWithoutDrawing) {
    MemorySession session(1);
    RowsRequest request{.count = 24};
    for (int match = 1; match <= 13; ++match) request.sure.push_back({match, match % 3});
    Replay(session, UserClicks(request));
    EXPECT_EQ(GridRows(session.Rows()), std::vector<std::string>(24, "X21X21X21X21X"));
    EXPECT_EQ(session.state.rg.BRandom(), TRandomMersenne(1).BRandom());
}

TEST(SingleRows, WithNoModeThePressOnlyShowsTheSaveButton) {
    MemorySession session(1);
    ClickAll(session, {rc::kEnkelrader, rc::kEnkelrader, rc::kGenerate});
    EXPECT_EQ(session.Rows(), Cp1252(u8"Här kommer dina rader visas!"));
    EXPECT_EQ(Status(session), "Kryssa i ett val!!!!");
    EXPECT_TRUE(Visible(session, rc::kSave));
    EXPECT_EQ(session.state.rg.BRandom(), TRandomMersenne(1).BRandom());
}

// Over many seeds, counts, methods and sure signs: the shape of the text,
// its length, the sure signs and the signs each method may draw.
TEST(SingleRows, PropertiesOverManySeeds) {
    std::mt19937 pick(2026);
    for (std::int32_t seed = 1; seed <= 120; ++seed) {
        const auto count = rc::kRowCounts[pick() % rc::kRowCounts.size()];
        const bool upload = pick() % 2 == 0;
        const bool statistical = pick() % 2 == 0;
        RowsRequest request{
            .count = count.rows, .method = statistical ? Method::Statistical : Method::Classic, .upload = upload};
        std::string sure(13, '.');
        for (int match = 1; match <= 13; ++match) {
            if (pick() % 4 != 0) continue;
            const int sign = static_cast<int>(pick() % 3);
            request.sure.push_back({match, sign});
            sure[static_cast<std::size_t>(match - 1)] = "1X2"[sign];
        }
        MemorySession session(seed);
        Replay(session, UserClicks(request));

        const auto r = static_cast<std::size_t>(count.rows);
        const auto& text = session.Rows();
        EXPECT_EQ(text.size(), upload ? 11 + 29 * r : 223 + 51 * r) << seed;
        EXPECT_NE(text.substr(text.size() - 1), "\n");
        const auto rows =
            upload ? ReadUpload(text).value_or(Upload{}).rows : GridRows(text).value_or(std::vector<std::string>{});
        ASSERT_EQ(rows.size(), r) << seed;
        for (const auto& row : rows) {
            ASSERT_EQ(row.size(), 13u);
            for (std::size_t m = 0; m < 13; ++m) {
                EXPECT_NE(std::string_view("1X2").find(row[m]), std::string_view::npos);
                if (sure[m] != '.') {
                    EXPECT_EQ(row[m], sure[m]) << "seed " << seed << " match " << m + 1;
                }
            }
        }
    }
}

}  // namespace
}  // namespace stenvik
