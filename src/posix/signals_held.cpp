#include "posix/signals_held.h"

#include <pthread.h>

#include <array>
#include <ctime>

namespace stenvik::posix {

namespace {

constexpr std::array kHeld = {SIGPIPE, SIGXFSZ};

}  // namespace

SignalsHeld::SignalsHeld() {
    sigset_t held{};
    ::sigemptyset(&held);
    for (const int signal : kHeld) ::sigaddset(&held, signal);
    ::pthread_sigmask(SIG_BLOCK, &held, &_before);
}

SignalsHeld::~SignalsHeld() {
    // A caller that holds one of them itself gets its pending ones as they are.
    sigset_t ours{};
    ::sigemptyset(&ours);
    for (const int signal : kHeld) {
        if (::sigismember(&_before, signal) != 1) ::sigaddset(&ours, signal);
    }
    const timespec noWait{};
    while (::sigtimedwait(&ours, nullptr, &noWait) > 0) {
    }
    ::pthread_sigmask(SIG_SETMASK, &_before, nullptr);
}

}  // namespace stenvik::posix
