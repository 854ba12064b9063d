#include "posix/random_bits.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <exception>
#include <random>

namespace stenvik::posix {

namespace {

// The finaliser of SplitMix64: a bijection that spreads every input bit.
std::uint64_t Spread(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15U;
    value = (value ^ (value >> 30U)) * 0xBF58476D1CE4E5B9U;
    value = (value ^ (value >> 27U)) * 0x94D049BB133111EBU;
    return value ^ (value >> 31U);
}

std::uint64_t MixedBits(std::uint64_t nanoseconds, std::uint64_t processId, std::uint64_t call) {
    return Spread(Spread(Spread(nanoseconds) ^ processId) ^ call);
}

}  // namespace

std::uint64_t KernelBits() {
    std::random_device device;
    const std::uint64_t high = device();
    return (high << 32U) | device();
}

std::uint64_t RandomBits(std::uint64_t (*kernel)()) {
    try {
        return kernel();
    } catch (const std::exception&) {
        static std::atomic<std::uint64_t> calls{0};
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        return MixedBits(static_cast<std::uint64_t>(std::chrono::nanoseconds(now).count()),
                         static_cast<std::uint64_t>(::getpid()), calls++);
    }
}

}  // namespace stenvik::posix
