// The selection rules as a user meets them in the real window: the mode
// boxes switch the count controls, the counts hide what would not fit, and
// the sure-match boxes keep one sign per match.

#include "core/rc.h"
#include "tests/win32/e2e/stenvik_test.h"

namespace stenvik::win32::tests {
namespace {

TEST_F(StenvikTest, ModeBoxesSwitchTheCountControls) {
    program.Click(rc::kEnkelrader);
    EXPECT_TRUE(program.IsChecked(rc::kEnkelrader));
    EXPECT_TRUE(program.IsVisible(rc::kGenerate));
    for (const auto& count : rc::kRowCounts) EXPECT_TRUE(program.IsVisible(count.id)) << count.rows;
    EXPECT_TRUE(program.IsVisible(rc::kCompatible));
    EXPECT_FALSE(program.IsVisible(rc::kStryktipset));
    for (const int id : rc::kHalfCovers) EXPECT_FALSE(program.IsVisible(id)) << id;
    for (const int id : rc::kFullCovers) EXPECT_FALSE(program.IsVisible(id)) << id;

    program.Click(rc::kSystem);
    EXPECT_TRUE(program.IsChecked(rc::kSystem));
    EXPECT_FALSE(program.IsChecked(rc::kEnkelrader));
    for (const auto& count : rc::kRowCounts) EXPECT_FALSE(program.IsVisible(count.id)) << count.rows;
    EXPECT_FALSE(program.IsVisible(rc::kCompatible));
    for (const int id : rc::kHalfCovers) EXPECT_TRUE(program.IsVisible(id)) << id;
    for (const int id : rc::kFullCovers) EXPECT_TRUE(program.IsVisible(id)) << id;
}

TEST_F(StenvikTest, CoverCountsHideWhatWouldNotFit) {
    program.Click(rc::kSystem);
    program.Click(rc::kHalfCovers[5]);
    // The platform's own radio-button rule: the click clears the other counts.
    EXPECT_TRUE(program.IsChecked(rc::kHalfCovers[5]));
    EXPECT_FALSE(program.IsChecked(rc::kHalfCovers[0]));
    for (int count = 0; count <= 13; ++count) {
        EXPECT_EQ(program.IsVisible(rc::kFullCovers[static_cast<std::size_t>(count)]), count <= 8) << count;
    }

    program.Click(rc::kFullCovers[3]);
    EXPECT_TRUE(program.IsChecked(rc::kFullCovers[3]));
    EXPECT_FALSE(program.IsChecked(rc::kFullCovers[0]));
    for (int count = 0; count <= 13; ++count) {
        EXPECT_EQ(program.IsVisible(rc::kHalfCovers[static_cast<std::size_t>(count)]), count <= 10) << count;
    }
}

TEST_F(StenvikTest, OneSureSignPerMatch) {
    const int x5 = rc::SureBox(5, 1);
    const int one5 = rc::SureBox(5, 0);
    program.Click(x5);
    EXPECT_TRUE(program.IsChecked(x5));
    program.Click(one5);
    EXPECT_TRUE(program.IsChecked(one5));
    EXPECT_FALSE(program.IsChecked(x5));
    program.Click(one5);
    EXPECT_FALSE(program.IsChecked(one5));
    EXPECT_FALSE(program.IsChecked(rc::SureBox(4, 0)));
}

TEST_F(StenvikTest, MethodAndGameBoxesExcludeEachOther) {
    program.Click(rc::kStatistiskt);
    EXPECT_TRUE(program.IsChecked(rc::kStatistiskt));
    EXPECT_FALSE(program.IsChecked(rc::kKlassiskt));

    program.Click(rc::kEnkelrader);
    program.Click(rc::kCompatible);
    EXPECT_TRUE(program.IsVisible(rc::kStryktipset));
    EXPECT_TRUE(program.IsVisible(rc::kItalienska));
    program.Click(rc::kItalienska);
    EXPECT_TRUE(program.IsChecked(rc::kItalienska));
    EXPECT_FALSE(program.IsChecked(rc::kStryktipset));
}

}  // namespace
}  // namespace stenvik::win32::tests
