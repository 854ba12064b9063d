// How long one press of "GENERERA rader" takes, for the largest texts each
// kind of press makes. Run: build/linux/bin/stenvik_bench

#include <benchmark/benchmark.h>

#include "memory_session.h"
#include "scripted_user.h"

namespace stenvik {
namespace {

// The user's clicks make the first press; the timed presses follow it.
template <typename Request>
void Press(benchmark::State& bench, const Request& request) {
    MemorySession session(1);
    Replay(session, UserClicks(request));
    for (auto _ : bench) {
        session.Click(rc::kGenerate);
        benchmark::DoNotOptimize(session.Rows().data());
    }
}

void GridOf90Rows(benchmark::State& bench) { Press(bench, RowsRequest{.count = 90}); }
void UploadOf90Rows(benchmark::State& bench) {
    Press(bench, RowsRequest{.count = 90, .method = Method::Statistical, .upload = true, .game = Game::Italienska});
}
// One half cover left for the last match throws many values away.
void SystemOf12HalfCovers(benchmark::State& bench) { Press(bench, SystemRequest{.half = 12}); }

void DiceRoll(benchmark::State& bench) {
    TRandomMersenne rg(1);
    for (auto _ : bench) benchmark::DoNotOptimize(rg.IRandom(1, 6));
}

BENCHMARK(GridOf90Rows);
BENCHMARK(UploadOf90Rows);
BENCHMARK(SystemOf12HalfCovers);
BENCHMARK(DiceRoll);

}  // namespace
}  // namespace stenvik

BENCHMARK_MAIN();
