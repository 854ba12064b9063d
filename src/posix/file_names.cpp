#include "posix/file_names.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "posix/descriptor.h"

namespace stenvik::posix {

namespace {

std::optional<int> DescriptorNumber(std::string_view digits) {
    int fd = -1;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, fd);
    if (digits.empty() || error != std::errc{} || stop != end || fd < 0) return std::nullopt;
    return fd;
}

}  // namespace

std::optional<int> InheritedDescriptor(const std::filesystem::path& path) {
    const auto name = path.lexically_normal().string();
    if (name == "/dev/stdin") return STDIN_FILENO;
    if (name == "/dev/stdout") return STDOUT_FILENO;
    if (name == "/dev/stderr") return STDERR_FILENO;
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (name.starts_with(folder)) return DescriptorNumber(std::string_view(name).substr(folder.size()));
    }
    // Never standard input: `expand - --output f < f` reads f there, and
    // replaces it once read.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) return std::nullopt;
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat held {};
        if (::fstat(fd, &held) == 0 && held.st_dev == named.st_dev && held.st_ino == named.st_ino) return fd;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> NameInFolder(int fd, const std::filesystem::path& given, const struct stat& file) {
    std::array<char, PATH_MAX> buffer{};
    std::filesystem::path name;
    const auto length = ::readlink(DescriptorPath(fd).c_str(), buffer.data(), buffer.size());
    if (length > 0 && static_cast<std::size_t>(length) < buffer.size()) {
        name = std::string(buffer.data(), static_cast<std::size_t>(length));
    } else if (::realpath(given.c_str(), buffer.data()) != nullptr) {
        name = buffer.data();
    }
    // The kernel marks a name that has gone as "(deleted)", and a resolved
    // name may have changed since the file was opened.
    struct stat named {};
    if (name.empty() || ::lstat(name.c_str(), &named) != 0 || named.st_dev != file.st_dev ||
        named.st_ino != file.st_ino) {
        return std::nullopt;
    }
    return name;
}

}  // namespace stenvik::posix
