#pragma once
// Tab moves only between the rows box and the push buttons, by the rule of
// dialog_manager.h rather than the dialog manager's own.

#include <windows.h>

namespace stenvik::win32 {

// The control that Tab (or Shift+Tab, `backwards`) moves to from `from`:
// the next visible, enabled tab stop. Null when there is none.
HWND NextTabStop(HWND dialog, HWND from, bool backwards);

}  // namespace stenvik::win32
