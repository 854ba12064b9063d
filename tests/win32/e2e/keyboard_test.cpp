// The keyboard: Escape never closes the dialog, Enter in the rows box starts
// a new line, Tab stops only at the rows box and the push buttons; closing
// the window ends the program with exit code 0.

#include <memory>
#include <type_traits>

#include "core/rc.h"
#include "tests/win32/e2e/stenvik_test.h"

namespace stenvik::win32::tests {
namespace {

TEST_F(StenvikTest, EscapeInTheRowsBoxLeavesTheDialogOpen) {
    const auto rows = program.Rows();
    program.FocusControl(rc::kRowsBox);
    program.PostKey(program.Control(rc::kRowsBox), VK_ESCAPE);
    program.Flush();
    EXPECT_TRUE(::IsWindow(program.Dialog()));
    EXPECT_TRUE(program.IsRunning());
    EXPECT_EQ(program.Rows(), rows);
}

TEST_F(StenvikTest, EscapeAndEnterOnACheckBoxChangeNothing) {
    const HWND box = program.Control(rc::kKlassiskt);
    for (const UINT key : {VK_ESCAPE, VK_RETURN}) {
        program.PostKey(box, key);
        program.Flush();
        EXPECT_TRUE(program.IsRunning()) << key;
        EXPECT_TRUE(program.IsChecked(rc::kKlassiskt)) << key;
        EXPECT_FALSE(program.IsVisible(rc::kGenerate)) << key;
    }
}

TEST_F(StenvikTest, EnterInTheRowsBoxStartsANewLine) {
    program.SetRows("ab");
    program.FocusControl(rc::kRowsBox);
    ::SendMessageA(program.Control(rc::kRowsBox), EM_SETSEL, 2, 2);
    program.PostKey(program.Control(rc::kRowsBox), VK_RETURN);
    program.Flush();
    EXPECT_EQ(program.Rows(), "ab\r\n");
}

// A busy program takes the key only after Flush has posted its marker: the
// key's character then comes behind the marker, and Flush waits for it too.
// A hook in the program holds the character it has taken until the next
// message is posted, so a Flush that ended on the marker alone would find
// the text without it, every time.
TEST_F(StenvikTest, EnterInTheRowsBoxTakenLateStillStartsANewLine) {
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&::FreeLibrary)> module(
        ::LoadLibraryA("held_character.dll"), ::FreeLibrary);
    ASSERT_TRUE(module);
    const auto hold =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(module.get(), "HoldCharacter")));
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&::UnhookWindowsHookEx)> hook(
        ::SetWindowsHookExA(WH_GETMESSAGE, hold, module.get(), ::GetWindowThreadProcessId(program.Dialog(), nullptr)),
        ::UnhookWindowsHookEx);
    ASSERT_TRUE(hook);
    const HWND rows = program.Control(rc::kRowsBox);
    program.SetRows("ab");
    program.FocusControl(rc::kRowsBox);
    ::SendMessageA(rows, EM_SETSEL, 2, 2);
    program.WhilePaused([&] {
        program.PostKey(rows, VK_RETURN);
        program.PostMarker();
    });
    program.WaitForMarker();
    EXPECT_EQ(program.Rows(), "ab\r\n");
}

TEST_F(StenvikTest, TabStopsAtTheRowsBoxAndTheVisibleButtonsOnly) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kGenerate);
    program.FocusControl(rc::kRowsBox);
    for (const int next : {rc::kGenerate, rc::kSave, rc::kInstructions, rc::kRowsBox}) {
        program.PostKey(program.Focus(), VK_TAB);
        program.Flush();
        EXPECT_EQ(::GetDlgCtrlID(program.Focus()), next);
    }
}

TEST_F(StenvikTest, TheSystemMenusCloseEndsTheProgramWithCodeZero) {
    ::PostMessageA(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST_F(StenvikTest, ClosingAfterWorkEndsTheProgramWithCodeZero) {
    program.Click(rc::kSystem);
    program.Click(rc::kGenerate);
    ::PostMessageA(program.Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace stenvik::win32::tests
