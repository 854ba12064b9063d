#pragma once
// Bits that no other process, started at the same moment, comes up with.

#include <cstdint>

namespace stenvik::posix {

// From the kernel's random source; where that fails, from the nanosecond
// clock, the process id and a count of the calls.
std::uint64_t RandomBits();

// The fallback's mix of those three, each bit of each input reaching every
// bit of the result.
std::uint64_t MixedBits(std::uint64_t nanoseconds, std::uint64_t processId, std::uint64_t call);

}  // namespace stenvik::posix
