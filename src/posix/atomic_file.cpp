#include "posix/atomic_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>

#include "posix/descriptor.h"
#include "posix/file_names.h"
#include "posix/new_file.h"
#include "posix/signals_held.h"
#include "posix/write_all.h"

namespace stenvik::posix {

namespace {

// A shell's > without the truncation: the kernel follows links with its own
// protections (fs.protected_symlinks), finds devices and pipes, and decides
// whether this user may write the file at all, when it is used. A pipe
// without a reader blocks here, as it does for the shell.
constexpr int kOpenFlags = O_WRONLY | O_NOCTTY | O_CLOEXEC;
// Where only a regular file will do, nothing may hold the save up: a pipe
// without a reader fails the open at once (ENXIO).
constexpr int kOpenAtOnceFlags = kOpenFlags | O_NONBLOCK;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file
constexpr mode_t kPrivateMode = 0600;  // until the new file gets the old one's mode
// New content is not the program someone trusted with setuid or setgid.
constexpr mode_t kKeptModeBits = 07777 & ~mode_t{S_ISUID | S_ISGID};

bool IsLink(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// Through a dangling link the kernel makes the file the link names, as for
// the shell. `created` tells the caller that the empty file is its own.
int OpenAsShellDoes(PosixFiles& files, const std::filesystem::path& path, int flags, bool& created) {
    const int fd = files.Open(path.c_str(), flags, 0);
    if (fd >= 0 || errno != ENOENT || !IsLink(path)) return fd;
    created = true;
    return files.Open(path.c_str(), flags | O_CREAT, kNewFileMode);
}

// Writes into a regular file wait for the disk, as they must.
int ClearNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags < 0 ? flags : ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

// Makes the new name itself durable. The file is already in place, so a
// failure here is no failure of the save.
void SyncFolder(PosixFiles& files, const std::filesystem::path& folder) {
    const int fd = files.Open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    files.Fsync(fd);
    files.Close(fd);
}

std::error_code FillAndName(PosixFiles& files, NewFile& file, const std::filesystem::path& name, bool replace,
                            std::string_view bytes) {
    if (const auto error = WriteAll(files, file.fd(), bytes)) return error;
    if (const auto error = file.Commit(name, replace)) return error;
    SyncFolder(files, name.parent_path());
    return {};
}

std::error_code CreateFile(PosixFiles& files, const std::filesystem::path& path, std::string_view bytes) {
    const auto name = path.filename();
    if (name.empty() || name == "." || name == "..") return std::make_error_code(std::errc::is_a_directory);
    NewFile file(files);
    if (const auto error = file.Create(path.parent_path(), kNewFileMode)) return error;
    return FillAndName(files, file, path, false, bytes);
}

// As a shell's > writes into a device or a pipe.
std::error_code WriteInto(PosixFiles& files, Descriptor& file, std::string_view bytes) {
    if (const auto error = WriteAll(files, file.get(), bytes)) return error;
    if (file.Close() != 0) return LastError();
    return {};
}

// Room for `size` bytes, had before a byte of the old file changes: the
// disk's blocks, and the file-size limit, past which a write fails even
// inside the old length. The file keeps its length meanwhile.
std::error_code Reserve(PosixFiles& files, int fd, std::size_t size) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && size > limit.rlim_cur) {
        return std::make_error_code(std::errc::file_too_large);
    }
    if (size > 0 && files.Fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0) return LastError();
    return {};
}

// Never emptied first: once the room is had, the new bytes go over the old
// ones and the length is cut to theirs.
std::error_code RewriteInPlace(PosixFiles& files, Descriptor& file, std::string_view bytes) {
    if (const auto error = Reserve(files, file.get(), bytes.size())) return error;
    if (const auto error = WriteAll(files, file.get(), bytes)) return error;
    if (files.Ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) return LastError();
    if (files.Fsync(file.get()) != 0) return LastError();
    if (file.Close() != 0) return LastError();
    return {};
}

std::error_code ReplaceRegularFile(PosixFiles& files, Descriptor& target, const struct stat& old,
                                   const std::filesystem::path& name, std::string_view bytes) {
    {
        NewFile file(files);
        if (const auto error = file.Create(name.parent_path(), kPrivateMode)) return error;
        if (files.Fchown(file.fd(), old.st_uid, old.st_gid) == 0) {
            if (files.Fchmod(file.fd(), old.st_mode & kKeptModeBits) != 0) return LastError();
            return FillAndName(files, file, name, true, bytes);
        }
        if (errno != EPERM) return LastError();
    }
    // Another user's file (or one of a group this user is not in) that this
    // user may write: a replacement would be this user's, so the file is
    // written in place and stays theirs.
    return RewriteInPlace(files, target, bytes);
}

}  // namespace

std::error_code ReplaceFile(const std::filesystem::path& path, std::string_view bytes, PosixFiles& files,
                            Targets targets) {
    const SignalsHeld held;
    const bool asShell = targets == Targets::AsShell;
    if (asShell) {
        if (const auto inherited = InheritedDescriptor(path)) return WriteAll(files, *inherited, bytes);
    }

    bool created = false;
    Descriptor target(files, OpenAsShellDoes(files, path, asShell ? kOpenFlags : kOpenAtOnceFlags, created));
    if (!target) return errno == ENOENT && !created ? CreateFile(files, path, bytes) : LastError();
    struct stat old {};
    if (::fstat(target.get(), &old) != 0) return LastError();
    if (!S_ISREG(old.st_mode)) {
        return asShell ? WriteInto(files, target, bytes) : std::make_error_code(std::errc::invalid_argument);
    }
    if (ClearNonBlocking(target.get()) != 0) return LastError();

    const auto name = NameInFolder(target.get(), path, old);
    if (!name) return std::make_error_code(std::errc::no_such_file_or_directory);
    const auto error = ReplaceRegularFile(files, target, old, *name, bytes);
    // The empty file made through a dangling link goes again.
    if (error && created && old.st_size == 0) files.Unlink(name->c_str());
    return error;
}

}  // namespace stenvik::posix
