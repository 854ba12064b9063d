// The Win32 layer over a real dialog made from stenvik.exe's own template,
// and the file functions over a real edit control. These need a display.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/codepage.h"
#include "core/dialog_table.h"
#include "core/rc.h"
#include "core/rows_box_menu.h"
#include "tests/support/menu_texts.h"
#include "tests/support/platform_contract.h"
#include "tests/win32/program_path.h"
#include "tests/win32/scratch_folder.h"
#include "win32/dialog.h"
#include "win32/file_dialog.h"
#include "win32/rows_box_menu.h"
#include "win32/tab_order.h"

namespace stenvik::win32 {
namespace {

using namespace support;
using tests::Contents;
using tests::Put;
using tests::ScratchFolder;

// Every WM_COMMAND the dialog receives, as (identifier, code).
std::vector<std::pair<int, int>> commands;

INT_PTR CALLBACK RecordingProc(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND) commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return message == WM_INITDIALOG;
}

HWND MakeDialog(HMODULE module) {
    return ::CreateDialogParamA(module, MAKEINTRESOURCEA(rc::kDialog), nullptr, RecordingProc, 0);
}

// stenvik.exe's own dialog as a window of this thread: the rules every
// platform layer keeps, over real windows.
class Win32Layer {
public:
    Win32Layer() { commands.clear(); }
    Win32Layer(const Win32Layer&) = delete;
    Win32Layer& operator=(const Win32Layer&) = delete;
    ~Win32Layer() {
        ::DestroyWindow(hwnd);
        ::FreeLibrary(module);
    }

    static constexpr std::array kAbsent{rc::kStatus, rc::kEdit, rc::kClear, 1004};
    Platform& Dialog() { return dialog; }
    HWND Item(int id) const { return ::GetDlgItem(hwnd, id); }
    bool Visible(int id) const { return ::IsWindowVisible(Item(id)); }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)); }
    bool Checked(int id) const { return ::IsDlgButtonChecked(hwnd, id) == BST_CHECKED; }
    std::string Text(int id) const {
        char text[256] = {};
        ::GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    std::optional<int> Focus() const {
        const HWND focused = ::GetFocus();
        return focused == nullptr ? std::nullopt : std::optional(::GetDlgCtrlID(focused));
    }
    static std::vector<std::pair<int, int>> Commands() { return commands; }

    HMODULE module = ::LoadLibraryExA(tests::ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HWND hwnd = MakeDialog(module);
    Win32Dialog dialog{hwnd};
};
INSTANTIATE_TYPED_TEST_SUITE_P(RealDialog, PlatformContract, Win32Layer);

class RealDialog : public ::testing::Test, protected Win32Layer {
protected:
    void SetUp() override { ASSERT_NE(hwnd, nullptr); }
};

TEST_F(RealDialog, AControlIsItsWindow) {
    EXPECT_EQ(dialog.GetControl(rc::kRowsBox),
              static_cast<ControlHandle>(reinterpret_cast<std::uintptr_t>(Item(rc::kRowsBox))));
}

TEST_F(RealDialog, TabStopsAreTheRowsBoxAndTheVisibleButtonsOnly) {
    // A checked radio button takes WS_TABSTOP; it must still be passed by.
    ::SendMessageA(Item(rc::kRowCounts[0].id), BM_SETCHECK, BST_CHECKED, 0);
    const auto next = [&](int from, bool backwards) {
        return ::GetDlgCtrlID(NextTabStop(hwnd, Item(from), backwards));
    };

    EXPECT_EQ(next(rc::kRowsBox, false), rc::kGenerate);
    EXPECT_EQ(next(rc::kGenerate, false), rc::kSave);
    EXPECT_EQ(next(rc::kSave, false), rc::kInstructions);
    EXPECT_EQ(next(rc::kInstructions, false), rc::kRowsBox);
    EXPECT_EQ(next(rc::kRowsBox, true), rc::kInstructions);
    EXPECT_EQ(next(rc::kGenerate, true), rc::kRowsBox);
    // From a box that was clicked, on to the next stop in template order.
    EXPECT_EQ(next(rc::kKlassiskt, false), rc::kRowsBox);
    EXPECT_EQ(next(rc::kKlassiskt, true), rc::kInstructions);

    ::ShowWindow(Item(rc::kGenerate), SW_HIDE);
    ::ShowWindow(Item(rc::kSave), SW_HIDE);
    EXPECT_EQ(next(rc::kRowsBox, false), rc::kInstructions);
    EXPECT_EQ(next(rc::kInstructions, false), rc::kRowsBox);
}

// The match labels in the dialog's own font: a text wider than its label
// would wrap, showing "Match" over half its number, so those labels do not
// wrap. Then the number itself fits, and only the colon may be cut.
TEST_F(RealDialog, MatchLabelsTooNarrowForTheirTextDoNotWrap) {
    HWND label = ::GetWindow(hwnd, GW_CHILD);
    std::size_t wide = 0;
    for (const auto& control : dialog::kControls) {
        const std::string text(AsChars(control.text));
        if (control.kind == dialog::Kind::Label) {
            SCOPED_TRACE(text);
            const HDC dc = ::GetDC(label);
            const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(label, WM_GETFONT, 0, 0)));
            SIZE whole{};
            SIZE number{};
            ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &whole);
            ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size() - 1), &number);
            ::SelectObject(dc, old);
            ::ReleaseDC(label, dc);
            RECT client{};
            ::GetClientRect(label, &client);
            const bool wider = whole.cx > client.right;
            wide += wider;
            EXPECT_EQ(wider, (::GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_LEFTNOWORDWRAP)
                << whole.cx << " > " << client.right;
            EXPECT_LE(number.cx, client.right);
        }
        label = ::GetWindow(label, GW_HWNDNEXT);
    }
    EXPECT_EQ(wide, 4u);
}

