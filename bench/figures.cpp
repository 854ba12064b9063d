#include "bench/figures.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <ostream>
#include <utility>

namespace stenvik::bench {
namespace {

// "12.3 µs" from nanoseconds, three significant digits.
std::string Time(double ns) {
    const auto [value, unit] = ns >= 1e6   ? std::pair{ns / 1e6, "ms"}
                               : ns >= 1e3 ? std::pair{ns / 1e3, "µs"}
                                           : std::pair{ns, "ns"};
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(),
                  value >= 100  ? "%.0f %s"
                  : value >= 10 ? "%.1f %s"
                                : "%.2f %s",
                  value, unit);
    return text.data();
}

// Keeps the fastest repetition of each benchmark and prints the table.
class Table final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& /*context*/) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const auto name = run.run_name.function_name;
            const auto [entry, added] = _fastest.try_emplace(name, run.GetAdjustedCPUTime());
            if (!added) entry->second = std::min(entry->second, run.GetAdjustedCPUTime());
        }
    }
    void Finalize() override {
        auto& out = GetOutputStream();
        out << "| Figure | Time | Floor | Ratio | Goal |\n|---|--:|--:|--:|--:|\n";
        for (const auto& figure : Figures()) {
            const auto timed = _fastest.find(figure.name);
            const auto floored = _fastest.find(figure.name + " floor");
            if (timed == _fastest.end() || floored == _fastest.end()) continue;  // left out by a filter
            const double time = timed->second / figure.perIteration;
            const double floor = floored->second / figure.perIteration;
            std::array<char, 16> ratio{};
            std::snprintf(ratio.data(), ratio.size(), "%.2f×", time / floor);
            out << "| " << figure.name << " | " << Time(time) << " | " << Time(floor) << " | " << ratio.data() << " | "
                << figure.goal << " |\n";
        }
    }

private:
    std::map<std::string, double> _fastest;
};

}  // namespace

std::vector<Figure>& Figures() {
    static std::vector<Figure> figures;
    return figures;
}

std::unique_ptr<benchmark::BenchmarkReporter> TableReporter() { return std::make_unique<Table>(); }

}  // namespace stenvik::bench
