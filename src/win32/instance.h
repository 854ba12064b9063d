#pragma once
// The module the program runs as: WinMain sets it before the dialog exists,
// and the dialog reads its icons from it.

#include <windows.h>

namespace stenvik::win32 {

inline HINSTANCE TheInstance = nullptr;

}  // namespace stenvik::win32
