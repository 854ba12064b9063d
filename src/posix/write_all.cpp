#include "posix/write_all.h"

#include <cerrno>

#include "posix/descriptor.h"

namespace stenvik::posix {

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

}  // namespace stenvik::posix
