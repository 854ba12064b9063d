// Every cell of the catalogue, built and checked over all its outcomes.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/coupon_tools.h"
#include "core/covering_catalogue.h"
#include "core/covering_check.h"

namespace stenvik::covering {
namespace {

TEST(CoveringCatalogue, EveryCellBuildsItsRowsAndCoversItsSpace) {
    const auto entries = Catalogue();
    ASSERT_EQ(entries.size(), 2U * 104U);  // (f, h) with 1 to 13 covers, twice
    for (const Entry& entry : entries) {
        const Cell cell = entry.cell;
        SCOPED_TRACE(testing::Message() << int{cell.full} << "," << int{cell.half} << " R " << int{cell.radius});
        ASSERT_EQ(Find(cell), &entry);
        if (entry.how == How::TooLarge) {
            EXPECT_FALSE(coupon::FitsUpload(entry.rows));
            continue;
        }
        const Code code = Materialise(cell);
        EXPECT_EQ(code.size(), entry.rows);
        EXPECT_TRUE(std::ranges::adjacent_find(code, std::greater_equal{}) == code.end());
        EXPECT_TRUE(Covers(Space(cell.GetShape()), code, cell.radius));
    }
}

// The best sizes known that the catalogue must reach, by length from 1.
TEST(CoveringCatalogue, ReachesTheRecords) {
    struct Family {
        bool ternary;
        int radius;
        std::vector<std::uint32_t> rows;
    };
    for (const auto& [ternary, radius, sizes] : std::to_array<Family>({
             {true, 1, {1, 3, 5, 9, 27}},  // R 4-0-9 among them
             {true, 2, {1, 1, 3, 3, 8, 17, 0, 81, 0, 0, 729, 2187, 6561}},
             {false, 1, {1, 2, 2, 4, 7, 12, 16, 32}},
             {false, 2, {1, 1, 2, 2, 2, 4, 7, 12}},
         })) {
        for (std::size_t n = 1; n <= sizes.size(); ++n) {
            if (sizes[n - 1] == 0) continue;  // aimed for, not promised
            const auto length = static_cast<std::uint8_t>(n);
            const Cell cell{ternary ? length : std::uint8_t{0}, ternary ? std::uint8_t{0} : length,
                            static_cast<std::uint8_t>(radius)};
            EXPECT_EQ(Find(cell)->rows, sizes[n - 1]) << n << (ternary ? " ternary" : " binary") << " R " << radius;
        }
    }
    struct Known {
        Cell cell;
        std::uint32_t rows;
    };
    for (const auto& [cell, rows] : std::to_array<Known>({
             {{8, 0, 1}, 486}, {{10, 0, 1}, 3645}, {{13, 0, 1}, 59049},  // too large to upload
             {{1, 1, 1}, 2},   {{1, 2, 1}, 3},     {{2, 1, 1}, 4},      {{1, 3, 1}, 6}, {{2, 2, 1}, 6}, {{3, 1, 1}, 9},
             {{1, 4, 1}, 8},   {{2, 3, 1}, 12},    {{4, 1, 1}, 18},     {{2, 1, 2}, 2}, {{2, 2, 2}, 3}, {{1, 4, 2}, 3},
             {{2, 3, 2}, 4},   {{3, 2, 2}, 5},     {{1, 5, 2}, 6},      {{4, 1, 2}, 6}, {{2, 4, 2}, 6},
         })) {
        EXPECT_EQ(Find(cell)->rows, rows) << int{cell.full} << "," << int{cell.half} << " R " << int{cell.radius};
    }
}

}  // namespace
}  // namespace stenvik::covering
