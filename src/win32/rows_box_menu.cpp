#include "win32/rows_box_menu.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

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

// The question's texts, what the dialog opens holding, and what was typed
// in it when OK closed it, all in UTF-8.
struct Asked {
    const rows_box::Question& question;
    std::string typed;
};

std::wstring TextOfW(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK ResultDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        const auto& asked = *reinterpret_cast<const Asked*>(lParam);
        ::SetWindowTextW(hwnd, Wide(asked.question.title).c_str());
        ::SetDlgItemTextW(hwnd, dialog::result::kPrompt, Wide(asked.question.prompt).c_str());
        ::SetDlgItemTextW(hwnd, dialog::result::kResults, Widen(asked.typed, CP_UTF8).c_str());
        return TRUE;  // the focus goes to the edit, the first tab stop
    }
    if (message != WM_COMMAND) return FALSE;
    const int id = LOWORD(wParam);
    if (id == dialog::result::kOk) {
        auto& asked = *reinterpret_cast<Asked*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
        asked.typed = Narrow(TextOfW(::GetDlgItem(hwnd, dialog::result::kResults)), CP_UTF8);
    }
    if (id == dialog::result::kOk || id == dialog::result::kCancel) ::EndDialog(hwnd, id);
    return TRUE;
}

// The rows box and its dialog as the core's items reach them.
class BoxAccess final : public rows_box::Access {
public:
    BoxAccess(HWND box, TRandomMersenne& random) : _box(box), _random(random) {}

    std::string Text() const override { return TextOf(_box); }
    void Replace(const std::string& cp1252) override { ReplaceUndoably(_box, cp1252); }
    void Tell(const rows_box::Message& message) override {
        ::MessageBoxW(::GetParent(_box), Widen(message.text, CP_UTF8).c_str(), Wide(message.title).c_str(),
                      MB_OK | (message.warning ? MB_ICONWARNING : MB_ICONINFORMATION));
        DropTypeAhead();
    }
    std::optional<std::string> Ask(const rows_box::Question& question, const std::string& typed) override {
        Asked asked{.question = question, .typed = typed};
        const auto answer = ::DialogBoxParamW(TheInstance, MAKEINTRESOURCEW(dialog::result::kDialog), ::GetParent(_box),
                                              ResultDialogProc, reinterpret_cast<LPARAM>(&asked));
        DropTypeAhead();
        if (answer != dialog::result::kOk) return std::nullopt;
        return std::move(asked.typed);
    }
    std::optional<Game> CheckedGame() const override {
        const HWND dialog = ::GetParent(_box);
        if (::IsDlgButtonChecked(dialog, rc::kStryktipset) == BST_CHECKED) return Game::Stryktipset;
        if (::IsDlgButtonChecked(dialog, rc::kItalienska) == BST_CHECKED) return Game::Italienska;
        return std::nullopt;
    }
    TRandomMersenne& Random() override { return _random; }

private:
    HWND _box;
    TRandomMersenne& _random;
};

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

void AppendRows(HMENU menu, std::span<const rows_box::MenuItem> rows, HWND box, const std::string& text) {
    for (const auto& row : rows) {
        const auto kind = rows_box::KindOf(row);
        if (kind == rows_box::Row::Separator) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT grey = IsEnabled(box, row.id, text) ? MF_ENABLED : MF_GRAYED;
        if (kind == rows_box::Row::Submenu) {
            // The menu takes the submenu over, and destroys it with itself.
            Menu submenu(::CreatePopupMenu());
            AppendRows(submenu.get(), row.submenu, box, text);
            ::AppendMenuW(menu, MF_POPUP | grey, reinterpret_cast<UINT_PTR>(submenu.release()), Wide(row.text).c_str());
        } else {
            ::AppendMenuW(menu, MF_STRING | grey, static_cast<UINT_PTR>(row.id), Wide(row.text).c_str());
        }
    }
}

}  // namespace

Menu MakeContextMenu(HWND box, std::span<const rows_box::MenuItem> rows) {
    Menu menu(::CreatePopupMenu());
    AppendRows(menu.get(), rows, box, TextOf(box));
    return menu;
}

void ShowContextMenu(HWND box, LPARAM where, TRandomMersenne& random) {
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
    if (chosen != 0) RunMenuCommand(box, chosen, random);
}

bool RunMenuCommand(HWND box, int id, TRandomMersenne& random) {
    switch (id) {
        case rc::menu::kUndo: ::SendMessageA(box, WM_UNDO, 0, 0); return true;
        case rc::menu::kCut: ::SendMessageA(box, WM_CUT, 0, 0); return true;
        case rc::menu::kCopy: ::SendMessageA(box, WM_COPY, 0, 0); return true;
        case rc::menu::kPaste: ::SendMessageA(box, WM_PASTE, 0, 0); return true;
        case rc::menu::kDelete: ::SendMessageA(box, WM_CLEAR, 0, 0); return true;
        case rc::menu::kSelectAll: ::SendMessageA(box, EM_SETSEL, 0, -1); return true;
        default: {
            BoxAccess access(box, random);
            return rows_box::Act(id, access);
        }
    }
}

}  // namespace stenvik::win32
