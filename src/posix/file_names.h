#pragma once
// What the name a user gave for a file refers to.

#include <sys/stat.h>

#include <filesystem>
#include <optional>

namespace stenvik::posix {

// The descriptor the program holds that `path` stands for: the one it spells
// out (/dev/stdin, /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N), or
// standard output or error when the name, links followed, leads to the very
// file they hold. That is written through the descriptor, as "-" is, so that
// a shell's >> stays an append and a redirected file is not replaced behind
// the shell's back.
std::optional<int> InheritedDescriptor(const std::filesystem::path& path);

// The name of the regular file open as `fd` (reached through `given`) in
// the folder that holds it, with every link resolved: the kernel's own
// record, or else `given` resolved. None if no name leads to that very file
// any more.
std::optional<std::filesystem::path> NameInFolder(int fd, const std::filesystem::path& given, const struct stat& file);

}  // namespace stenvik::posix
