// The arrow keys, which stenvik.exe leaves to the dialog manager: the focus
// moves within the focused control's group, and an automatic radio button
// not yet checked is clicked on the way. The rule the Qt window and the
// in-memory dialog follow is dialog_manager.h's; these tests hold it to
// what the real dialog manager does.

#include <optional>
#include <vector>

#include "core/dialog_manager.h"
#include "core/rc.h"
#include "tests/support/box_texts.h"
#include "tests/win32/e2e/stenvik_test.h"

namespace stenvik::win32::tests {
namespace {

class ArrowKeys : public StenvikTest {
protected:
    // The position in the template of the control with the focus.
    std::optional<std::size_t> FocusIndex() const {
        const HWND focus = program.Focus();
        for (std::size_t i = 0; i < dialog::kControls.size(); ++i) {
            if (program.ControlAt(i) == focus) return i;
        }
        return std::nullopt;
    }
    // Where the rule says an arrow moves from `from`, over the program's own
    // windows as they are now.
    std::optional<std::size_t> RuleFrom(std::size_t from, bool backwards) const {
        return dialog::NextInGroup(from, backwards, [this](std::size_t i) {
            const HWND window = program.ControlAt(i);
            return ::IsWindowVisible(window) && ::IsWindowEnabled(window);
        });
    }
    void Press(UINT key) {
        program.PostKey(program.Focus(), key);
        program.Flush();
    }
};

// Every move in single-rows mode that is not to a neighbour in the
// template, because it passes a hidden control or goes round the end of a
// group, lands where the rule says (the neighbourly ones were all seen to
// as well, once; they take two minutes under Wine). Wine lands on frames
// and labels too, and its groups go round the end of the template.
TEST_F(ArrowKeys, MovesPastHiddenControlsAndRoundTheGroupsFollowTheRule) {
    program.Click(rc::kEnkelrader);
    std::size_t moves = 0;
    for (std::size_t from = 0; from < dialog::kControls.size(); ++from) {
        const auto& control = dialog::kControls[from];
        if (!dialog::IsButton(control.kind) || !program.IsVisible(control.id)) continue;
        for (const UINT key : {VK_DOWN, VK_UP}) {
            const auto to = RuleFrom(from, key == VK_UP);
            ASSERT_TRUE(to);
            if (*to + 1 == from || from + 1 == *to) continue;
            SCOPED_TRACE(testing::Message() << "from " << from << " (id " << control.id << "), key " << key);
            program.FocusControl(control.id);
            Press(key);
            EXPECT_EQ(FocusIndex(), to);
            ++moves;
        }
    }
    EXPECT_GE(moves, 4u);
}

struct Move {
    const char* what;
    int from;
    UINT key;
    std::size_t to;  // a position, for frames and labels
    bool checked;    // `to`, if a button, afterwards
};

std::size_t At(int id) { return *dialog::IndexOf(id); }

// In single-rows mode with rows made, from row count 1 checked. Wine's
// groups go round the end of the template: the controls before the first
// label close the ring of the last label's group.
TEST_F(ArrowKeys, KnownMoves) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kGenerate);
    for (const auto& move : {
             Move{"Down on 1 clicks 2", rc::RowCountId(1), VK_DOWN, At(rc::RowCountId(2)), true},
             Move{"Left on 2 clicks 1", rc::RowCountId(2), VK_LEFT, At(rc::RowCountId(1)), true},
             Move{"Right on 1 clicks 2", rc::RowCountId(1), VK_RIGHT, At(rc::RowCountId(2)), true},
             Move{"Up on 2 clicks 1", rc::RowCountId(2), VK_UP, At(rc::RowCountId(1)), true},
             Move{"Down on 90 only focuses the next box", rc::RowCountId(90), VK_DOWN, At(rc::kCompatible), false},
             Move{"Up on a sure box only focuses the one before", rc::SureBox(2, 0), VK_UP, At(rc::SureBox(1, 2)),
                  false},
             Move{"Down on GENERERA focuses SPARA", rc::kGenerate, VK_DOWN, At(rc::kSave), false},
             Move{"Down on the last sure box: Match 13:", rc::kLastSure, VK_DOWN, At(rc::kRowsBox) - 1, false},
             Move{"Down on Instruktioner: the frame Välj:", rc::kInstructions, VK_DOWN, 0, false},
             Move{"Up on SYSTEM: the frame Välj:", rc::kSystem, VK_UP, 0, false},
         }) {
        SCOPED_TRACE(move.what);
        program.FocusControl(move.from);
        Press(move.key);
        EXPECT_EQ(FocusIndex(), move.to);
        if (dialog::IsButton(dialog::kControls[move.to].kind)) {
            EXPECT_EQ(program.IsChecked(dialog::kControls[move.to].id), move.checked);
        }
    }
    // A disabled control is passed by as a hidden one is.
    program.Click(rc::RowCountId(1));
    ::EnableWindow(program.Control(rc::RowCountId(2)), FALSE);
    program.FocusControl(rc::RowCountId(1));
    Press(VK_DOWN);
    EXPECT_EQ(program.Focus(), program.Control(rc::RowCountId(3)));
    EXPECT_TRUE(program.IsChecked(rc::RowCountId(3)));
}

TEST_F(ArrowKeys, DownOnOneRowThenAPressMakesTwoRows) {
    program.Click(rc::kEnkelrader);
    program.FocusControl(rc::RowCountId(1));
    Press(VK_DOWN);
    EXPECT_FALSE(program.IsChecked(rc::RowCountId(1)));
    program.Click(rc::kGenerate);
    const auto rows = support::GridRows(program.Rows());
    ASSERT_TRUE(rows) << program.Rows();
    EXPECT_EQ(rows->size(), 2u);
}

}  // namespace
}  // namespace stenvik::win32::tests
