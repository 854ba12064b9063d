// The platform rules the in-memory dialog models, which every other test of
// the rules relies on.

#include <gtest/gtest.h>

#include "memory_dialog.h"
#include "rc.h"

namespace stenvik {
namespace {

TEST(MemoryDialog, AnAbsentControlTakesEveryOperationAndDoesNothing) {
    MemoryDialog dialog;
    const auto absent = dialog.GetControl(1004);
    ASSERT_EQ(absent, ControlHandle::none);
    const auto rowsBox = dialog.GetControl(rc::kRowsBox);
    dialog.SetFocus(rowsBox);
    dialog.SetVisible(absent, false);
    dialog.SetEnabled(absent, false);
    dialog.SetChecked(absent, true);
    dialog.SetText(absent, "lost");
    EXPECT_FALSE(dialog.IsChecked(absent));
    EXPECT_EQ(dialog.TextLength(absent), 0);
    dialog.SetFocus(absent);
    EXPECT_EQ(dialog.Focus(), std::nullopt);
    EXPECT_EQ(dialog.Status(), std::nullopt);
}

TEST(MemoryDialog, TheStatusControlRecordsTextsButShowsNothing) {
    MemoryDialog dialog;
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

TEST(MemoryDialog, TextsAreWindows1252) {
    MemoryDialog dialog;
    EXPECT_EQ(dialog.Find(rc::kRowsBox)->text, "H\xE4r kommer dina rader visas!");
    EXPECT_EQ(dialog.TextLength(dialog.GetControl(rc::kRowsBox)), 28);
    dialog.SetText(dialog.GetControl(rc::kRowsBox), "");
    EXPECT_EQ(dialog.TextLength(dialog.GetControl(rc::kRowsBox)), 0);
}

}  // namespace
}  // namespace stenvik
