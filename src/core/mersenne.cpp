#include "core/randomc.h"

#include <bit>

namespace stenvik {

void TRandomMersenne::RandomInit(std::int32_t seed) {
    auto s = static_cast<std::uint32_t>(seed);
    for (auto& word : mt) {
        s = s * kSeedMultiplier - 1;
        word = s;
    }
    mti = kStateWords;
}

void TRandomMersenne::Regenerate() {
    // In place and in index order: the words past the middle distance use
    // words already renewed in this same pass.
    const auto twist = [](std::uint32_t upper, std::uint32_t lower) {
        const std::uint32_t y = (upper & kUpperMask) | (lower & kLowerMask);
        return (y >> 1) ^ ((y & 1u) != 0 ? kMatrix : 0u);
    };
    // Two ranges, so that no word's partner takes a division to find.
    constexpr std::size_t kWrap = kStateWords - kMiddle;
    for (std::size_t k = 0; k < kWrap; ++k) mt[k] = mt[k + kMiddle] ^ twist(mt[k], mt[k + 1]);
    for (std::size_t k = kWrap; k < kStateWords - 1; ++k) mt[k] = mt[k - kWrap] ^ twist(mt[k], mt[k + 1]);
    mt[kStateWords - 1] = mt[kMiddle - 1] ^ twist(mt[kStateWords - 1], mt[0]);
    mti = 0;
}

double TRandomMersenne::Random() {
    // The double in [1, 2) whose mantissa starts with the 32 bits, less 1:
    // exactly r / 2^32.
    const std::uint32_t r = BRandom();
    const std::uint64_t bits = (std::uint64_t{(r >> 12) | 0x3FF00000u} << 32) | std::uint64_t{r << 20};
    return std::bit_cast<double>(bits) - 1.0;
}

std::int32_t TRandomMersenne::IRandom(std::int32_t min, std::int32_t max) {
    const double d = Random();
    if (max < min) return INT32_MIN;
    const auto n = static_cast<std::int32_t>(static_cast<std::uint32_t>(max) - static_cast<std::uint32_t>(min) + 1u);
    auto v = static_cast<std::int32_t>(static_cast<std::int64_t>(min) +
                                       static_cast<std::int64_t>(static_cast<double>(n) * d));
    if (v > max) v = max;
    return v;
}

}  // namespace stenvik
