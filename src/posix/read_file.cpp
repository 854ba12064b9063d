#include "posix/read_file.h"

#include <fcntl.h>

#include <array>
#include <cerrno>

#include "posix/descriptor.h"

namespace stenvik::posix {

std::variant<std::string, std::error_code> ReadWholeFile(const std::filesystem::path& path, std::size_t limit,
                                                         PosixFiles& files) {
    Descriptor file(files, files.Open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC, 0));
    if (!file) return LastError();
    std::string bytes;
    std::array<char, std::size_t{64} << 10> chunk{};
    for (;;) {
        const auto read = files.Read(file.get(), chunk.data(), chunk.size());
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return LastError();
        if (read == 0) return bytes;
        bytes.append(chunk.data(), static_cast<std::size_t>(read));
        if (bytes.size() > limit) return std::make_error_code(std::errc::file_too_large);
    }
}

}  // namespace stenvik::posix
