#pragma once
// The rows as a text file: exactly the bytes of the text (Windows-1252,
// "\r\n" line breaks, no byte-order mark, no terminating zero).

#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "win32/file_system.h"

namespace stenvik::win32 {

// The longest text a window reports the length of (an int), with room for
// the terminating zero that setting it needs.
inline constexpr LONGLONG kMaxTextFileSize = INT_MAX - 1;

// Puts `text` into the file `fileName`: the text goes to a new file beside
// it, "NAME.new", which then takes the file's place in one step, the old
// file passing through "NAME.bak" on its way out. True only when `fileName`
// holds `text`. Whatever fails, no other file of the user's is overwritten
// (a taken name gives way to "NAME.1.new", "NAME.2.bak", ...) and one
// complete copy, old or new, survives: normally under `fileName`, with
// nothing left beside it; when Windows fails halfway, the new or the old
// text may be left under its derived name instead.
bool WriteTextFile(const char* fileName, std::string_view text, FileSystem& files);

// The whole content of `fileName`; nothing when it cannot be read in full or
// is longer than kMaxTextFileSize.
std::optional<std::string> ReadTextFile(const char* fileName, FileSystem& files);

}  // namespace stenvik::win32
