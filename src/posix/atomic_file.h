#pragma once
// Replacing a file without ever losing it: the new bytes go to a temporary
// file beside the target, which takes the target's place in one rename only
// once every byte is written and on disk.

#include <sys/types.h>

#include <filesystem>
#include <string_view>
#include <system_error>

namespace stenvik::posix {

// The system calls a replacement makes, each a thin pass-through, so that
// tests can fail any one of them in turn.
class PosixFiles {
public:
    PosixFiles() = default;
    PosixFiles(const PosixFiles&) = delete;
    PosixFiles& operator=(const PosixFiles&) = delete;
    virtual ~PosixFiles() = default;

    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
};

// Replaces the file at `path` (or the one a link there points to) with
// exactly `bytes`. On failure that file is as it was, no temporary file is
// left, and the error says why.
[[nodiscard]] std::error_code ReplaceFile(const std::filesystem::path& path, std::string_view bytes, PosixFiles& files);

}  // namespace stenvik::posix
