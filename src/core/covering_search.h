#pragma once
// Searches for small covering codes: a tabu search that moves rows until
// every outcome is covered, and the matrix method, which covers a small
// space GF(3)^k instead and lifts the result. Both draw only from their own
// fixed-width generator, so a seed and a step budget give the same code on
// every platform; a deadline, when given, trades that for a bounded time.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/covering_space.h"

namespace stenvik::covering {

// What every point of a covering problem covers, listed once. The relation
// is symmetric: q is in Of(p) exactly when p is in Of(q).
class Balls {
public:
    // The Hamming balls of `radius` in a system's space.
    Balls(const Space& space, int radius);
    // Translates of `offsets` in GF(3)^k, each point a number in base 3;
    // the offsets must be closed under negation and hold 0.
    Balls(int k, std::span<const Outcome> offsets);

    Outcome Points() const { return static_cast<Outcome>(start_.size() - 1); }
    std::span<const Outcome> Of(Outcome point) const {
        return {list_.data() + start_[point], list_.data() + start_[point + 1]};
    }

private:
    std::vector<std::uint32_t> start_;
    std::vector<Outcome> list_;
};

struct Budget {
    std::uint64_t steps = 0;
    std::optional<std::chrono::steady_clock::time_point> deadline{};
};

struct SearchResult {
    Code code;                    // ascending
    std::uint64_t uncovered = 0;  // required points left uncovered
    std::uint64_t steps = 0;
};

// Moves `size` rows, starting from `start` (cut to its first `size` rows,
// or padded with drawn ones), to leave as few required points uncovered as
// possible. `required` holds one flag per point; empty requires them all.
SearchResult Cover(const Balls& balls, Code start, std::size_t size, std::uint32_t seed, const Budget& budget,
                   std::span<const std::uint8_t> required = {});

// From a code that covers, drops a row and covers again for as long as the
// budget lasts, down to `floor` rows: the smallest covering code met.
Code Shrink(const Balls& balls, Code code, std::size_t floor, std::uint32_t seed, const Budget& budget,
            std::span<const std::uint8_t> required = {});

// A code { x = (h, y) : h + B·y in S } over GF(3)^n, with h the first k
// coordinates: `b` holds B's k rows of n - k symbols and `s` words of k.
struct Matrix {
    int n = 0;
    int k = 0;
    std::vector<std::vector<std::uint8_t>> b{};
    std::vector<Outcome> s{};  // words of GF(3)^k in base 3, ascending
};

// The offsets whose translates of S must cover GF(3)^k for the code to
// have `radius`: 0 and every sum of at most `radius` multiples of columns.
std::vector<Outcome> MatrixOffsets(const Matrix& matrix, int radius);

Code MatrixRows(const Matrix& matrix);

// Searches B and S together for a code of |S| = `words` and `radius` over
// GF(3)^n with k = `k`: each B is scored by a short search for S, and a
// column of B changes while the score does not get worse.
std::optional<Matrix> SearchMatrix(int n, int k, int words, int radius, std::uint32_t seed, const Budget& budget);

}  // namespace stenvik::covering
