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

// Puts `text` into the file `fileName` so that, whatever fails on the way,
// the file holds either its former content or all of `text`: the text goes
// to a new file in the same folder, which then takes the file's place in
// one step. False, with nothing changed, on any failure.
bool WriteTextFile(const char* fileName, std::string_view text, FileSystem& files);

// The whole content of `fileName`; nothing when it cannot be read in full or
// is longer than kMaxTextFileSize.
std::optional<std::string> ReadTextFile(const char* fileName, FileSystem& files);

}  // namespace stenvik::win32
