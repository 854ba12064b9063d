#include "win32/undoable_text.h"

#include <algorithm>
#include <string>

namespace stenvik::win32 {

void ReplaceUndoably(HWND edit, std::string_view text) {
    // The edit copies the text; it only needs the terminating zero.
    const std::string terminated(text);
    const auto limit = static_cast<WPARAM>(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    ::SendMessageA(edit, EM_SETLIMITTEXT, std::max<WPARAM>(limit, text.size()), 0);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(terminated.c_str()));
    ::SendMessageA(edit, EM_SETLIMITTEXT, limit, 0);
}

}  // namespace stenvik::win32
