#pragma once
// The rows as a text file: exactly the bytes of the text (Windows-1252,
// "\r\n" line breaks, no byte-order mark, no terminating zero).

#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "file_system.h"

namespace stenvik::win32 {

// The longest text a window reports the length of (an int), with room for
// the terminating zero that setting it needs.
inline constexpr LONGLONG kMaxTextFileSize = INT_MAX - 1;

// Puts `text` into the file `fileName`: the text goes to a new file beside
// it ("NAME.new"), which then takes the file's place in one step, the old
// file passing through "NAME.bak". True only when `fileName` holds `text`.
// Whatever fails, no file of the user's is overwritten and one complete copy,
// old or new, survives: under `fileName` (then nothing else is left), or,
// when Windows failed halfway, under the ".new" or ".bak" name, or the same
// with a number (".1.new") where an earlier save left its copy.
bool WriteTextFile(const char* fileName, std::string_view text, FileSystem& files);

// The whole content of `fileName`; nothing when it cannot be read in full or
// is longer than kMaxTextFileSize.
std::optional<std::string> ReadTextFile(const char* fileName, FileSystem& files);

}  // namespace stenvik::win32
