// The rows box's context menu in the real program: each item driven by its
// command, a WM_COMMAND sent to the rows box, as the menu sends it, and
// read back from the box and from the message boxes it shows. What the
// toolkit says is the core's (tested there); these tests see that it gets
// from the box to the player and back, and that the edit's undo survives.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/codepage.h"
#include "core/program_state.h"
#include "core/rc.h"
#include "core/result_dialog_table.h"
#include "core/rows_box_menu.h"
#include "tests/support/box_texts.h"
#include "tests/support/menu_texts.h"
#include "tests/win32/e2e/stenvik_test.h"

namespace stenvik::win32::tests {
namespace {

const std::string kGrid = support::MenuGrid();
const std::string kLargeSystem = support::LargeSystem();
const std::string kUnreadable(support::kUnreadable);

class ContextMenu : public StenvikTest {
protected:
    HWND Box() const { return program.Control(rc::kRowsBox); }
    // An item that shows no window, carried out before this returns.
    void Run(int id) {
        ::PostMessageA(Box(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        program.Flush();
    }
    // The window an item opens over the dialog.
    HWND Open(int id) {
        ::PostMessageA(Box(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        return WaitForOwnedWindow(program.ProcessId(), program.Dialog());
    }
    // The message an item shows in a message box, in UTF-8, once the box is closed.
    std::string MessageOf(int id) {
        const HWND box = Open(id);
        return box == nullptr ? "(no message box)" : Cp1252ToUtf8(CloseMessageBox(box));
    }
    // The program's popup menu while it shows.
    HWND ShownMenu() const {
        return ShownWindowOf(program.ProcessId(), [](HWND window) {
            char name[16] = {};
            ::GetClassNameA(window, name, sizeof name);
            return std::string_view(name) == "#32768";
        });
    }
    void CheckGames(bool stryktipset, bool italienska) {
        ::SendMessageA(program.Control(rc::kStryktipset), BM_SETCHECK, stryktipset ? BST_CHECKED : BST_UNCHECKED, 0);
        ::SendMessageA(program.Control(rc::kItalienska), BM_SETCHECK, italienska ? BST_CHECKED : BST_UNCHECKED, 0);
    }
};

TEST_F(ContextMenu, CountAndCostTellsOfTheBoxsText) {
    program.SetRows(kGrid);
    EXPECT_EQ(MessageOf(rc::menu::kCountAndCost), rows_box::CountAndCost({.text = kGrid}).message);
    EXPECT_EQ(program.Rows(), kGrid);
}

// The game the text names comes first, then the checked game box, then
// Stryktipset; "Ångra" brings the rows back.
TEST_F(ContextMenu, UploadRowsTakeTheCheckedGameAndUndoBringsTheRowsBack) {
    const struct {
        bool stryktipset = false;
        bool italienska = false;
        std::optional<Game> game;
    } cases[] = {
        {false, false, std::nullopt},
        {true, false, Game::Stryktipset},
        {false, true, Game::Italienska},
        {true, true, Game::Stryktipset},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stryktipset << c.italienska);
        program.SetRows(kGrid);
        CheckGames(c.stryktipset, c.italienska);
        Run(rc::menu::kToUploadRows);
        EXPECT_EQ(program.Rows(), rows_box::ToUploadRows({.text = kGrid, .checked = c.game}).replacement);
        EXPECT_EQ(OwnedWindow(program.ProcessId(), program.Dialog()), nullptr);
        Run(rc::menu::kUndo);
        EXPECT_EQ(program.Rows(), kGrid);
    }
}

// Replacing passes the box's own text limit, which typing keeps to.
TEST_F(ContextMenu, UploadRowsLongerThanTheBoxsLimitComeWhole) {
    std::vector<std::string> rows(2000, "1X21X21X21X21");
    program.SetRows(support::RowsGrid(rows));
    const auto limit = ::SendMessageA(Box(), EM_GETLIMITTEXT, 0, 0);
    Run(rc::menu::kToUploadRows);
    const auto upload = support::ReadUpload(program.Rows());
    ASSERT_TRUE(upload);
    EXPECT_EQ(upload->rows.size(), rows.size());
    EXPECT_GT(program.Rows().size(), static_cast<std::size_t>(limit));
    EXPECT_EQ(::SendMessageA(Box(), EM_GETLIMITTEXT, 0, 0), limit);
}

TEST_F(ContextMenu, ATextTheToolkitCannotReadIsRefusedAndKept) {
    for (const int id : {rc::menu::kCountAndCost, rc::menu::kToUploadRows, rc::menu::kCheckResult}) {
        SCOPED_TRACE(id);
        program.SetRows(kUnreadable);
        EXPECT_EQ(MessageOf(id), rows_box::CountAndCost({.text = kUnreadable}).message);
        EXPECT_EQ(program.Rows(), kUnreadable);
    }
}

TEST_F(ContextMenu, MoreRowsThanAnUploadFileTakesAreRefusedAndKept) {
    program.SetRows(kLargeSystem);
    EXPECT_EQ(MessageOf(rc::menu::kToUploadRows), rows_box::ToUploadRows({.text = kLargeSystem}).message);
    EXPECT_EQ(program.Rows(), kLargeSystem);
}

// Read before the program starts, and so before it seeds its generators: a
// base comes before the fixture's program.
struct StartClock {
    std::int32_t before = ClockSeed();
};
class ContextMenuReduce : public StartClock, public ContextMenu {};

// After a press, whose generator they must not share, the reductions are
// the core's for one generator seeded from the clock at start.
TEST_F(ContextMenuReduce, ShowsTheCoresReductionsForAGeneratorSeededAtStart) {
    const std::int32_t after = ClockSeed();
    program.Click(rc::kEnkelrader);
    program.Click(rc::kGenerate);
    const std::string system = support::R409();
    CheckGames(false, true);
    std::vector<std::string> shown;
    for (const int id : {rc::menu::kReduceTo12, rc::menu::kReduceTo11}) {
        program.SetRows(system);
        shown.insert(shown.end(), {MessageOf(id), program.Rows()});
    }
    Run(rc::menu::kUndo);
    EXPECT_EQ(program.Rows(), system);
    int seeds = 0;
    for (std::int32_t seed = before; seed <= after; ++seed) {
        TRandomMersenne random(seed);
        std::vector<std::string> core;
        for (const auto step : {rows_box::ReduceTo12, rows_box::ReduceTo11}) {
            const auto outcome = step({.text = system, .checked = Game::Italienska, .random = &random});
            core.insert(core.end(), {outcome.message, outcome.replacement.value_or("")});
        }
        seeds += static_cast<int>(core == shown);
    }
    EXPECT_EQ(seeds, 1) << "seeds " << before << " to " << after;
}

class CheckResult : public ContextMenu {
protected:
    // Opens the results dialog, types `results` and presses `button`.
    void Answer(const char* results, int button) {
        const HWND dialog = Open(rc::menu::kCheckResult);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(TextOf(dialog), Utf8ToCp1252(AsChars(rows_box::kResultQuestion.title)));
        ::SendMessageA(::GetDlgItem(dialog, dialog::result::kResults), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(results));
        PostClick(::GetDlgItem(dialog, button));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    }
};

TEST_F(CheckResult, ShowsTheSummaryOfTheTypedResults) {
    program.SetRows(kGrid);
    Answer("X11211112XX2-", dialog::result::kOk);
    const HWND box = WaitForOwnedWindow(program.ProcessId(), program.Dialog());
    ASSERT_NE(box, nullptr);
    const auto message = Cp1252ToUtf8(CloseMessageBox(box));
    EXPECT_EQ(message, rows_box::CheckAgainst({.text = kGrid, .typed = "X11211112XX2-"}).message);
    EXPECT_EQ(program.Rows(), kGrid);
}

// After the message, the dialog opens again holding what was typed.
TEST_F(CheckResult, TellsWhatIsWrongWithTheTypedResultsAndAsksAgain) {
    program.SetRows(kGrid);
    Answer("1X2", dialog::result::kOk);
    const HWND box = WaitForOwnedWindow(program.ProcessId(), program.Dialog());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Cp1252ToUtf8(CloseMessageBox(box)), rows_box::CheckAgainst({.text = kGrid, .typed = "1X2"}).message);
    const HWND again = WaitForOwnedWindow(program.ProcessId(), program.Dialog());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(again, dialog::result::kResults)), "1X2");
    PostClick(::GetDlgItem(again, dialog::result::kCancel));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(again); }));
    program.Flush();
    EXPECT_EQ(OwnedWindow(program.ProcessId(), program.Dialog()), nullptr);
}

