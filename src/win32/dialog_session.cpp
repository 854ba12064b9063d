#include "win32/dialog_session.h"

#include <commctrl.h>

#include "core/rc.h"
#include "win32/instance.h"
#include "win32/rows_box_menu.h"

namespace stenvik::win32 {

namespace {

// A multi-line edit control in a dialog closes the dialog on Escape; in the
// rows box Escape does nothing, as everywhere else in the dialog. The box's
// context menu is its own, with the toolkit's items added; `data` is the
// generator its reductions draw from.
LRESULT CALLBACK RowsBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR data) {
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
    auto& random = *reinterpret_cast<TRandomMersenne*>(data);
    if (message == WM_CONTEXTMENU) {
        ShowContextMenu(hwnd, lParam, random);
        return 0;
    }
    if (message == WM_COMMAND && RunMenuCommand(hwnd, LOWORD(wParam), random)) return 0;
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void SetIcon(HWND hwnd, int resource, WPARAM which) {
    // A missing icon leaves the dialog without it.
    const HICON hIcon = ::LoadIconA(TheInstance, MAKEINTRESOURCEA(resource));
    ::SendMessageA(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(hIcon));
}

}  // namespace

DialogSession::DialogSession(HWND hwnd, ProgramState& state)
    : _hwnd(hwnd), _dialog(hwnd), _saveDialog(hwnd), _controller(_dialog, state, _saveDialog) {
    SetIcon(hwnd, rc::kIconLarge, ICON_BIG);
    SetIcon(hwnd, rc::kIconSmall, ICON_SMALL);
    ::SetWindowSubclass(::GetDlgItem(hwnd, rc::kRowsBox), RowsBoxProc, 0, reinterpret_cast<DWORD_PTR>(&_reduction));
}

DialogSession::~DialogSession() { ::RemoveWindowSubclass(::GetDlgItem(_hwnd, rc::kRowsBox), RowsBoxProc, 0); }

}  // namespace stenvik::win32
