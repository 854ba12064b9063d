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

}  // namespace
}  // namespace stenvik
