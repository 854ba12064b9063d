#pragma once
// Saving a user's file as a careful shell user would, and never losing it:
// a regular file is replaced in one rename, once the new one is complete and
// on disk; anything else is written into as a shell's > writes.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "posix/posix_files.h"

namespace stenvik::posix {

// What a save may write to.
enum class Targets {
    AsShell,      // also devices, pipes and the descriptors the program holds
    RegularOnly,  // a window's save: anything but a regular file is refused at once
};

// Saves exactly `bytes` as the file at `path`:
// - a regular file (also one a link points to; the link stays) is replaced
//   by a new one with its owner, group and mode, less setuid and setgid;
// - another user's file, which this user may write but cannot give away, is
//   rewritten in place, never emptied first, and refused untouched unless
//   the disk and the file-size limit have room for all of it. A later I/O
//   error, or a kill, can still leave this one case cut: new bytes over old;
// - a new file is created (also as the target of a dangling link) with the
//   usual mode;
// - a file this user may not write is refused (EACCES), as is a loop of
//   links (ELOOP).
// As a shell's > (Targets::AsShell), a device or a pipe is written into, and
// so is the file standard output or error holds, by whatever name it is
// given, through that descriptor: a shell's >> stays an append. Names that
// spell out a descriptor (/dev/stdin, /dev/stdout, /dev/stderr, /dev/fd/N,
// /proc/self/fd/N) are written through it too. With Targets::RegularOnly
// anything but a regular file or a new one is refused, without waiting for
// a pipe's reader or the like.
// On failure the file is as it was (but for that one case cut later), no
// temporary file is left, and the error says why.
[[nodiscard]] std::error_code ReplaceFile(const std::filesystem::path& path, std::string_view bytes, PosixFiles& files,
                                          Targets targets = Targets::AsShell);

}  // namespace stenvik::posix
