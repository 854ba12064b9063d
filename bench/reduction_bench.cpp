// The reduced systems' figures: the largest catalogue cell an upload file
// takes, made into rows and written; its garantitabell; and the exhaustive
// check over the largest space.

#include <algorithm>
#include <bit>
#include <string>

#include "bench/figures.h"
#include "core/coupon_tools.h"
#include "core/covering_catalogue.h"
#include "core/reduction.h"

namespace stenvik::bench {
namespace {

using namespace covering;

const Entry& Largest() {
    const auto fits = [](const Entry& entry) { return entry.how != How::TooLarge && coupon::FitsUpload(entry.rows); };
    const auto entries = Catalogue();
    return *std::ranges::max_element(
        entries, [&](const Entry& a, const Entry& b) { return (fits(a) ? a.rows : 0) < (fits(b) ? b.rows : 0); });
}

// Full covers first, then half covers, the other matches "1".
coupon::Coupon SystemOf(Shape shape) {
    coupon::Coupon system;
    system.kind = coupon::Kind::System;
    for (std::size_t m = 0; m < system.system.size(); ++m) {
        const auto at = static_cast<int>(m);
        system.system[m] = at < shape.full                ? coupon::kOne | coupon::kCross | coupon::kTwo
                           : at < shape.full + shape.half ? coupon::kOne | coupon::kCross
                                                          : coupon::kOne;
    }
    return system;
}

}  // namespace

void AddReduction() {
    const Entry& largest = Largest();
    const Space space(largest.cell.GetShape());
    const auto system = SystemOf(space.GetShape());
    const std::string cell = std::to_string(largest.rows) + " rows for " + std::to_string(space.GetShape().full) +
                             " full and " + std::to_string(space.GetShape().half) + " half covers at " +
                             std::to_string(rc::kMatches - largest.cell.radius) + " right";

    // Floor: a text as long, written line by line.
    const std::size_t size =
        coupon::UploadText(
            coupon::Coupon{
                .kind = coupon::Kind::Upload, .game = {}, .rows = std::vector<coupon::Row>(largest.rows), .system = {}},
            Game::Stryktipset)
            .size();
    Add(
        {"reduce to the largest cell, " + cell + ", and write it", "≤ 5 ms"},
        [&largest, system](benchmark::State& bench) {
            TRandomMersenne random(1);
            for (auto _ : bench) {
                const auto rows = reduction::Relabelled(system, Materialise(largest.cell), random);
                benchmark::DoNotOptimize(coupon::UploadText(rows, Game::Stryktipset));
            }
        },
        [&largest, size](benchmark::State& bench) {
            const std::string line = "\r\nE,1,X,2,1,X,2,1,X,2,1,X,2,1";
            for (auto _ : bench) {
                std::string text;
                text.reserve(size);
                text.assign("Stryktipset");
                for (std::size_t row = 0; row < largest.rows; ++row) text.append(line);
                benchmark::DoNotOptimize(text.data());
            }
        });

    // Floor: the four counts the table keeps for every outcome, set and read once.
    Add(
        {"garantitabell of the largest cell", "≤ 50 ms"},
        [space, code = Materialise(largest.cell)](benchmark::State& bench) {
            for (auto _ : bench) benchmark::DoNotOptimize(Tabulate(space, code));
        },
        [space](benchmark::State& bench) {
            for (auto _ : bench) {
                std::vector<std::uint16_t> counts(std::size_t{4} * space.Size(), 1);
                benchmark::DoNotOptimize(std::ranges::count(counts, 0));
            }
        });

    // Floor: every outcome's bit set, one at a time, and counted.
    const Space largestSpace({rc::kMatches, 0});
    Add(
        {"check 11 right over all 1 594 323 outcomes", "≤ 30 ms"},
        [largestSpace, code = Materialise({rc::kMatches, 0, 2})](benchmark::State& bench) {
            for (auto _ : bench) benchmark::DoNotOptimize(Covers(largestSpace, code, 2));
        },
        [largestSpace](benchmark::State& bench) {
            for (auto _ : bench) {
                std::vector<std::uint64_t> marked((largestSpace.Size() + 63) / 64);
                for (Outcome o = 0; o < largestSpace.Size(); ++o) {
                    marked[o / 64] |= std::uint64_t{1} << (o % 64);
                    benchmark::ClobberMemory();
                }
                std::uint64_t count = 0;
                for (const auto word : marked) count += static_cast<std::uint64_t>(std::popcount(word));
                benchmark::DoNotOptimize(count);
            }
        });
}

}  // namespace stenvik::bench
