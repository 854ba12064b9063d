#pragma once
// Saving a user's file as a careful shell user would, and never losing it:
// a regular file is replaced in one rename, once the new one is complete and
// on disk; anything else is written into as a shell's > writes.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "posix_files.h"

namespace stenvik::posix {

// Saves exactly `bytes` as the file at `path`:
// - a regular file (also one a link points to; the link stays) is replaced
//   by a new one with its owner, group and mode, less setuid and setgid. If
//   it is another user's file, which this user may write but cannot give
//   away, it is written in place;
// - a new file is created (also as the target of a dangling link) with the
//   usual mode;
// - a device, a pipe, and /dev/stdout, /dev/fd/N and their like are written
//   into, the latter through the descriptor the program already holds;
// - a file this user may not write is refused (EACCES), as is a loop of
//   links (ELOOP).
// On failure the file is as it was, no temporary file is left, and the error
// says why.
[[nodiscard]] std::error_code ReplaceFile(const std::filesystem::path& path, std::string_view bytes, PosixFiles& files);

}  // namespace stenvik::posix
