#pragma once
// What every platform layer does with the control operations the core relies
// on (platform.h), stated once. A layer's test binary instantiates the suite
// with a fixture of its own, a fresh dialog of the program's controls:
//
//   struct Layer {
//       static constexpr std::array kAbsent{...};  // identifiers it has no control for
//       stenvik::Platform& Dialog();              // the layer over the dialog, shown and active
//       // What a user would see, asked of the toolkit rather than the layer:
//       bool Visible(int id); bool Enabled(int id); bool Checked(int id);
//       std::string Text(int id);                 // Windows-1252 with "\r\n"
//       std::optional<int> Focus();               // the focused control's identifier
//       std::vector<std::pair<int, int>> Commands();  // (identifier, code) the dialog was sent
//   };
//
// and in one file: INSTANTIATE_TYPED_TEST_SUITE_P(Name, PlatformContract, Layer);

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "core/dialog_table.h"
#include "core/platform.h"
#include "core/rc.h"

namespace stenvik::support {

template <typename Layer>
class PlatformContract : public ::testing::Test {
protected:
    // What a user sees of every control.
    struct Seen {
        bool visible;
        bool enabled;
        bool checked;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> Everything() {
        std::vector<Seen> seen;
        for (const auto& control : dialog::kControls) {
            if (control.id == rc::kNoId) continue;
            seen.push_back({layer.Visible(control.id), layer.Enabled(control.id), layer.Checked(control.id)});
        }
        return seen;
    }

    // The commands a Controller acts on: clicks, and changes of an edit's text.
    std::vector<std::pair<int, int>> ClicksAndChanges() {
        auto commands = layer.Commands();
        std::erase_if(commands,
                      [](const auto& command) { return command.second != kClicked && command.second != kEditChanged; });
        return commands;
    }

    ControlHandle Control(int id) { return layer.Dialog().GetControl(id); }

    Layer layer;
};

TYPED_TEST_SUITE_P(PlatformContract);

TYPED_TEST_P(PlatformContract, AnAbsentControlTakesEveryOperationAndDoesNothing) {
    Platform& platform = this->layer.Dialog();
    for (const int id : TypeParam::kAbsent) EXPECT_EQ(platform.GetControl(id), ControlHandle::none) << id;
    platform.SetFocus(this->Control(rc::kRowsBox));
    ASSERT_EQ(this->layer.Focus(), rc::kRowsBox);
    const auto before = this->Everything();
    const auto rows = this->layer.Text(rc::kRowsBox);

    const auto none = ControlHandle::none;
    platform.SetVisible(none, false);
    platform.SetEnabled(none, false);
    platform.SetChecked(none, true);
    platform.SetText(none, "lost");
    EXPECT_FALSE(platform.IsChecked(none));
    EXPECT_EQ(platform.TextLength(none), 0);
    EXPECT_TRUE(this->Everything() == before);
    EXPECT_EQ(this->layer.Text(rc::kRowsBox), rows);

    platform.SetFocus(none);  // takes the focus away from every control
    EXPECT_EQ(this->layer.Focus(), std::nullopt);
    EXPECT_EQ(this->ClicksAndChanges(), (std::vector<std::pair<int, int>>{}));
}

TYPED_TEST_P(PlatformContract, TheProgramsOwnChangesSendNoCommands) {
    Platform& platform = this->layer.Dialog();
    for (const int id : {rc::kKlassiskt, rc::kSystem, rc::kRowCounts[0].id, rc::kHalfCovers[0], rc::kHalfCovers[2]}) {
        const auto control = this->Control(id);
        platform.SetChecked(control, true);
        platform.SetChecked(control, false);
        platform.SetFocus(control);  // a radio button too, unmarked
        platform.SetChecked(control, true);
        platform.SetVisible(control, false);
        platform.SetVisible(control, true);
        platform.SetEnabled(control, false);
        platform.SetEnabled(control, true);
        platform.SetFocus(control);
    }
    platform.SetText(this->Control(rc::kRowsBox), " Match 1:   1 ");
    platform.SetFocus(this->Control(rc::kRowsBox));
    platform.SetText(this->Control(rc::kRowsBox), "a\r\nb\xE5");
    EXPECT_EQ(this->ClicksAndChanges(), (std::vector<std::pair<int, int>>{}));
}

// Clearing the others of a group is what the platform does for a user's
// click, never for the program's.
TYPED_TEST_P(PlatformContract, MarkingARadioButtonLeavesTheOthers) {
    Platform& platform = this->layer.Dialog();
    for (const auto& [first, second] :
         {std::pair{rc::kRowCounts[1].id, rc::kRowCounts[0].id}, std::pair{rc::kHalfCovers[2], rc::kHalfCovers[3]}}) {
        platform.SetChecked(this->Control(first), true);
        platform.SetChecked(this->Control(second), true);
        EXPECT_TRUE(platform.IsChecked(this->Control(first))) << first;
        EXPECT_TRUE(platform.IsChecked(this->Control(second))) << second;
        EXPECT_TRUE(this->layer.Checked(first)) << first;
    }
}

TYPED_TEST_P(PlatformContract, ChecksShowsAndTextsChangeTheControls) {
    Platform& platform = this->layer.Dialog();
    const auto box = this->Control(rc::kKlassiskt);
    platform.SetChecked(box, true);
    EXPECT_TRUE(platform.IsChecked(box));
    EXPECT_TRUE(this->layer.Checked(rc::kKlassiskt));
    platform.SetChecked(box, false);
    EXPECT_FALSE(platform.IsChecked(box));
    EXPECT_FALSE(this->layer.Checked(rc::kKlassiskt));

    const auto button = this->Control(rc::kGenerate);
    platform.SetVisible(button, false);
    EXPECT_FALSE(this->layer.Visible(rc::kGenerate));
    platform.SetVisible(button, true);
    EXPECT_TRUE(this->layer.Visible(rc::kGenerate));
    platform.SetEnabled(button, false);
    EXPECT_FALSE(this->layer.Enabled(rc::kGenerate));
    platform.SetEnabled(button, true);
    EXPECT_TRUE(this->layer.Enabled(rc::kGenerate));
}

TYPED_TEST_P(PlatformContract, TextsAreWindows1252WithTwoCharacterLineBreaks) {
    Platform& platform = this->layer.Dialog();
    const auto rows = this->Control(rc::kRowsBox);
    EXPECT_EQ(this->layer.Text(rc::kRowsBox), "H\xE4r kommer dina rader visas!");
    EXPECT_EQ(platform.TextLength(rows), 28);

    platform.SetText(rows, std::string_view("H\xE4r\r\nrad!", 9).substr(0, 8));  // not zero-terminated
    EXPECT_EQ(this->layer.Text(rc::kRowsBox), "H\xE4r\r\nrad");
    EXPECT_EQ(platform.TextLength(rows), 8);
    platform.SetText(rows, "a\r\nb\xE5");
    EXPECT_EQ(this->layer.Text(rc::kRowsBox), "a\r\nb\xE5");
    EXPECT_EQ(platform.TextLength(rows), 5);
    platform.SetText(rows, "");
    EXPECT_EQ(this->layer.Text(rc::kRowsBox), "");
    EXPECT_EQ(platform.TextLength(rows), 0);
}

REGISTER_TYPED_TEST_SUITE_P(PlatformContract, AnAbsentControlTakesEveryOperationAndDoesNothing,
                            TheProgramsOwnChangesSendNoCommands, MarkingARadioButtonLeavesTheOthers,
                            ChecksShowsAndTextsChangeTheControls, TextsAreWindows1252WithTwoCharacterLineBreaks);

}  // namespace stenvik::support
