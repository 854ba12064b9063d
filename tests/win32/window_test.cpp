// The Win32 layer over a real dialog made from stenvik.exe's own template,
// and the file functions over a real edit control. These need a display.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "file_dialog.h"
#include "platform_contract.h"
#include "program_path.h"
#include "rc.h"
#include "scratch_folder.h"
#include "tab_order.h"
#include "win32_dialog.h"

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
