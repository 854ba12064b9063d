#pragma once
// The system calls that saving and reading a user's file make, each a thin
// pass-through, so that tests can fail any one of them in turn.

#include <sys/types.h>

namespace stenvik::posix {

class PosixFiles {
public:
    PosixFiles() = default;
    PosixFiles(const PosixFiles&) = delete;
    PosixFiles& operator=(const PosixFiles&) = delete;
    virtual ~PosixFiles() = default;

    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Read(int fd, void* data, size_t size);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Ftruncate(int fd, off_t length);
    virtual int Fallocate(int fd, int mode, off_t offset, off_t length);
    virtual int Fchown(int fd, uid_t owner, gid_t group);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    // linkat(2) with both names taken from the working folder.
    virtual int Link(const char* from, const char* to, int flags);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
};

}  // namespace stenvik::posix
