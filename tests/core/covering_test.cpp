// The space's balls, the exhaustive check and the garantitabell, against
// a count that measures the distance from every outcome to every row.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "core/covering_catalogue.h"
#include "core/covering_check.h"

namespace stenvik::covering {
namespace {

// The garantitabell by brute force: every outcome against every row.
GuaranteeTable Slowly(const Space& space, const Code& code) {
    GuaranteeTable table{.outcomes = space.Size()};
    std::array<std::uint32_t, 3> fewest{~0U, ~0U, ~0U};
    for (Outcome o = 0; o < space.Size(); ++o) {
        std::array<std::uint32_t, 4> at{};
        for (const Outcome row : code) {
            const int d = Distance(space, o, row);
            if (d <= 3) ++at[static_cast<std::size_t>(d)];
        }
        if (at[0] > 0) {
            ++table.thirteen;
            continue;
        }
        for (std::size_t d = 0; d < 3; ++d) fewest[d] = std::min(fewest[d], at[d + 1]);
    }
    if (table.thirteen < table.outcomes) table.fewest = fewest;
    return table;
}

constexpr auto kShapes = std::to_array<Shape>({{1, 0}, {0, 3}, {2, 2}, {4, 0}, {3, 4}, {0, 7}, {5, 1}});

TEST(CoveringSpace, BallsHoldEveryOutcomeWithinTheRadiusOnce) {
    for (const Shape shape : kShapes) {
        const Space space(shape);
        for (int radius = 0; radius <= 3; ++radius) {
            SCOPED_TRACE(testing::Message() << shape.full << "," << shape.half << " radius " << radius);
            const Outcome centre = space.Size() / 3;
            std::multiset<Outcome> visited;
            ForEachWithin(space, centre, radius, [&](Outcome o) { visited.insert(o); });
            std::multiset<Outcome> expected;
            for (Outcome o = 0; o < space.Size(); ++o) {
                if (Distance(space, centre, o) <= radius) expected.insert(o);
            }
            EXPECT_EQ(visited, expected);
            EXPECT_EQ(BallSize(shape, radius), expected.size());
        }
    }
}

TEST(CoveringCheck, GuaranteeTableAndCoverAgreeWithEveryDistance) {
    std::mt19937 random(7);
    for (const Shape shape : kShapes) {
        const Space space(shape);
        for (const std::size_t rows : {std::size_t{1}, std::size_t{3}, std::size_t{12}}) {
            Code code;
            for (std::size_t r = 0; r < rows; ++r) code.push_back(static_cast<Outcome>(random() % space.Size()));
            std::ranges::sort(code);
            code.erase(std::unique(code.begin(), code.end()), code.end());
            SCOPED_TRACE(testing::Message() << shape.full << "," << shape.half << " rows " << code.size());
            const GuaranteeTable table = Slowly(space, code);
            EXPECT_EQ(Tabulate(space, code), table);
            for (int radius = 0; radius <= 2; ++radius) {
                bool covered = true;
                for (Outcome o = 0; o < space.Size(); ++o) {
                    covered = covered &&
                              std::ranges::any_of(code, [&](Outcome r) { return Distance(space, o, r) <= radius; });
                }
                EXPECT_EQ(Covers(space, code, radius), covered) << "radius " << radius;
            }
        }
    }
}

TEST(CoveringCheck, PerfectCodeOfFourFullCovers) {
    const Space space({4, 0});
    Code code = Materialise({4, 0, 1});
    ASSERT_EQ(code.size(), 9U);
    EXPECT_EQ(Tabulate(space, code), (GuaranteeTable{81, 9, {1, 3, 3}}));
    EXPECT_TRUE(Covers(space, code, 1));
    code.pop_back();
    EXPECT_FALSE(Covers(space, code, 1));
    EXPECT_EQ(SphereBound({4, 0}, 1), 9U);
    EXPECT_EQ(SphereBound({13, 0}, 2), 4704U);  // 1 594 323 outcomes, 339 in a ball
}

TEST(CoveringCatalogue, PackedRowsReadBack) {
    const Space small({2, 0});
    EXPECT_EQ(Pack(small, {0, 4, 8}), "048");
    const Space large({13, 0});
    const Code code{0, 63, 64, 1'594'322};
    EXPECT_EQ(Pack(large, code), "0000000_001065FI");
    EXPECT_EQ(Unpack(large, Pack(large, code)), code);
}

}  // namespace
}  // namespace stenvik::covering
