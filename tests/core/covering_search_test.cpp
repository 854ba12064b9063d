// The searches reach known sizes from fixed seeds, the same rows on every
// platform, and cover what they are asked to cover.

#include <gtest/gtest.h>

#include <vector>

#include "core/covering_catalogue.h"
#include "core/covering_check.h"
#include "core/covering_search.h"

namespace stenvik::covering {
namespace {

Code Whole(const Space& space) {
    Code whole;
    for (Outcome o = 0; o < space.Size(); ++o) whole.push_back(o);
    return whole;
}

TEST(CoveringSearch, FixedSeedsGiveTheseRows) {
    const Space space({3, 0});
    const Balls balls(space, 1);
    const Budget budget{10'000};
    const SearchResult covered = Cover(balls, {}, 5, 7, budget);
    EXPECT_EQ(covered.uncovered, 0U);
    EXPECT_EQ(covered.code, (Code{0, 4, 10, 12, 26}));
    EXPECT_EQ(Shrink(balls, Whole(space), 1, 7, budget), (Code{2, 6, 9, 17, 22}));
}

TEST(CoveringSearch, ReachesTheSmallestSizes) {
    struct Case {
        Shape shape;
        int radius;
        std::size_t rows;
    };
    for (const auto& [shape, radius, rows] : std::to_array<Case>({
             {{3, 0}, 1, 5},
             {{0, 5}, 1, 7},
             {{2, 2}, 1, 6},
             {{5, 0}, 2, 8},
         })) {
        SCOPED_TRACE(testing::Message() << shape.full << "," << shape.half << " R " << radius);
        const Space space(shape);
        const Code code = Shrink(Balls(space, radius), Whole(space), rows, 1, {100'000});
        EXPECT_EQ(code.size(), rows);
        EXPECT_TRUE(Covers(space, code, radius));
    }
}

TEST(CoveringSearch, CoversOnlyTheRequiredOutcomes) {
    const Space space({3, 0});
    const Balls balls(space, 1);
    // 0 and 4 (0, 1, 1) are two apart, so one row covers both; 0 and 13
    // (1, 1, 1) are three apart.
    for (const auto& [other, uncovered] : {std::pair{4U, 0U}, std::pair{13U, 1U}}) {
        std::vector<std::uint8_t> required(space.Size(), 0);
        required[0] = required[other] = 1;
        const SearchResult found = Cover(balls, {}, 1, 3, {1'000}, required);
        EXPECT_EQ(found.uncovered, uncovered) << other;
        EXPECT_EQ(found.code.size(), 1U);
    }
}

TEST(CoveringSearch, MatrixMethodFindsTheRecordOfLengthEight) {
    const auto matrix = SearchMatrix(8, 5, 18, 1, 1, {200'000});
    ASSERT_TRUE(matrix.has_value());
    const Code code = MatrixRows(*matrix);
    EXPECT_EQ(code.size(), 486U);
    EXPECT_TRUE(Covers(Space({8, 0}), code, 1));
}

// The search's rows and the catalogue's reading of the same matrix agree,
// so a matrix the tool stores builds the code it found.
TEST(CoveringSearch, MatrixRowsAreTheCataloguesReading) {
    const Matrix hamming{.n = 4, .k = 2, .b = {{1, 1}, {1, 2}}, .s = {0}};
    ASSERT_EQ(Find({4, 0, 1})->data, "11,12|00");
    EXPECT_EQ(MatrixRows(hamming), Materialise({4, 0, 1}));
}

}  // namespace
}  // namespace stenvik::covering
