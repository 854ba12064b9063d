#pragma once
// Descriptors and errors as the saving code passes them around.

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include "posix/posix_files.h"

namespace stenvik::posix {

inline std::error_code LastError() { return {errno, std::generic_category()}; }

// The kernel's name for an open descriptor: it reaches the file itself, even
// one that has no name in any folder.
inline std::string DescriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

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
    explicit operator bool() const { return _fd >= 0; }
    int Close() { return _files.Close(std::exchange(_fd, -1)); }

private:
    PosixFiles& _files;
    int _fd;
};

}  // namespace stenvik::posix
