#pragma once
// The signals a save can raise against itself, held back while it runs.

#include <signal.h>

namespace stenvik::posix {

// Holds back SIGPIPE and SIGXFSZ in this thread while it lives, and drops
// those raised meanwhile: a pipe whose reader has gone and a file-size limit
// (ulimit -f) are then errors of the call that met them (EPIPE, EFBIG), which
// the save reports, not the end of the whole program, window and all.
class SignalsHeld {
public:
    SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;
    ~SignalsHeld();

private:
    sigset_t _before{};
};

}  // namespace stenvik::posix
