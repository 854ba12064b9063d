#pragma once
// The outcomes of a system as a covering code sees them: one coordinate for
// each covered match, the full covers first (symbols 0, 1, 2), then the
// half covers (symbols 0, 1). Single matches have no coordinate, as every
// row of a reduction carries their sign. An outcome is a number in mixed
// radix with the first coordinate varying slowest.

#include <array>
#include <compare>
#include <cstdint>
#include <vector>

#include "core/rc.h"

namespace stenvik::covering {

struct Shape {
    int full = 0;  // ternary coordinates
    int half = 0;  // binary coordinates
    constexpr int Length() const { return full + half; }
    friend constexpr auto operator<=>(const Shape&, const Shape&) = default;
};

using Outcome = std::uint32_t;
using Code = std::vector<Outcome>;

// 3^13 = 1 594 323 outcomes at most.
class Space {
public:
    explicit Space(Shape shape);

    Shape GetShape() const { return shape_; }
    int Length() const { return shape_.Length(); }
    Outcome Size() const { return size_; }
    int Radix(int coordinate) const { return coordinate < shape_.full ? 3 : 2; }
    Outcome Stride(int coordinate) const { return strides_[static_cast<std::size_t>(coordinate)]; }
    int Symbol(Outcome outcome, int coordinate) const {
        return static_cast<int>(outcome / Stride(coordinate) % static_cast<Outcome>(Radix(coordinate)));
    }
    // `outcome` with `coordinate` set to `symbol`.
    Outcome With(Outcome outcome, int coordinate, int symbol) const {
        const auto old = static_cast<Outcome>(Symbol(outcome, coordinate));
        return outcome - old * Stride(coordinate) + static_cast<Outcome>(symbol) * Stride(coordinate);
    }

private:
    Shape shape_;
    Outcome size_ = 1;
    std::array<Outcome, rc::kMatches> strides_{};
};

// The number of coordinates where two outcomes differ.
int Distance(const Space& space, Outcome a, Outcome b);

// The outcomes within `radius` of one outcome, itself included.
std::uint64_t BallSize(Shape shape, int radius);

// The counting bound: no code of `radius` has fewer rows than this.
std::uint64_t SphereBound(Shape shape, int radius);

// Calls visit(o) once for every outcome o within `radius` (at most 3) of
// `centre`, the centre first. It runs for every row of every check, so the
// centre's symbols are read once and neighbours found by adding strides.
template <class Visit>
void ForEachWithin(const Space& space, Outcome centre, int radius, Visit&& visit) {
    visit(centre);
    const int n = space.Length();
    std::array<std::array<std::int64_t, 2>, rc::kMatches> steps{};  // to each other symbol
    for (int i = 0; i < n; ++i) {
        const int symbol = space.Symbol(centre, i);
        const auto stride = static_cast<std::int64_t>(space.Stride(i));
        auto& step = steps[static_cast<std::size_t>(i)];
        std::size_t k = 0;
        for (int a = 0; a < space.Radix(i); ++a) {
            if (a != symbol) step[k++] = (a - symbol) * stride;
        }
    }
    const auto others = [&](int i) { return static_cast<std::size_t>(space.Radix(i) - 1); };
    const auto at = [&](std::int64_t delta) { return static_cast<Outcome>(static_cast<std::int64_t>(centre) + delta); };
    for (int i = 0; radius >= 1 && i < n; ++i) {
        for (std::size_t a = 0; a < others(i); ++a) {
            const std::int64_t di = steps[static_cast<std::size_t>(i)][a];
            visit(at(di));
            for (int j = i + 1; radius >= 2 && j < n; ++j) {
                for (std::size_t b = 0; b < others(j); ++b) {
                    const std::int64_t dj = di + steps[static_cast<std::size_t>(j)][b];
                    visit(at(dj));
                    for (int k = j + 1; radius >= 3 && k < n; ++k) {
                        for (std::size_t c = 0; c < others(k); ++c)
                            visit(at(dj + steps[static_cast<std::size_t>(k)][c]));
                    }
                }
            }
        }
    }
}

}  // namespace stenvik::covering
