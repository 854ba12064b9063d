// What the dialog manager does with the dialog, stated once over positions
// in the dialog table for the windows that must do it by hand.

#include <gtest/gtest.h>

#include <optional>

#include "core/dialog_manager.h"
#include "core/rc.h"

namespace stenvik {
namespace {

TEST(DialogManager, TabGoesRoundTheUsableTabStopsInTemplateOrder) {
    const auto at = [](int id) { return dialog::IndexOf(id); };
    const auto all = [](std::size_t) { return true; };
    const auto notGenerate = [&](std::size_t i) { return i != at(rc::kGenerate); };
    const auto none = [](std::size_t) { return false; };
    struct Case {
        std::optional<std::size_t> from;
        bool backwards = false;
        bool generateUsable = true;
        std::optional<std::size_t> expected;
    };
    const Case cases[] = {
        {std::nullopt, false, true, at(rc::kRowsBox)},      // the first tab stop
        {std::nullopt, true, true, at(rc::kInstructions)},  // the last
        {at(rc::kRowsBox), false, true, at(rc::kGenerate)},
        {at(rc::kRowsBox), false, false, at(rc::kSave)},         // a hidden or disabled one is passed over
        {at(rc::kInstructions), false, true, at(rc::kRowsBox)},  // round again
        {at(rc::kRowsBox), true, true, at(rc::kInstructions)},
        {at(rc::kSave), true, false, at(rc::kRowsBox)},
        {at(rc::kSystem), false, true, at(rc::kRowsBox)},  // from a check box, which is no tab stop
    };
    for (const auto& c : cases) {
        const auto next = c.generateUsable ? dialog::NextTabStop(c.from, c.backwards, all)
                                           : dialog::NextTabStop(c.from, c.backwards, notGenerate);
        EXPECT_EQ(next, c.expected) << c.from.value_or(999) << (c.backwards ? " backwards" : "");
    }
    EXPECT_EQ(dialog::NextTabStop(std::nullopt, false, none), std::nullopt);
    EXPECT_EQ(dialog::HandleOf(rc::kNoId), ControlHandle::none);
    EXPECT_EQ(dialog::IndexOfHandle(dialog::HandleOf(rc::kSave)), at(rc::kSave));
    EXPECT_EQ(dialog::IndexOfHandle(static_cast<ControlHandle>(dialog::kControls.size() + 1)), std::nullopt);
}

TEST(ArrowKeys, MoveRoundTheFocusedControlsGroupAndClickAnUncheckedRadioButton) {
    const auto at = [](int id) { return *dialog::IndexOf(id); };
    const auto all = [](std::size_t) { return true; };
    const auto notTwo = [&](std::size_t i) { return i != at(rc::RowCountId(2)); };
    const struct {
        const char* name;
        std::size_t from;
        bool backwards;
        bool skipTwo;
        std::size_t to;
    } cases[] = {
        {"down from 1 rows", at(rc::RowCountId(1)), false, false, at(rc::RowCountId(2))},
        {"down skips what is unusable", at(rc::RowCountId(1)), false, true, at(rc::RowCountId(3))},
        {"up from 2 rows", at(rc::RowCountId(2)), true, false, at(rc::RowCountId(1))},
        {"down from 90 rows", at(rc::RowCountId(90)), false, false, at(rc::kCompatible)},
        // The controls before the first label close the ring of the last
        // label's group, "Match 13:" to "Instruktioner", as under Wine.
        {"on from the last sure box to Match 13:", at(rc::kLastSure), false, false, at(rc::kRowsBox) - 1},
        {"back from the first control to Instruktioner", 0, true, false, at(rc::kInstructions)},
        {"the rows box's group: its label first", at(rc::kRowsBox), true, false, at(rc::kRowsBox) - 1},
        {"round the end of the table from Instruktioner", at(rc::kInstructions), false, false, 0},
    };
    for (const auto& c : cases) {
        const auto next = c.skipTwo ? dialog::NextInGroup(c.from, c.backwards, notTwo)
                                    : dialog::NextInGroup(c.from, c.backwards, all);
        EXPECT_EQ(next, c.to) << c.name;
    }
    EXPECT_EQ(dialog::NextInGroup(0, false, [](std::size_t i) { return i == 0; }), std::nullopt);

    EXPECT_TRUE(dialog::ArrowClicks(at(rc::RowCountId(2)), false));
    EXPECT_FALSE(dialog::ArrowClicks(at(rc::RowCountId(2)), true));
    EXPECT_FALSE(dialog::ArrowClicks(at(rc::kCompatible), false));
}

}  // namespace
}  // namespace stenvik
