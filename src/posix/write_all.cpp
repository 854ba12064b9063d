#include "write_all.h"

#include <pthread.h>
#include <signal.h>

#include <cerrno>
#include <ctime>

#include "descriptor.h"

namespace stenvik::posix {

namespace {

// Holds back SIGPIPE while it lives, and drops the one a write raised.
class PipeSignalHeld {
public:
    PipeSignalHeld() {
        ::sigemptyset(&_pipe);
        ::sigaddset(&_pipe, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &_pipe, &_before);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;
    ~PipeSignalHeld() {
        // A caller that blocks SIGPIPE itself gets its pending signals as they are.
        if (::sigismember(&_before, SIGPIPE) == 1) return;
        const timespec noWait{};
        while (::sigtimedwait(&_pipe, nullptr, &noWait) == SIGPIPE) {
        }
        ::pthread_sigmask(SIG_SETMASK, &_before, nullptr);
    }

private:
    sigset_t _pipe{};
    sigset_t _before{};
};

}  // namespace

std::error_code WriteAll(PosixFiles& files, int fd, std::string_view bytes) {
    const PipeSignalHeld held;
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
