// A reduced system keeps its guarantee over every outcome of the system,
// checked by the toolkit's own count of right signs, and its draws repeat.

#include "core/reduction.h"

#include <gtest/gtest.h>

#include "core/coupon_tools.h"

namespace stenvik::reduction {
namespace {

coupon::Coupon SystemOf(std::string_view matches) {
    coupon::Coupon system;
    system.kind = coupon::Kind::System;
    for (std::size_t m = 0; m < matches.size(); ++m) system.system[m / 4] |= coupon::SetOf(matches[m]);
    return system;
}

// The fewest right signs of the best row, over every outcome of the system.
int WorstBest(const coupon::Coupon& system, const coupon::Coupon& rows) {
    int worst = rc::kMatches;
    const auto expanded = coupon::UploadText(system, Game::Stryktipset);
    const auto read = std::get<coupon::Coupon>(coupon::ReadCoupon(expanded));
    for (const coupon::Row& outcome : read.rows) {
        coupon::Result result;
        for (std::size_t m = 0; m < outcome.size(); ++m) result[m] = outcome[m];
        worst = std::min(worst, coupon::Check(rows, result).best);
    }
    return worst;
}

Reduced ReducedOf(const coupon::Coupon& system, Guarantee guarantee, std::int32_t seed) {
    TRandomMersenne random(seed);
    return std::get<Reduced>(Reduce(system, guarantee, random));
}

// Four characters a match: "1X2 ", "1   ", " X2 ".
constexpr std::string_view kR409 = "1X2 1X2 1X2 1X2 1   X   2   1   X   2   1   X   2   ";

TEST(Reduction, KeepsTheGuaranteeAndTheSingleSigns) {
    const auto system = SystemOf(kR409);
    const Reduced reduced = ReducedOf(system, Guarantee::Twelve, 1);
    EXPECT_EQ(reduced.rows.rows.size(), 9U);
    EXPECT_EQ(reduced.systemRows, 81U);
    EXPECT_EQ(reduced.table, (covering::GuaranteeTable{81, 9, {1, 3, 3}}));
    EXPECT_EQ(WorstBest(system, reduced.rows), 12);
    for (const auto& row : reduced.rows.rows) EXPECT_EQ(std::string_view(row.data() + 4, 9), "1X21X21X2");
}

TEST(Reduction, DrawsRepeatWithTheSeedAndDifferWithout) {
    const auto system = SystemOf(kR409);
    const auto text = [&](std::int32_t seed) {
        return coupon::UploadText(ReducedOf(system, Guarantee::Twelve, seed).rows, Game::Stryktipset);
    };
    EXPECT_EQ(text(1), text(1));
    EXPECT_NE(text(1), text(2));
    EXPECT_EQ(text(1).substr(0, 60), "Stryktipset\r\nE,2,X,2,2,1,X,2,1,X,2,1,X,2\r\nE,X,2,2,X,1,X,2,1,");
}

TEST(Reduction, RefusesWhatIsNoSystemToReduce) {
    TRandomMersenne random(1);
    const auto refusal = [&](const coupon::Coupon& coupon, Guarantee guarantee) {
        return std::get<Refusal>(Reduce(coupon, guarantee, random));
    };
    EXPECT_EQ(refusal(coupon::Coupon{}, Guarantee::Twelve).why, Refusal::Why::NotASystem);
    EXPECT_EQ(refusal(SystemOf("1   X   2   1   X   2   1   X   2   1   X   2   1   "), Guarantee::Eleven).why,
              Refusal::Why::NoCovers);
    const auto all = SystemOf("1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 ");
    EXPECT_EQ(refusal(all, Guarantee::Twelve), (Refusal{Refusal::Why::TooManyRows, 59'049, 6'561}));
}

}  // namespace
}  // namespace stenvik::reduction