// The menu stenvik.exe builds for the rows box, over this dialog's rows box:
// its items, and which are greyed out for what the box holds.
class RowsBoxMenu : public RealDialog {
protected:
    HWND RowsBox() const { return Item(rc::kRowsBox); }
    // What the clipboard holds: the text, or nothing.
    void Clipboard(const char* text) {
        ASSERT_TRUE(::OpenClipboard(hwnd));
        ::EmptyClipboard();
        if (text != nullptr) {
            const std::size_t size = std::strlen(text) + 1;
            const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
            std::memcpy(::GlobalLock(memory), text, size);
            ::GlobalUnlock(memory);
            ::SetClipboardData(CF_TEXT, memory);
        }
        ::CloseClipboard();
    }
    std::set<int> Enabled() const {
        const auto menu = MakeContextMenu(RowsBox());
        std::set<int> enabled;
        for (const auto& item : rows_box::kMenu) {
            if (item.id != rows_box::kSeparator &&
                (::GetMenuState(menu.get(), static_cast<UINT>(item.id), MF_BYCOMMAND) & MF_GRAYED) == 0) {
                enabled.insert(item.id);
            }
        }
        return enabled;
    }
};

TEST_F(RowsBoxMenu, HasTheItemsInOrder) {
    const auto menu = MakeContextMenu(RowsBox());
    ASSERT_EQ(::GetMenuItemCount(menu.get()), static_cast<int>(rows_box::kMenu.size()));
    for (std::size_t i = 0; i < rows_box::kMenu.size(); ++i) {
        const auto& item = rows_box::kMenu[i];
        char text[64] = {};
        ::GetMenuStringA(menu.get(), static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        // A submenu has no identifier of its own here.
        const bool submenu = rows_box::KindOf(item) == rows_box::Row::Submenu;
        EXPECT_EQ(::GetMenuItemID(menu.get(), static_cast<int>(i)), static_cast<UINT>(submenu ? -1 : item.id)) << i;
        EXPECT_EQ(::GetSubMenu(menu.get(), static_cast<int>(i)) != nullptr, submenu) << i;
        EXPECT_EQ(text, Utf8ToCp1252(AsChars(item.text))) << i;
    }
}

TEST_F(RowsBoxMenu, GreysOutWhatCannotAct) {
    using namespace rc::menu;
    const struct {
        const char* name;
        const char* rows;
        int selStart, selEnd;
        const char* clipboard;
        std::set<int> enabled;
    } cases[] = {
        {"an empty box", "", 0, 0, nullptr, {}},
        {"text to paste", "", 0, 0, "1X2", {kPaste}},
        {"blank", " \r\n\t", 0, 0, nullptr, {kSelectAll}},
        {"a caret in text", "abc", 1, 1, nullptr, {kSelectAll, kCountAndCost, kToUploadRows, kCheckResult}},
        {"some selected",
         "abc",
         1,
         2,
         nullptr,
         {kCut, kCopy, kDelete, kSelectAll, kCountAndCost, kToUploadRows, kCheckResult}},
        {"all selected", "abc", 0, -1, nullptr, {kCut, kCopy, kDelete, kCountAndCost, kToUploadRows, kCheckResult}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Clipboard(c.clipboard);
        ::SetWindowTextA(RowsBox(), c.rows);
        ::SendMessageA(RowsBox(), EM_SETSEL, static_cast<WPARAM>(c.selStart), c.selEnd);
        EXPECT_EQ(Enabled(), c.enabled);
    }
    ::SendMessageA(RowsBox(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
    EXPECT_TRUE(Enabled().contains(kUndo));
    Clipboard(nullptr);
}

// A table's submenu becomes one, greyed out as the toolkit's items are.
TEST_F(RowsBoxMenu, BuildsASubmenuFromTheTable) {
    for (const char* rows : {"", "x"}) {
        SCOPED_TRACE(rows);
        ::SetWindowTextA(RowsBox(), rows);
        const UINT grey = rows_box::CanAct(rows) ? 0 : MF_GRAYED;
        const auto menu = MakeContextMenu(RowsBox(), support::kTestMenu);
        ASSERT_EQ(::GetMenuItemCount(menu.get()), 3);
        const HMENU submenu = ::GetSubMenu(menu.get(), 2);
        ASSERT_NE(submenu, nullptr);
        EXPECT_EQ(::GetMenuState(menu.get(), 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(::GetMenuState(menu.get(), 2, MF_BYPOSITION) & MF_GRAYED, grey);
        ASSERT_EQ(::GetMenuItemCount(submenu), 2);
        for (int i = 0; i < 2; ++i) {
            const auto& row = support::kTestSubmenu[static_cast<std::size_t>(i)];
            char text[64] = {};
            ::GetMenuStringA(submenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            EXPECT_EQ(text, Utf8ToCp1252(AsChars(row.text))) << i;
            EXPECT_EQ(::GetMenuItemID(submenu, i), static_cast<UINT>(row.id)) << i;
            EXPECT_EQ(::GetMenuState(submenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED, grey) << i;
        }
    }
}

// The file functions over the rows box of a real dialog.
class RowsBoxFile : public RealDialog {
protected:
    HWND RowsBox() const { return Item(rc::kRowsBox); }
    void SetRows(const char* text) { ::SetWindowTextA(RowsBox(), text); }

    ScratchFolder folder;
    std::string path = folder.Path("rader.txt");
};

TEST_F(RowsBoxFile, SavesTheTextsBytes) {
    SetRows("abc");
    EXPECT_TRUE(SaveFile(RowsBox(), path.c_str()));
    EXPECT_EQ(Contents(path), "abc");
}

TEST_F(RowsBoxFile, AnEmptyRowsBoxIsAFailureThatKeepsTheOldFile) {
    Put(path, "gammal");
    SetRows("");
    EXPECT_FALSE(SaveFile(RowsBox(), path.c_str()));
    EXPECT_EQ(Contents(path), "gammal");
}

TEST_F(RowsBoxFile, LoadsUpToAZeroByte) {
    Put(path, std::string("1X2\r\nrad\0rest", 13));
    EXPECT_TRUE(LoadFile(RowsBox(), path.c_str()));
    EXPECT_EQ(Text(rc::kRowsBox), "1X2\r\nrad");
}

TEST_F(RowsBoxFile, LoadingAnEmptyFileEmptiesTheBox) {
    Put(path, "");
    EXPECT_TRUE(LoadFile(RowsBox(), path.c_str()));
    EXPECT_EQ(::GetWindowTextLengthA(RowsBox()), 0);
}

TEST_F(RowsBoxFile, AFailedLoadKeepsTheText) {
    EXPECT_FALSE(LoadFile(RowsBox(), folder.Path("saknas.txt").c_str()));
    EXPECT_EQ(Text(rc::kRowsBox), "Här kommer dina rader visas!");
}

}  // namespace
}  // namespace stenvik::win32
