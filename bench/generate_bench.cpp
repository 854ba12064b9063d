// Every figure of a press, of the generator and of the toolkit, each timed
// beside its floor: what no implementation can go below. The table printed at
// the end gives the fastest of nine repetitions of each, in processor time,
// and their ratio: run side by side, both meet the same noisy machine.
// scripts/bench builds and runs it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <utility>

#include "bench/figures.h"
#include "bench/press_floor.h"
#include "core/coupon_tools.h"

namespace stenvik::bench {
namespace {

constexpr std::int32_t kSeed = 1;
// Presses per timed iteration: the generator is rewound once per iteration,
// so that each iteration makes the very calls recorded.
constexpr int kPresses = 8;

// A session clicked up to its first press, and what that press needs.
PressSetup Setup(std::vector<Event> clicks, std::optional<Percent> percent = std::nullopt) {
    PressSetup setup{std::move(clicks)};
    setup.percent.fill(percent);
    return setup;
}

void Prepare(MemorySession& session, const PressSetup& setup) {
    session.state.percent = setup.percent;
    Replay(session, std::span(setup.clicks).first(setup.clicks.size() - 1));
}

void AddPress(const std::string& name, const PressSetup& setup, const std::string& goal = "") {
    Add(
        {name, goal, kPresses},
        [setup](benchmark::State& bench) {
            MemorySession session(kSeed);
            Prepare(session, setup);
            const TRandomMersenne start = session.state.rg;
            for (auto _ : bench) {
                session.state.rg = start;
                for (int press = 0; press < kPresses; ++press) {
                    session.Click(rc::kGenerate);
                    benchmark::DoNotOptimize(session.Rows().data());
                }
            }
        },
        [setup](benchmark::State& bench) {
            MemorySession session(kSeed);
            Prepare(session, setup);
            const TRandomMersenne start = session.state.rg;
            const auto calls = RecordPresses(setup, kSeed, kPresses);
            TRandomMersenne rg = start;
            Platform& dialog = session.dialog;
            for (auto _ : bench) {
                rg = start;
                benchmark::DoNotOptimize(Replay(calls, dialog, rg));
            }
        });
}

void AddPresses() {
    const std::pair<const char*, Method> methods[] = {{"classic", Method::Classic},
                                                      {"statistical", Method::Statistical}};
    for (const auto& [label, method] : methods) {
        const std::string by = std::string(", ") + label;
        AddPress("1 grid row" + by, Setup(UserClicks(RowsRequest{.count = 1, .method = method})));
        AddPress("90 grid rows" + by, Setup(UserClicks(RowsRequest{.count = 90, .method = method})),
                 method == Method::Classic ? "≤ 1.3×" : "");
        AddPress("90 upload rows" + by, Setup(UserClicks(RowsRequest{.count = 90, .method = method, .upload = true})));
        for (const auto& [half, full] : {std::pair{0, 0}, std::pair{4, 2}, std::pair{0, 13}}) {
            AddPress("system " + std::to_string(half) + "/" + std::to_string(full) + by,
                     Setup(UserClicks(SystemRequest{.half = half, .full = full, .method = method})));
        }
    }
    AddPress("90 grid rows, own percentages on every match",
             Setup(UserClicks(RowsRequest{.count = 90}), Percent{45, 30, 25}));
}

void AddGenerator() {
    Add(
        {"BRandom vs std::mt19937", "≤ 0.67×"},
        [](benchmark::State& bench) {
            TRandomMersenne rg(kSeed);
            for (auto _ : bench) benchmark::DoNotOptimize(rg.BRandom());
        },
        [](benchmark::State& bench) {
            std::mt19937 rg(kSeed);
            for (auto _ : bench) benchmark::DoNotOptimize(rg());
        });
    Add(
        {"IRandom(1, 6) vs std::uniform_int_distribution", ""},
        [](benchmark::State& bench) {
            TRandomMersenne rg(kSeed);
            for (auto _ : bench) benchmark::DoNotOptimize(rg.IRandom(1, 6));
        },
        [](benchmark::State& bench) {
            std::mt19937 rg(kSeed);
            std::uniform_int_distribution<int> die(1, 6);
            for (auto _ : bench) benchmark::DoNotOptimize(die(rg));
        });
}

// The text of a press of `clicks` from the seed.
std::string PressText(const std::vector<Event>& clicks) {
    MemorySession session(kSeed);
    Replay(session, clicks);
    return session.Rows();
}

coupon::Coupon Read(const std::string& text) { return std::get<coupon::Coupon>(coupon::ReadCoupon(text)); }

void AddToolkit() {
    // Floor: a look at every byte of the text.
    Add(
        {"read a text of 90 grid rows", ""},
        [text = PressText(UserClicks(RowsRequest{.count = 90}))](benchmark::State& bench) {
            for (auto _ : bench) benchmark::DoNotOptimize(coupon::ReadCoupon(text));
        },
        [text = PressText(UserClicks(RowsRequest{.count = 90}))](benchmark::State& bench) {
            for (auto _ : bench) {
                benchmark::DoNotOptimize(
                    std::ranges::count_if(text, [](char c) { return c == '1' || c == 'X' || c == '2'; }));
            }
        });

    // 2^10 × 3^2 rows, the most a system of whole covers gives below the
    // upload file's 10 000. Floor: a text as long, written line by line.
    const auto system = Read(PressText(UserClicks(SystemRequest{.half = 10, .full = 2})));
    const std::size_t lines = coupon::RowCount(system);
    const std::size_t size = coupon::UploadText(system, Game::Stryktipset).size();
    Add(
        {"expand a system of " + std::to_string(lines) + " rows", ""},
        [system](benchmark::State& bench) {
            for (auto _ : bench) benchmark::DoNotOptimize(coupon::UploadText(system, Game::Stryktipset));
        },
        [lines, size](benchmark::State& bench) {
            const std::string line = "\r\nE,1,X,2,1,X,2,1,X,2,1,X,2,1";
            for (auto _ : bench) {
                std::string text;
                text.reserve(size);
                text.assign("Stryktipset");
                for (std::size_t row = 0; row < lines; ++row) text.append(line);
                benchmark::DoNotOptimize(text.data());
            }
        });

    // Floor: the counts of correct signs as a product of one polynomial per
    // match, which is the least arithmetic that gives them.
    const auto fullCover = Read(PressText(UserClicks(SystemRequest{.full = 13})));
    coupon::Result result;
    result.fill('1');
    Add(
        {"check a system of 13 full covers", ""},
        [fullCover, result](benchmark::State& bench) {
            for (auto _ : bench) benchmark::DoNotOptimize(coupon::Check(fullCover, result));
        },
        [fullCover](benchmark::State& bench) {
            for (auto _ : bench) {
                std::array<std::uint64_t, rc::kMatches + 1> rowsWith{1};
                for (const auto set : fullCover.system) {
                    benchmark::DoNotOptimize(set);
                    for (std::size_t k = rc::kMatches; k > 0; --k) rowsWith[k] = rowsWith[k] * 2 + rowsWith[k - 1];
                    rowsWith[0] *= 2;
                }
                benchmark::DoNotOptimize(rowsWith);
            }
        });
}

}  // namespace
}  // namespace stenvik::bench

int main(int argc, char** argv) {
    using namespace stenvik::bench;
    AddGenerator();
    AddPresses();
    AddToolkit();
    AddReduction();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const auto table = TableReporter();
    benchmark::RunSpecifiedBenchmarks(table.get());
    benchmark::Shutdown();
}
