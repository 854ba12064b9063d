#include "tools/covering_search/searches.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "tools/covering_search/known.h"

namespace covering_search {

using namespace stenvik::covering;

namespace {

// A local search over a space whose balls, listed once, hold more points
// than this would take too long per step to pay.
constexpr std::uint64_t kMostBallPoints = 4'000'000;
// The matrix method's small space, GF(3)^k, at most this large.
constexpr int kLargestK = 8;
// Each search's budget in steps, each step weighed by what it visits: a
// ball's points for each of a ball's candidate places, and every row once.
// About fifteen seconds a search on the build machine.
constexpr std::uint64_t kLocalWork = 1'500'000'000;
constexpr std::uint64_t kMatrixWork = 1'250'000'000;
constexpr std::uint64_t kFewestSteps = 20'000;
// What stored rows may take in the program, of the 48 KiB the catalogue
// may add: the table of entries itself takes about 10.
constexpr std::size_t kRowBytes = 30'000;

std::uint64_t Steps(std::uint64_t work, std::uint64_t ball, std::uint64_t rows) {
    return std::max(kFewestSteps, work / (ball * ball + rows));
}

struct Job {
    Cell cell;
    int k = 0;                // the matrix method's, 0 for a local search
    std::uint64_t steps = 0;  // a local search's
    std::uint32_t seed = 0;
};

std::uint64_t Power3(int k) {
    std::uint64_t power = 1;
    for (int i = 0; i < k; ++i) power *= 3;
    return power;
}

std::optional<Recipe> Local(const Table& table, const Job& job, const Budget& budget) {
    const Cell cell = job.cell;
    const Space space(cell.GetShape());
    const Balls balls(space, cell.radius);
    const Code start = table.Build(cell);
    const Code found = Shrink(balls, start, LowerBound(cell), job.seed, budget);
    if (found.size() >= start.size()) return std::nullopt;
    return Recipe{.cell = cell, .how = How::Rows, .rows = found.size(), .data = Pack(space, found)};
}

// The smallest S the search reaches below the table's size, one word less
// each time it succeeds.
std::optional<Recipe> ByMatrix(const Table& table, const Job& job) {
    const Cell cell = job.cell;
    const int n = cell.full;
    const std::uint64_t tail = Power3(n - job.k);
    const std::uint64_t ball = std::min(Power3(job.k), BallSize({n, 0}, cell.radius));
    const std::uint64_t fewest = (Power3(job.k) + ball - 1) / ball;
    std::optional<Recipe> best;
    for (auto words = (table.At(cell).rows - 1) / tail; words >= std::max<std::uint64_t>(fewest, 1); --words) {
        const auto matrix =
            SearchMatrix(n, job.k, static_cast<int>(words), cell.radius, job.seed + static_cast<std::uint32_t>(words),
                         {Steps(kMatrixWork, ball, words), std::nullopt});
        if (!matrix) break;
        best = Recipe{.cell = cell, .how = How::Matrix, .rows = words * tail, .data = FormatMatrix(*matrix)};
    }
    return best;
}

std::vector<Job> Plan(const Table& table) {
    std::vector<Job> jobs;
    std::uint32_t seed = 1;
    for (const Recipe& recipe : table.Recipes()) {
        const Cell cell = recipe.cell;
        if (!recipe.found.empty() || recipe.rows <= LowerBound(cell) || LowerBound(cell) > kUploadRowLimit) continue;
        const Shape shape = cell.GetShape();
        const std::uint64_t ball = BallSize(shape, cell.radius);
        if (Space(shape).Size() * ball <= kMostBallPoints && recipe.rows <= kUploadRowLimit) {
            jobs.push_back({cell, 0, Steps(kLocalWork, ball, recipe.rows), seed++});
        }
        if (cell.half > 0) continue;
        for (int k = 2; k < cell.full && k <= kLargestK; ++k) {
            // Worth a try only where fewer words than now fit, and the
            // code could be uploaded.
            const std::uint64_t tail = Power3(cell.full - k);
            if (tail < std::min(recipe.rows, kUploadRowLimit + 1)) jobs.push_back({cell, k, 0, seed++});
        }
    }
    return jobs;
}

// Stored rows weigh on the program's size: while they hold more than
// kRowBytes, the cell whose rows save least beside the rules' bound, for
// their bytes, goes back to what the rules make.
void KeepWithinBytes(Table& table) {
    for (;;) {
        std::size_t bytes = 0;
        const Recipe* worst = nullptr;
        double worstValue = 0;
        for (const Recipe& recipe : table.Recipes()) {
            if (recipe.how != How::Rows || !recipe.found.empty() || recipe.rows == 1) continue;
            bytes += recipe.data.size();
            const auto bound = static_cast<double>(table.RulesBound(recipe.cell));
            const double value =
                (bound - static_cast<double>(recipe.rows)) / bound / static_cast<double>(recipe.data.size());
            if (worst == nullptr || value < worstValue) {
                worst = &recipe;
                worstValue = value;
            }
        }
        if (bytes <= kRowBytes || worst == nullptr) return;
        table.At(worst->cell) = {.cell = worst->cell};
        table.Close();
    }
}

}  // namespace

void SearchAll(Table& table) {
    const std::vector<Job> jobs = Plan(table);
    std::vector<std::optional<Recipe>> results(jobs.size());
    std::atomic<std::size_t> next{0};
    std::mutex print;
    const auto start = std::chrono::steady_clock::now();
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const Job& job = jobs[i];
            results[i] = job.k == 0 ? Local(table, job, {job.steps, std::nullopt}) : ByMatrix(table, job);
            const std::lock_guard lock(print);
            std::cerr
                << Name(job.cell) << (job.k == 0 ? " local" : " matrix k = " + std::to_string(job.k)) << ": "
                << (results[i] ? std::to_string(results[i]->rows) : "-") << " (was " << table.At(job.cell).rows << "), "
                << std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count()
                << " s\n";
        }
    };
    std::vector<std::jthread> workers;
    for (unsigned i = 0; i < std::max(1U, std::thread::hardware_concurrency()); ++i) workers.emplace_back(work);
    workers.clear();
    // In the plan's order, so that the same results give the same table.
    for (const auto& result : results) {
        if (result && result->rows < table.At(result->cell).rows) table.At(result->cell) = *result;
    }
    table.Close();
    KeepWithinBytes(table);
}

bool SearchLonger(Table& table, Cell cell, std::uint32_t seed, int seconds) {
    const auto start = std::chrono::steady_clock::now();
    const Budget budget{~std::uint64_t{0}, start + std::chrono::seconds(seconds)};
    auto found = Local(table, {cell, 0, budget.steps, seed}, budget);
    if (!found) return false;
    const auto took = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
    found->found = "seed " + std::to_string(seed) + ", " + std::to_string(took.count()) + " s";
    table.At(cell) = *found;
    return true;
}

}  // namespace covering_search
