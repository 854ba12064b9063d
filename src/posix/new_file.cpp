#include "posix/new_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "posix/descriptor.h"
#include "posix/random_bits.h"

namespace stenvik::posix {

namespace {

// Enough that files planted under guessed names cannot make a save fail.
constexpr int kNameAttempts = 100;

// 12 of 36 characters: about 62 bits that no one can guess in advance.
std::string ShortRandomName() {
    constexpr std::string_view kCharacters = "0123456789abcdefghijklmnopqrstuvwxyz";
    constexpr int kLength = 12;
    std::uint64_t bits = RandomBits();
    std::string name = ".stenvik-";
    for (int character = 0; character < kLength; ++character) {
        name += kCharacters[bits % kCharacters.size()];
        bits /= kCharacters.size();
    }
    return name;
}

// Errors of a kernel or file system without unnamed files.
bool LacksUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

// An unnamed file is named through /proc, so without /proc it is no use.
bool CanNameUnnamedFiles() { return ::access("/proc/self/fd", X_OK) == 0; }

}  // namespace

NewFile::~NewFile() {
    if (_fd >= 0) _files.Close(_fd);
    if (_name) _files.Unlink(_name->c_str());
}

std::error_code NewFile::Create(const std::filesystem::path& folder, mode_t mode) {
    _folder = folder.empty() ? "." : folder;
    if (CanNameUnnamedFiles()) {
        _fd = _files.Open(_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (_fd >= 0) return {};
        if (!LacksUnnamedFiles(errno)) return LastError();
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        auto name = _folder / ShortRandomName();
        _fd = _files.Open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (_fd >= 0) {
            _name = std::move(name);
            return {};
        }
        if (errno != EEXIST) return LastError();
    }
    return LastError();
}

std::error_code NewFile::Commit(const std::filesystem::path& target, bool replace) {
    if (_files.Fsync(_fd) != 0) return LastError();
    if (!_name) {
        // link(2) never replaces a file, so a replacement is linked under a
        // short name first and renamed over the old file from there.
        if (const auto error = replace ? LinkUnderShortName() : Link(target)) return error;
    }
    if (_files.Close(std::exchange(_fd, -1)) != 0) return LastError();
    if (*_name != target && _files.Rename(_name->c_str(), target.c_str()) != 0) return LastError();
    _name.reset();
    return {};
}

std::error_code NewFile::Link(const std::filesystem::path& name) {
    if (_files.Link(DescriptorPath(_fd).c_str(), name.c_str(), AT_SYMLINK_FOLLOW) != 0) return LastError();
    _name = name;
    return {};
}

std::error_code NewFile::LinkUnderShortName() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const auto error = Link(_folder / ShortRandomName());
        if (error != std::errc::file_exists) return error;
    }
    return std::make_error_code(std::errc::file_exists);
}

}  // namespace stenvik::posix
