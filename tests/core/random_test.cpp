// Known answers for the random source. Every expected value comes from the
// generator's published description: the seeding recurrence, the twist and
// the tempering of MT11213A.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>

#include "core/randomc.h"

namespace stenvik {
namespace {

TEST(RandomSource, SeedOneFillsTheStateWithTheRecurrence) {
    TRandomMersenne rg(1);
    EXPECT_EQ(rg.State()[0], 0x01C8E814u);  // 1 * 29943829 - 1
    EXPECT_EQ(rg.State()[1], 0x9B6D29A3u);
    EXPECT_EQ(rg.State()[2], 0xD808225Eu);
    EXPECT_EQ(rg.Index(), 351);
}

TEST(RandomSource, SeedOneFirstOutputs) {
    TRandomMersenne rg(1);
    EXPECT_EQ(rg.BRandom(), 0x869FE549u);
    EXPECT_EQ(rg.BRandom(), 0xFC5471FBu);
    EXPECT_EQ(rg.BRandom(), 0x6FBD4F13u);
    EXPECT_EQ(rg.Index(), 3);
}

TEST(RandomSource, SeedZeroFirstOutputs) {
    TRandomMersenne rg(0);
    EXPECT_EQ(rg.State()[0], 0xFFFFFFFFu);
    EXPECT_EQ(rg.BRandom(), 0x0ACB5648u);
    EXPECT_EQ(rg.BRandom(), 0xA08C5AF8u);
    EXPECT_EQ(rg.BRandom(), 0x42234EDBu);
}

TEST(RandomSource, SeedOneDiceRolls) {
    TRandomMersenne rg(1);
    const std::array<int, 13> expected = {4, 6, 3, 6, 1, 4, 5, 6, 1, 4, 3, 4, 1};
    for (const int value : expected) EXPECT_EQ(rg.IRandom(1, 6), value);
}

TEST(RandomSource, RandomIsTheOutputOverTwoToThe32) {
    TRandomMersenne a(7);
    TRandomMersenne b(7);
    for (int i = 0; i < 1000; ++i) {
        const double d = a.Random();
        EXPECT_EQ(d, static_cast<double>(b.BRandom()) / 4294967296.0);
        EXPECT_GE(d, 0.0);
        EXPECT_LT(d, 1.0);
    }
}

TEST(RandomSource, DegenerateRangesStillConsumeOneOutput) {
    TRandomMersenne rg(1);
    TRandomMersenne reference(1);
    EXPECT_EQ(rg.IRandom(9, 9), 9);
    EXPECT_EQ(rg.IRandom(5, 4), INT32_MIN);
    reference.BRandom();
    reference.BRandom();
    EXPECT_EQ(rg.BRandom(), reference.BRandom());
}

TEST(RandomSource, TheWholeStateIsRenewedEvery351Outputs) {
    TRandomMersenne rg(1);
    for (int i = 0; i < 351; ++i) rg.BRandom();
    EXPECT_EQ(rg.Index(), 351);
    const auto before = rg.State();
    rg.BRandom();  // the 352nd output regenerates
    EXPECT_EQ(rg.Index(), 1);
    EXPECT_NE(rg.State(), before);
}

TEST(RandomSource, ReseedingRestartsTheStream) {
    TRandomMersenne rg(1);
    for (int i = 0; i < 500; ++i) rg.BRandom();
    rg.RandomInit(1);
    EXPECT_EQ(rg.BRandom(), 0x869FE549u);
}

TEST(RandomSource, EverySixSidedValueComesUpEvenly) {
    TRandomMersenne rg(12345);
    std::array<int, 7> counts{};
    constexpr int kDraws = 60000;
    for (int i = 0; i < kDraws; ++i) ++counts.at(static_cast<std::size_t>(rg.IRandom(1, 6)));
    EXPECT_EQ(counts[0], 0);
    for (int value = 1; value <= 6; ++value) {
        EXPECT_NEAR(counts[static_cast<std::size_t>(value)], kDraws / 6.0, 400) << value;
    }
}

}  // namespace
}  // namespace stenvik
