#pragma once
// Tab moves only between the rows box and the push buttons. The platform's
// own rule is not enough: a radio button that is checked takes the
// WS_TABSTOP style, so the dialog manager would stop on the selected counts.

#include <windows.h>

namespace stenvik::win32 {

// The control that Tab (or Shift+Tab, `backwards`) moves to from `from`: the
// next visible, enabled control of the dialog table with a tab stop, in
// template order and round again. Null when there is none.
HWND NextTabStop(HWND dialog, HWND from, bool backwards);

}  // namespace stenvik::win32
