#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

namespace stenvik::posix {

int PosixFiles::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t PosixFiles::Write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int PosixFiles::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int PosixFiles::Fsync(int fd) { return ::fsync(fd); }
int PosixFiles::Close(int fd) { return ::close(fd); }
int PosixFiles::Rename(const char* from, const char* to) { return ::rename(from, to); }
int PosixFiles::Unlink(const char* path) { return ::unlink(path); }

namespace {

constexpr int kNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file

std::error_code LastError() { return {errno, std::generic_category()}; }

// Closes the descriptor on the paths that fail; the close that matters, the
// one after the last write, is made and checked by Close().
class Descriptor {
public:
    Descriptor(PosixFiles& files, int fd) : _files(files), _fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (_fd >= 0) _files.Close(_fd);
    }

    int get() const { return _fd; }
    int Close() { return _files.Close(std::exchange(_fd, -1)); }

private:
    PosixFiles& _files;
    int _fd;
};

std::error_code WriteAll(PosixFiles& files, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = files.Write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return LastError();
        if (written == 0) return std::make_error_code(std::errc::io_error);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// A replaced file keeps its permissions; a new one gets the usual ones.
std::error_code KeepMode(PosixFiles& files, int fd, const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    if (files.Fchmod(fd, status.st_mode & 07777) != 0) return LastError();
    return {};
}

std::error_code FillAndReplace(PosixFiles& files, Descriptor& file, const std::filesystem::path& temporary,
                               const std::filesystem::path& target, std::string_view bytes) {
    if (const auto error = KeepMode(files, file.get(), target)) return error;
    if (const auto error = WriteAll(files, file.get(), bytes)) return error;
    if (files.Fsync(file.get()) != 0) return LastError();
    if (file.Close() != 0) return LastError();
    if (files.Rename(temporary.c_str(), target.c_str()) != 0) return LastError();
    return {};
}

// Makes the rename itself durable. The new file is already in place, so a
// failure here is no failure of the replacement.
void SyncFolder(PosixFiles& files, const std::filesystem::path& folder) {
    const int fd = files.Open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    files.Fsync(fd);
    files.Close(fd);
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target, int attempt) {
    const auto name =
        "." + target.filename().string() + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    return target.parent_path() / name;
}

// Saving through a link replaces the file it points to, not the link.
std::filesystem::path Resolved(const std::filesystem::path& target) {
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error)) return target;
    auto resolved = std::filesystem::weakly_canonical(target, error);
    return error ? target : resolved;
}

}  // namespace

std::error_code ReplaceFile(const std::filesystem::path& path, std::string_view bytes, PosixFiles& files) {
    const auto target = Resolved(path);
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryBeside(target, attempt);
        fd = files.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST) return LastError();
    }
    if (fd < 0) return LastError();

    Descriptor file(files, fd);
    if (const auto error = FillAndReplace(files, file, temporary, target, bytes)) {
        files.Unlink(temporary.c_str());
        return error;
    }
    SyncFolder(files, target.parent_path());
    return {};
}

}  // namespace stenvik::posix
