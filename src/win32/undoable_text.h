#pragma once
// An edit control's whole text replaced through the edit's own editing, so
// that "Ångra" brings the old text back, which WM_SETTEXT would forget.

#include <windows.h>

#include <string_view>

namespace stenvik::win32 {

// As one edit of the player's would: the edit reports the change to its
// dialog, and the caret ends after the new text. The edit's text limit, which
// typing keeps to, is raised for the replacement and put back.
void ReplaceUndoably(HWND edit, std::string_view text);

}  // namespace stenvik::win32
