#include "core/covering_space.h"

namespace stenvik::covering {

Space::Space(Shape shape) : shape_(shape) {
    for (int i = shape.Length() - 1; i >= 0; --i) {
        strides_[static_cast<std::size_t>(i)] = size_;
        size_ *= static_cast<Outcome>(Radix(i));
    }
}

int Distance(const Space& space, Outcome a, Outcome b) {
    int differ = 0;
    for (int i = 0; i < space.Length(); ++i) differ += int{space.Symbol(a, i) != space.Symbol(b, i)};
    return differ;
}

namespace {

std::uint64_t Choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    std::uint64_t c = 1;
    for (int i = 1; i <= k; ++i) c = c * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return c;
}

}  // namespace

std::uint64_t BallSize(Shape shape, int radius) {
    // At distance d: j of the differing coordinates are full covers, with two
    // other symbols each, and d - j half covers, with one.
    std::uint64_t size = 1;  // the centre
    for (int d = 1; d <= radius; ++d) {
        for (int j = 0; j <= d; ++j)
            size += Choose(shape.full, j) * (std::uint64_t{1} << j) * Choose(shape.half, d - j);
    }
    return size;
}

std::uint64_t SphereBound(Shape shape, int radius) {
    const std::uint64_t outcomes = Space(shape).Size();
    const std::uint64_t ball = BallSize(shape, radius);
    return (outcomes + ball - 1) / ball;
}

}  // namespace stenvik::covering
