// The Win32 layer over a real dialog made from stenvik.exe's own template,
// and the file functions over a real edit control. These need a display.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "file_dialog.h"
#include "program_path.h"
#include "rc.h"
#include "scratch_folder.h"
#include "tab_order.h"
#include "win32_dialog.h"

namespace stenvik::win32 {
namespace {

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

class RealDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(hwnd, nullptr);
        commands.clear();
    }
    ~RealDialog() override {
        ::DestroyWindow(hwnd);
        ::FreeLibrary(module);
    }

    HWND Item(int id) const { return ::GetDlgItem(hwnd, id); }
    std::string WindowText(int id) const {
        char text[256] = {};
        ::GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }

    HMODULE module = ::LoadLibraryExA(tests::ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HWND hwnd = MakeDialog(module);
    Win32Dialog dialog{hwnd};
};

TEST_F(RealDialog, AControlIsItsWindow) {
    EXPECT_EQ(dialog.GetControl(rc::kRowsBox),
              static_cast<ControlHandle>(reinterpret_cast<std::uintptr_t>(Item(rc::kRowsBox))));
    for (const int absent : {rc::kStatus, rc::kEdit, rc::kClear}) {
        EXPECT_EQ(dialog.GetControl(absent), ControlHandle::none) << absent;
    }
}

TEST_F(RealDialog, AnAbsentControlTakesEveryOperationAndDoesNothing) {
    const auto none = ControlHandle::none;
    dialog.SetVisible(none, false);
    dialog.SetEnabled(none, false);
    dialog.SetChecked(none, true);
    dialog.SetText(none, "ingenstans");
    EXPECT_FALSE(dialog.IsChecked(none));
    EXPECT_EQ(dialog.TextLength(none), 0);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_EQ(WindowText(rc::kRowsBox), "Här kommer dina rader visas!");
}

TEST_F(RealDialog, FocusOnAnAbsentControlClearsTheFocus) {
    dialog.SetFocus(dialog.GetControl(rc::kRowsBox));
    EXPECT_EQ(::GetFocus(), Item(rc::kRowsBox));
    dialog.SetFocus(ControlHandle::none);
    EXPECT_EQ(::GetFocus(), nullptr);
}

TEST_F(RealDialog, ChecksShowsAndTextsChangeTheWindows) {
    const auto box = dialog.GetControl(rc::kKlassiskt);
    dialog.SetChecked(box, true);
    EXPECT_TRUE(dialog.IsChecked(box));
    EXPECT_EQ(::SendMessageA(Item(rc::kKlassiskt), BM_GETCHECK, 0, 0), BST_CHECKED);
    dialog.SetChecked(box, false);
    EXPECT_FALSE(dialog.IsChecked(box));

    const auto button = dialog.GetControl(rc::kGenerate);
    dialog.SetVisible(button, false);
    EXPECT_FALSE(::IsWindowVisible(Item(rc::kGenerate)));
    dialog.SetVisible(button, true);
    EXPECT_TRUE(::IsWindowVisible(Item(rc::kGenerate)));
    dialog.SetEnabled(button, false);
    EXPECT_FALSE(::IsWindowEnabled(Item(rc::kGenerate)));

    const auto rows = dialog.GetControl(rc::kRowsBox);
    dialog.SetText(rows, std::string_view("H\xE4r\r\nrad!", 10).substr(0, 8));  // not zero-terminated
    EXPECT_EQ(WindowText(rc::kRowsBox), "H\xE4r\r\nrad");
    EXPECT_EQ(dialog.TextLength(rows), 8);
    dialog.SetText(rows, "");
    EXPECT_EQ(dialog.TextLength(rows), 0);
}

TEST_F(RealDialog, MarkingARadioButtonLeavesTheOthers) {
    dialog.SetChecked(dialog.GetControl(rc::kRowCounts[1].id), true);
    dialog.SetChecked(dialog.GetControl(rc::kRowCounts[0].id), true);
    EXPECT_TRUE(dialog.IsChecked(dialog.GetControl(rc::kRowCounts[1].id)));
    EXPECT_TRUE(dialog.IsChecked(dialog.GetControl(rc::kRowCounts[0].id)));
}

TEST_F(RealDialog, TheProgramsChangesNeverComeBackAsClicks) {
    for (const int id : {rc::kKlassiskt, rc::kRowCounts[0].id, rc::kHalfCovers[0]}) {
        const auto control = dialog.GetControl(id);
        dialog.SetChecked(control, true);
        dialog.SetChecked(control, false);
        dialog.SetVisible(control, false);
        dialog.SetVisible(control, true);
    }
    dialog.SetText(dialog.GetControl(rc::kRowsBox), " Match 1:   1 ");
    for (const auto& [id, code] : commands) EXPECT_NE(code, 0) << "a click came back from control " << id;
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
    EXPECT_EQ(WindowText(rc::kRowsBox), "1X2\r\nrad");
}

TEST_F(RowsBoxFile, LoadingAnEmptyFileEmptiesTheBox) {
    Put(path, "");
    EXPECT_TRUE(LoadFile(RowsBox(), path.c_str()));
    EXPECT_EQ(::GetWindowTextLengthA(RowsBox()), 0);
}

TEST_F(RowsBoxFile, AFailedLoadKeepsTheText) {
    EXPECT_FALSE(LoadFile(RowsBox(), folder.Path("saknas.txt").c_str()));
    EXPECT_EQ(WindowText(rc::kRowsBox), "Här kommer dina rader visas!");
}

}  // namespace
}  // namespace stenvik::win32