TEST_F(CheckResult, CancelShowsNothing) {
    program.SetRows(kGrid);
    Answer("X11211112XX21", dialog::result::kCancel);
    program.Flush();
    EXPECT_EQ(OwnedWindow(program.ProcessId(), program.Dialog()), nullptr);
    EXPECT_EQ(program.Rows(), kGrid);
}

// On the keyboard: Enter takes the results at the first press, and a key
// typed before the program has taken the one before it goes with the window
// that closes, never on to the next: closing can take the program two
// seconds under Wine, long enough for a player to press again.
TEST_F(CheckResult, EnterTakesTheResultsAndKeysTypedAheadGoWithTheWindow) {
    const std::string results = "1112111122121";
    program.SetRows(kGrid);
    ASSERT_TRUE(program.TakeKeyboard());
    const HWND dialog = Open(rc::menu::kCheckResult);
    ASSERT_NE(dialog, nullptr);
    for (const char sign : results) Type(static_cast<WORD>(sign));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(::GetDlgItem(dialog, dialog::result::kResults)) == results; }));

    // Escape would cancel the dialog, or close the box with the outcome.
    program.WhilePaused([] {
        Type(VK_RETURN);
        Type(VK_ESCAPE);
    });
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    const HWND box = WaitForOwnedWindow(program.ProcessId(), program.Dialog());
    ASSERT_NE(box, nullptr);
    program.Flush();
    ASSERT_TRUE(::IsWindowVisible(box));
    EXPECT_EQ(Cp1252ToUtf8(MessageText(box)), rows_box::CheckAgainst({.text = kGrid, .typed = results}).message);

    // The second Enter would start a new line in the rows box.
    program.WhilePaused([] {
        Type(VK_RETURN);
        Type(VK_RETURN);
    });
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    program.Flush();
    EXPECT_EQ(program.Rows(), kGrid);
}

