#pragma once
// Bits that no other process, started at the same moment, comes up with.

#include <cstdint>

namespace stenvik::posix {

// The kernel's random source; throws where there is none.
std::uint64_t KernelBits();

// From `kernel`; where that throws, from the nanosecond clock, the process
// id and a count of the calls, each bit of each reaching every bit of the
// result.
std::uint64_t RandomBits(std::uint64_t (*kernel)() = KernelBits);

}  // namespace stenvik::posix
