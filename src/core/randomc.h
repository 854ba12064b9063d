#pragma once
// The generator every drawn sign comes from: a Mersenne Twister with the
// parameter set MT11213A (351 words of state, period 2^11213 - 1).

#include <array>
#include <cstdint>

namespace stenvik {

class TRandomMersenne {
public:
    static constexpr int kStateWords = 351;  // N
    static constexpr int kMiddle = 175;      // M
    static constexpr int kSeparation = 19;   // R, bits in the lower mask
    static constexpr std::uint32_t kMatrix = 0xE4BD75F5;
    static constexpr std::uint32_t kLowerMask = (std::uint32_t{1} << kSeparation) - 1;
    static constexpr std::uint32_t kUpperMask = ~kLowerMask;
    static constexpr std::uint32_t kSeedMultiplier = 29943829;
    // Tempering of each output: shifts U, S, T, L and masks B, C.
    static constexpr int kTemperShiftU = 11;
    static constexpr int kTemperShiftS = 7;
    static constexpr int kTemperShiftT = 15;
    static constexpr int kTemperShiftL = 17;
    static constexpr std::uint32_t kTemperMaskB = 0x655E5280;
    static constexpr std::uint32_t kTemperMaskC = 0xFFD58000;
    static_assert(kUpperMask == 0xFFF80000 && kLowerMask == 0x0007FFFF);
    static_assert(kMiddle < kStateWords);

    explicit TRandomMersenne(std::int32_t seed) { RandomInit(seed); }

    void RandomInit(std::int32_t seed);
    // Inline, as it runs once for every number: only the renewal of the
    // state, once every 351 numbers, is a call.
    std::uint32_t BRandom() {
        if (mti >= kStateWords) Regenerate();
        std::uint32_t y = mt[static_cast<std::size_t>(mti++)];
        y ^= y >> kTemperShiftU;
        y ^= (y << kTemperShiftS) & kTemperMaskB;
        y ^= (y << kTemperShiftT) & kTemperMaskC;
        y ^= y >> kTemperShiftL;
        return y;
    }
    double Random();
    // min..max inclusive; INT32_MIN when max < min. Consumes one output always.
    std::int32_t IRandom(std::int32_t min, std::int32_t max);

    // For tests that check the state itself.
    const std::array<std::uint32_t, kStateWords>& State() const { return mt; }
    int Index() const { return mti; }

private:
    void Regenerate();

    std::array<std::uint32_t, kStateWords> mt{};
    int mti = kStateWords;
};

}  // namespace stenvik
