// The platform rules the in-memory dialog models, which every other test of
// the rules relies on: those of every layer, and its own.

#include <gtest/gtest.h>

#include <array>

#include "core/rc.h"
#include "memory/dialog.h"
#include "tests/support/platform_contract.h"

namespace stenvik {
namespace {

using namespace support;

TEST(MemoryDialog, TheStatusControlRecordsTextsButShowsNothing) {
    MemoryDialog dialog;
    dialog.SetText(ControlHandle::none, "lost");
    EXPECT_EQ(dialog.Status(), std::nullopt);
    const auto status = dialog.GetControl(rc::kStatus);
    dialog.SetText(status, "1 enkelrad vald.");
    EXPECT_EQ(dialog.Status(), "1 enkelrad vald.");
    EXPECT_EQ(dialog.TextLength(status), 0);
    EXPECT_EQ(dialog.Find(rc::kStatus), nullptr);
}

TEST(MemoryDialog, ClicksFollowThePlatformRules) {
    MemoryDialog dialog;
    EXPECT_EQ(dialog.Click(rc::kRowsBox), std::nullopt);  // not a button
    EXPECT_EQ(dialog.Click(4711), std::nullopt);

    const auto command = dialog.Click(rc::kStatistiskt);
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->id, rc::kStatistiskt);
    EXPECT_EQ(command->code, 0);
    EXPECT_TRUE(dialog.Find(rc::kStatistiskt)->checked);
    EXPECT_EQ(dialog.Focus(), rc::kStatistiskt);

    dialog.SetVisible(dialog.GetControl(rc::kStatistiskt), false);
    EXPECT_EQ(dialog.Click(rc::kStatistiskt), std::nullopt);
    EXPECT_TRUE(dialog.Find(rc::kStatistiskt)->checked);

    dialog.SetEnabled(dialog.GetControl(rc::kGenerate), false);
    EXPECT_EQ(dialog.Click(rc::kGenerate), std::nullopt);
}

TEST(MemoryDialog, ARadioClickClearsTheVisibleEnabledOthersOfItsGroup) {
    MemoryDialog dialog;
    const int hidden = rc::kHalfCovers[3], disabled = rc::kHalfCovers[4], visible = rc::kRowCounts[7].id;
    for (const int id : {hidden, disabled, visible}) dialog.SetChecked(dialog.GetControl(id), true);
    dialog.SetVisible(dialog.GetControl(hidden), false);
    dialog.SetEnabled(dialog.GetControl(disabled), false);
    ASSERT_TRUE(dialog.Click(rc::kRowCounts[0].id).has_value());
    EXPECT_TRUE(dialog.Find(rc::kRowCounts[0].id)->checked);
    EXPECT_TRUE(dialog.Find(hidden)->checked);
    EXPECT_TRUE(dialog.Find(disabled)->checked);
    EXPECT_FALSE(dialog.Find(visible)->checked);
    EXPECT_FALSE(dialog.Find(rc::kEnkelrader)->checked);  // check boxes are no part of it
}

// The rules every platform layer keeps, over the dialog's own state.
struct MemoryLayer {
    static constexpr std::array kAbsent{rc::kEdit, rc::kClear, 1004, rc::kNoId};
    Platform& Dialog() { return dialog; }
    bool Visible(int id) const { return dialog.Find(id)->visible; }
    bool Enabled(int id) const { return dialog.Find(id)->enabled; }
    bool Checked(int id) const { return dialog.Find(id)->checked; }
    std::string Text(int id) const { return dialog.Find(id)->text; }
    std::optional<int> Focus() const { return dialog.Focus(); }
    // Only a user's Click sends a command.
    static std::vector<std::pair<int, int>> Commands() { return {}; }

    MemoryDialog dialog;
};
INSTANTIATE_TYPED_TEST_SUITE_P(MemoryDialog, PlatformContract, MemoryLayer);

}  // namespace
}  // namespace stenvik
