// How long one press of "GENERERA rader" takes, for the largest texts each
// kind of press makes. Run: build/linux/bin/stenvik_bench

#include <benchmark/benchmark.h>

#include "memory_session.h"

namespace stenvik {
namespace {

constexpr int k90Rows = 1071;

void Press(benchmark::State& bench, std::initializer_list<int> clicks) {
    MemorySession session(1);
    for (const int id : clicks) session.Click(id);
    for (auto _ : bench) {
        session.Click(rc::kGenerate);
        benchmark::DoNotOptimize(session.Rows().data());
    }
}

void GridOf90Rows(benchmark::State& bench) { Press(bench, {rc::kEnkelrader, k90Rows}); }
void UploadOf90Rows(benchmark::State& bench) {
    Press(bench, {rc::kEnkelrader, k90Rows, rc::kCompatible, rc::kItalienska, rc::kStatistiskt});
}
// One half cover left for the last match throws many values away.
void SystemOf12HalfCovers(benchmark::State& bench) { Press(bench, {rc::kSystem, rc::kHalfCovers[12]}); }

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
