// The dialog as it opens: every control's text, visibility and check mark.

#include <set>

#include "core/codepage.h"
#include "core/dialog_table.h"
#include "core/rc.h"
#include "tests/win32/e2e/stenvik_test.h"

namespace stenvik::win32::tests {
namespace {

TEST_F(StenvikTest, OpensInItsStartState) {
    std::set<int> hidden = {rc::kGenerate, rc::kSave, rc::kCompatible, rc::kStryktipset, rc::kItalienska};
    for (const int id : rc::kHalfCovers) hidden.insert(id);
    for (const int id : rc::kFullCovers) hidden.insert(id);
    for (const auto& count : rc::kRowCounts) hidden.insert(count.id);
    const std::set<int> checked = {rc::kKlassiskt, rc::kStryktipset, rc::kHalfCovers[0], rc::kFullCovers[0],
                                   rc::kRowCounts[0].id};

    EXPECT_EQ(TextOf(program.Dialog()), Utf8ToCp1252(dialog::CaptionUtf8()));
    int index = 0;
    HWND control = ::GetWindow(program.Dialog(), GW_CHILD);
    for (const auto& spec : dialog::kControls) {
        SCOPED_TRACE(testing::Message() << "control " << index++ << ", id " << spec.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(TextOf(control), Utf8ToCp1252(AsChars(spec.text)));
        EXPECT_EQ(::GetDlgCtrlID(control), spec.id == rc::kNoId ? 0xFFFF : spec.id);
        EXPECT_EQ(::IsWindowVisible(control) != 0, !hidden.contains(spec.id));
        EXPECT_TRUE(::IsWindowEnabled(control));
        if (dialog::IsButton(spec.kind)) {
            EXPECT_EQ(program.IsChecked(spec.id), checked.contains(spec.id));
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "more controls than the table has";
}

TEST_F(StenvikTest, CanOnlyBeMinimisedAndClosed) {
    const auto style = ::GetWindowLongA(program.Dialog(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
}

}  // namespace
}  // namespace stenvik::win32::tests
