#include "posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace stenvik::posix {

int PosixFiles::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t PosixFiles::Read(int fd, void* data, size_t size) { return ::read(fd, data, size); }
ssize_t PosixFiles::Write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int PosixFiles::Ftruncate(int fd, off_t length) { return ::ftruncate(fd, length); }
int PosixFiles::Fallocate(int fd, int mode, off_t offset, off_t length) {
    return ::fallocate(fd, mode, offset, length);
}
int PosixFiles::Fchown(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }
int PosixFiles::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int PosixFiles::Fsync(int fd) { return ::fsync(fd); }
int PosixFiles::Close(int fd) { return ::close(fd); }
int PosixFiles::Link(const char* from, const char* to, int flags) {
    return ::linkat(AT_FDCWD, from, AT_FDCWD, to, flags);
}
int PosixFiles::Rename(const char* from, const char* to) { return ::rename(from, to); }
int PosixFiles::Unlink(const char* path) { return ::unlink(path); }

}  // namespace stenvik::posix
