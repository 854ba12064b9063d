#pragma once
// Between the program's byte texts and the wide texts of the "W" functions.

#include <windows.h>

#include <string>
#include <string_view>

namespace stenvik::win32 {

// `text` in code page `codePage` (CP_ACP, CP_UTF8) as UTF-16.
std::wstring Widen(std::string_view text, UINT codePage);
// UTF-16 as bytes in code page `codePage`.
std::string Narrow(std::wstring_view text, UINT codePage);

}  // namespace stenvik::win32
