#pragma once
// A figure is a benchmark beside its floor, registered together so that the
// table can print their ratio. The table gives the fastest of nine
// repetitions of each, in processor time.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace stenvik::bench {

inline constexpr int kRepetitions = 9;
inline constexpr double kMinSeconds = 0.1;

struct Figure {
    std::string name;
    std::string goal;  // as the table shows it, "≤ 1.3×" or "≤ 5 ms"; empty for none
    double perIteration = 1;
};

std::vector<Figure>& Figures();

template <typename Timed, typename Floor>
void Add(const Figure& figure, Timed timed, Floor floor) {
    Figures().push_back(figure);
    for (auto* benchmark : {benchmark::RegisterBenchmark(figure.name.c_str(), timed),
                            benchmark::RegisterBenchmark((figure.name + " floor").c_str(), floor)}) {
        benchmark->Repetitions(kRepetitions)->MinTime(kMinSeconds);
    }
}

// Prints the Markdown table of every figure once the runs are done.
std::unique_ptr<benchmark::BenchmarkReporter> TableReporter();

// The reduced systems' figures (bench/reduction_bench.cpp).
void AddReduction();

}  // namespace stenvik::bench
