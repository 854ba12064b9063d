#pragma once
// Reading a whole file that a user names, with the reason when it cannot be.

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>
#include <variant>

#include "posix/posix_files.h"

namespace stenvik::posix {

// The bytes of the file at `path`, or why they cannot be had: the kernel's
// reason (a folder is EISDIR), or EFBIG past `limit` bytes, so that a
// device that never ends, such as /dev/zero, ends the read too.
std::variant<std::string, std::error_code> ReadWholeFile(const std::filesystem::path& path, std::size_t limit,
                                                         PosixFiles& files);

}  // namespace stenvik::posix
