#pragma once
// Everything a running Stenvik keeps between two clicks, apart from the check
// marks of the dialog itself. The Controller reads and writes it but never
// resets it: one object lives as long as the program (or one test).

#include <cstdint>
#include <ctime>

#include "randomc.h"

namespace stenvik {

// Outcome counts of real matches, as running totals: each is the last value
// of 1..tot_tecken that yields its sign in the statistical draw.
inline constexpr std::int32_t tot_tecken = 117;
inline constexpr std::int32_t tot_ettor = 55;
inline constexpr std::int32_t tot_kryss = 83;
inline constexpr std::int32_t tot_tvaor = 117;
static_assert(tot_ettor < tot_kryss && tot_kryss < tot_tvaor && tot_tvaor == tot_tecken);

struct ProgramState {
    // Selection state, as the dialog opens.
    std::int32_t antal_enkelrader = 1;
    std::int32_t antal_halvgarderingar = 0;
    std::int32_t antal_helgarderingar = 0;
    std::int32_t antalsakra = 0;
    std::int32_t antal_enkeltecken = 0;
    std::int32_t sakra = 0;

    // The last system press refused the user's choices: more half and full
    // covers than the matches left once the sure ones are counted. Nothing
    // else leaves the single-sign quota below zero.
    bool SystemRefused() const { return sakra < 0; }

    // The random source: seeded from the clock, never reseeded by the
    // program itself, so every press continues one stream.
    std::int32_t seed = static_cast<std::int32_t>(std::time(nullptr));
    TRandomMersenne rg{seed};
    std::int32_t ir = 0;  // the last value drawn

    // For tests and scripts that need the same rows every time.
    void Reseed(std::int32_t newSeed) {
        seed = newSeed;
        rg.RandomInit(newSeed);
    }
};

}  // namespace stenvik
