#pragma once
// The system calls of a save, passed to the real system, with any one of them
// failing on demand.

#include <fcntl.h>

#include <cerrno>
#include <string>
#include <vector>

#include "posix/posix_files.h"
#include "tests/support/call_faults.h"

namespace stenvik::posix::test {

// Fails the n-th system call (counting from 1), or none, with EIO unless
// `faults.errors` names another error; and may play a file system without
// unnamed files (O_TMPFILE), or another user's file that this user may write.
class FailingFiles final : public posix::PosixFiles {
public:
    explicit FailingFiles(int failAt, bool unnamedFiles = true, bool othersFile = false)
        : _unnamedFiles(unnamedFiles), _othersFile(othersFile) {
        faults.failAt = failAt;
    }

    int Open(const char* path, int flags, mode_t mode) override {
        if (!_unnamedFiles && (flags & O_TMPFILE) == O_TMPFILE) {
            errno = EOPNOTSUPP;
            return -1;
        }
        if (Injects("Open") || ((flags & O_EXCL) != 0 && Taken(path))) return -1;
        return PosixFiles::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, size_t size) override {
        return Injects("Write") ? -1 : PosixFiles::Write(fd, data, size);
    }
    int Ftruncate(int fd, off_t length) override {
        return Injects("Ftruncate") ? -1 : PosixFiles::Ftruncate(fd, length);
    }
    int Fallocate(int fd, int mode, off_t offset, off_t length) override {
        return Injects("Fallocate") ? -1 : PosixFiles::Fallocate(fd, mode, offset, length);
    }
    int Fchown(int fd, uid_t owner, gid_t group) override {
        if (_othersFile) {
            errno = EPERM;  // the file cannot be given away to its owner
            return -1;
        }
        return Injects("Fchown") ? -1 : PosixFiles::Fchown(fd, owner, group);
    }
    int Fchmod(int fd, mode_t mode) override { return Injects("Fchmod") ? -1 : PosixFiles::Fchmod(fd, mode); }
    int Fsync(int fd) override { return Injects("Fsync") ? -1 : PosixFiles::Fsync(fd); }
    int Close(int fd) override {
        // A failed close still releases the descriptor, as on Linux.
        const bool fails = Injects("Close");
        const int result = PosixFiles::Close(fd);
        if (fails) errno = faults.ErrorOf("Close");
        return fails ? -1 : result;
    }
    int Link(const char* from, const char* to, int flags) override {
        return Injects("Link") || Taken(to) ? -1 : PosixFiles::Link(from, to, flags);
    }
    int Rename(const char* from, const char* to) override {
        return Injects("Rename") ? -1 : PosixFiles::Rename(from, to);
    }
    int Unlink(const char* path) override { return PosixFiles::Unlink(path); }  // cleaning up must not fail

    bool Injected() const { return !faults.failed.empty(); }

    support::CallFaults faults;
    // The new names a save tried, in order; with `namesTaken`, each as if
    // another file had it already.
    std::vector<std::string> tried;
    bool namesTaken = false;

private:
    bool Injects(const char* call) {
        if (!faults.Fails(call)) return false;
        errno = faults.ErrorOf(call);
        return true;
    }
    bool Taken(const char* name) {
        tried.emplace_back(name);
        if (namesTaken) errno = EEXIST;
        return namesTaken;
    }
    bool _unnamedFiles;
    bool _othersFile;
};

}  // namespace stenvik::posix::test
