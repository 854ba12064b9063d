// Random bits where the kernel has no random source to give.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>

#include "posix/random_bits.h"
#include "tests/posix/unprivileged.h"

namespace stenvik::posix::test {
namespace {

std::uint64_t NoKernelSource() { throw std::runtime_error("no random source"); }

// Copies of one process, started together, have the same count of calls:
// only the moment and the process id can tell them apart.
TEST(RandomBits, WithoutTheKernelsRandomSourceProcessesStillDiffer) {
    std::set<std::string> draws;
    for (int process = 0; process < 4; ++process) {
        draws.insert(InChild([] { return std::to_string(RandomBits(NoKernelSource)); }));
    }
    EXPECT_EQ(draws.size(), 4u);
    EXPECT_FALSE(draws.contains("threw"));
    EXPECT_NE(RandomBits(NoKernelSource), RandomBits(NoKernelSource));
}

}  // namespace
}  // namespace stenvik::posix::test
