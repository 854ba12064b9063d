#include "win32/rows_box_menu.h"

#include <optional>
#include <string>
#include <string_view>

#include "core/codepage.h"
#include "core/rc.h"
#include "core/result_dialog_table.h"
#include "core/rows_box_menu.h"
#include "win32/instance.h"
#include "win32/undoable_text.h"
#include "win32/wide_text.h"

namespace stenvik::win32 {

namespace {

std::wstring Wide(std::u8string_view utf8) { return Widen(AsChars(utf8), CP_UTF8); }

// The box's text as the program reads it everywhere: the "A" text, in the
// system's code page, Windows-1252 for the Swedish the box holds.
std::string TextOf(HWND box) {
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::optional<Game> CheckedGame(HWND dialog) {
    if (::IsDlgButtonChecked(dialog, rc::kStryktipset) == BST_CHECKED) return Game::Stryktipset;
    if (::IsDlgButtonChecked(dialog, rc::kItalienska) == BST_CHECKED) return Game::Italienska;
    return std::nullopt;
}

// Keys typed while a window the menu opened was up are that window's, and
// go with it. Closing a window can hold the program up: under Wine with no
// window manager to answer, for two seconds. Keys still queued then would
// reach whatever has the focus next: the box that shows the outcome, closing
// it unseen, or the rows box, as a stray line break.
void DropTypeAhead() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

void Show(HWND box, const rows_box::Outcome& outcome) {
    if (outcome.replacement) ReplaceUndoably(box, *outcome.replacement);
    if (outcome.message.empty()) return;
    ::MessageBoxW(::GetParent(box), Widen(outcome.message, CP_UTF8).c_str(), Wide(rows_box::kTitle).c_str(),
                  MB_OK | (outcome.error ? MB_ICONWARNING : MB_ICONINFORMATION));
    DropTypeAhead();
}

INT_PTR CALLBACK ResultDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        return TRUE;  // the focus goes to the edit, the first tab stop
    }
    if (message != WM_COMMAND) return FALSE;
    const int id = LOWORD(wParam);
    if (id == dialog::result::kOk) {
        const HWND edit = ::GetDlgItem(hwnd, dialog::result::kResults);
        std::wstring typed(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
        typed.resize(static_cast<std::size_t>(::GetWindowTextW(edit, typed.data(), static_cast<int>(typed.size()))));
        *reinterpret_cast<std::string*>(::GetWindowLongPtrW(hwnd, DWLP_USER)) = Narrow(typed, CP_UTF8);
    }
    if (id == dialog::result::kOk || id == dialog::result::kCancel) ::EndDialog(hwnd, id);
    return TRUE;
}

// The results the player typed, in UTF-8; nothing when they cancelled.
std::optional<std::string> AskForResults(HWND owner) {
    std::string typed;
    const auto answer = ::DialogBoxParamW(TheInstance, MAKEINTRESOURCEW(dialog::result::kDialog), owner,
                                          ResultDialogProc, reinterpret_cast<LPARAM>(&typed));
    DropTypeAhead();
    if (answer != dialog::result::kOk) return std::nullopt;
    return typed;
}

bool IsEnabled(HWND box, int id, const std::string& text) {
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    switch (id) {
        case rc::menu::kUndo: return ::SendMessageA(box, EM_CANUNDO, 0, 0) != 0;
        case rc::menu::kCut:
        case rc::menu::kCopy:
        case rc::menu::kDelete: return start != end;
        case rc::menu::kPaste: return ::IsClipboardFormatAvailable(CF_TEXT) != 0;
        // Also greyed when all is selected already, as the edit's own is.
        case rc::menu::kSelectAll: return start != 0 || end != text.size();
        default: return rows_box::CanAct(text);
    }
}

}  // namespace

Menu MakeContextMenu(HWND box) {
    Menu menu(::CreatePopupMenu());
    const auto text = TextOf(box);
    for (const auto& item : rows_box::kMenu) {
        if (item.id == rows_box::kSeparator) {
            ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuW(menu.get(), MF_STRING | (IsEnabled(box, item.id, text) ? MF_ENABLED : MF_GRAYED),
                          static_cast<UINT_PTR>(item.id), Wide(item.text).c_str());
        }
    }
    return menu;
}

void ShowContextMenu(HWND box, LPARAM where) {
    // As the edit's own menu does: it acts on the box, so the box takes the focus.
    ::SetFocus(box);
    POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (at.x == -1 && at.y == -1) {
        RECT client{};
        ::GetClientRect(box, &client);
        POINT caret{};
        at = ::GetCaretPos(&caret) && ::PtInRect(&client, caret) ? caret : POINT{0, 0};
        ::ClientToScreen(box, &at);
    }
    const auto menu = MakeContextMenu(box);
    const int chosen =
        ::TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, box, nullptr);
    if (chosen != 0) RunMenuCommand(box, chosen);
}

bool RunMenuCommand(HWND box, int id) {
    switch (id) {
        case rc::menu::kUndo: ::SendMessageA(box, WM_UNDO, 0, 0); return true;
        case rc::menu::kCut: ::SendMessageA(box, WM_CUT, 0, 0); return true;
        case rc::menu::kCopy: ::SendMessageA(box, WM_COPY, 0, 0); return true;
        case rc::menu::kPaste: ::SendMessageA(box, WM_PASTE, 0, 0); return true;
        case rc::menu::kDelete: ::SendMessageA(box, WM_CLEAR, 0, 0); return true;
        case rc::menu::kSelectAll: ::SendMessageA(box, EM_SETSEL, 0, -1); return true;
        case rc::menu::kCountAndCost: Show(box, rows_box::CountAndCost(TextOf(box))); return true;
        case rc::menu::kToUploadRows:
            Show(box, rows_box::ToUploadRows(TextOf(box), CheckedGame(::GetParent(box))));
            return true;
        case rc::menu::kCheckResult: {
            const auto text = TextOf(box);
            if (const auto refusal = rows_box::Unreadable(text)) {
                Show(box, *refusal);
            } else if (const auto results = AskForResults(::GetParent(box))) {
                Show(box, rows_box::CheckAgainst(text, *results));
            }
            return true;
        }
        default: return false;
    }
}

}  // namespace stenvik::win32