// The edit commands, one after another on the text "abc".
TEST_F(ContextMenu, EditCommandsWorkAsTheBoxsOwn) {
    program.SetRows("abc");
    const struct {
        int id;
        const char* rows;
    } steps[] = {
        {rc::menu::kSelectAll, "abc"}, {rc::menu::kCopy, "abc"},      {rc::menu::kDelete, ""},
        {rc::menu::kUndo, "abc"},      {rc::menu::kSelectAll, "abc"}, {rc::menu::kCut, ""},
        {rc::menu::kPaste, "abc"},     {rc::menu::kPaste, "abcabc"},
    };
    for (const auto& step : steps) {
        Run(step.id);
        EXPECT_EQ(program.Rows(), step.rows) << step.id;
    }
}

// The menu opens where the mouse was, or from the keyboard at the box's
// caret, and Escape closes it.
TEST_F(ContextMenu, OpensAtTheMouseOrTheCaret) {
    RECT box{};
    ::GetWindowRect(Box(), &box);
    const POINT mouse{box.left + 40, box.top + 30};
    program.SetRows("1X2\r\n1X2");
    ::SendMessageA(Box(), EM_SETSEL, 8, 8);  // on the second line, not at the box's corner
    for (const LPARAM where : {MAKELPARAM(mouse.x, mouse.y), LPARAM{-1}}) {
        SCOPED_TRACE(where);
        ::PostMessageA(Box(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Box()), where);
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (menu = ShownMenu()) != nullptr; }));
        RECT at{};
        ::GetWindowRect(menu, &at);
        POINT expected = mouse;
        if (where == -1) {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            ::GetGUIThreadInfo(::GetWindowThreadProcessId(Box(), nullptr), &info);
            ASSERT_EQ(info.hwndCaret, Box());
            expected = {info.rcCaret.left, info.rcCaret.top};
            ::ClientToScreen(Box(), &expected);
        }
        EXPECT_EQ(at.left, expected.x);
        EXPECT_EQ(at.top, expected.y);
        EXPECT_EQ(program.Focus(), Box());
        program.PostKey(Box(), VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return ShownMenu() == nullptr; }));
    }
    program.Flush();
    EXPECT_TRUE(program.IsRunning());
}

}  // namespace
}  // namespace stenvik::win32::tests
