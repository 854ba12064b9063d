#pragma once
// Everything a running Stenvik keeps between two clicks, apart from the check
// marks of the dialog itself. The Controller reads and writes it but never
// resets it: one object lives as long as the program (or one test).

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>

#include "core/randomc.h"
#include "core/rc.h"

namespace stenvik {

// Outcome counts of real matches, as running totals: each is the last value
// of 1..tot_tecken that yields its sign in the statistical draw.
inline constexpr std::int32_t tot_tecken = 117;
inline constexpr std::int32_t tot_ettor = 55;
inline constexpr std::int32_t tot_kryss = 83;
inline constexpr std::int32_t tot_tvaor = 117;
static_assert(tot_ettor < tot_kryss && tot_kryss < tot_tvaor && tot_tvaor == tot_tecken);

// A player's own weights for one match, in whole percents summing to 100: a
// draw of 1..100 gives "1" up to `one`, "X" for the next `cross`, else "2".
struct Percent {
    int one;
    int cross;
    int two;
};

// The signs a match can be drawn with: three, or as many as have a non-zero weight.
constexpr int DrawableSigns(const std::optional<Percent>& percent) {
    if (!percent) return rc::kSigns;
    return int{percent->one > 0} + int{percent->cross > 0} + int{percent->two > 0};
}

// What the program seeds a generator with at start: the clock.
inline std::int32_t ClockSeed() { return static_cast<std::int32_t>(std::time(nullptr)); }

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
    std::int32_t seed = ClockSeed();
    TRandomMersenne rg{seed};
    std::int32_t ir = 0;  // the last value drawn

    // For tests and scripts that need the same rows every time.
    void Reseed(std::int32_t newSeed) {
        seed = newSeed;
        rg.RandomInit(newSeed);
    }

    // Set only by the command line; the window leaves them as they are.
    std::array<std::optional<Percent>, rc::kMatches> percent{};  // a match's own weights, by match - 1
    bool uniqueRows = false;                                     // single rows: no row repeats an earlier one
};

}  // namespace stenvik
