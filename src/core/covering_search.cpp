#include "core/covering_search.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "core/randomc.h"

namespace stenvik::covering {

namespace {

constexpr Outcome kNone = std::numeric_limits<Outcome>::max();
// Deadlines are looked at this often, so a clock read costs next to nothing.
constexpr std::uint64_t kClockEvery = 256;
constexpr std::uint64_t kPlaceTabu = 10;
// How long a moved row rests, as shares of the rows: which suits a space
// best differs, so the search takes each in turn for a phase of steps.
constexpr std::array<std::uint64_t, 4> kRowTabuShares{8, 32, 16, 64};
constexpr std::uint64_t kPhaseSteps = 50'000;

std::uint32_t Draw(TRandomMersenne& random, std::size_t below) {
    return static_cast<std::uint32_t>(random.BRandom() % static_cast<std::uint32_t>(below));
}

bool OutOfTime(const Budget& budget, std::uint64_t steps) {
    return steps >= budget.steps ||
           (budget.deadline && steps % kClockEvery == 0 && std::chrono::steady_clock::now() >= *budget.deadline);
}

// The cover counts of one code. A point's `xored` holds the XOR of the
// indices of the rows that cover it, which is the row itself when only one
// does: that is how a move learns, without a search, whose `loss` (the
// points only that row covers) it changes.
class State {
public:
    State(const Balls& balls, std::span<const std::uint8_t> required)
        : balls_(balls),
          required_(required),
          count_(balls.Points()),
          xored_(balls.Points()),
          where_(balls.Points(), kNone) {
        for (Outcome p = 0; p < balls.Points(); ++p) {
            if (Required(p)) Open(p);
        }
    }

    bool Required(Outcome p) const { return required_.empty() || required_[p] != 0; }
    std::size_t Uncovered() const { return open_.size(); }
    Outcome OpenPoint(std::size_t i) const { return open_[i]; }
    std::uint32_t Loss(std::uint32_t row) const { return loss_[row]; }

    void Add(std::uint32_t row, Outcome at) {
        if (row >= loss_.size()) loss_.resize(row + 1);
        for (const Outcome o : balls_.Of(at)) {
            if (!Required(o)) continue;
            if (count_[o] == 0) {
                Close(o);
                ++loss_[row];
            } else if (count_[o] == 1) {
                --loss_[xored_[o]];
            }
            ++count_[o];
            xored_[o] ^= row;
        }
    }

    void Remove(std::uint32_t row, Outcome at) {
        for (const Outcome o : balls_.Of(at)) {
            if (!Required(o)) continue;
            --count_[o];
            xored_[o] ^= row;
            if (count_[o] == 0) Open(o);
            if (count_[o] == 1) ++loss_[xored_[o]];
        }
        loss_[row] = 0;
    }

    // The points a row at `at` would cover that nothing covers now; and, in
    // `shared`, for each row, how many of its own points `at` would also
    // cover, listed in `touched`.
    std::uint32_t Gain(Outcome at, std::vector<std::uint32_t>& shared, std::vector<std::uint32_t>& touched) const {
        std::uint32_t gain = 0;
        for (const Outcome o : balls_.Of(at)) {
            if (!Required(o)) continue;
            if (count_[o] == 0) {
                ++gain;
            } else if (count_[o] == 1) {
                const std::uint32_t row = xored_[o];
                if (shared[row]++ == 0) touched.push_back(row);
            }
        }
        return gain;
    }

private:
    void Open(Outcome p) {
        where_[p] = static_cast<Outcome>(open_.size());
        open_.push_back(p);
    }
    void Close(Outcome p) {
        const Outcome last = open_.back();
        open_[where_[p]] = last;
        where_[last] = where_[p];
        open_.pop_back();
        where_[p] = kNone;
    }

    const Balls& balls_;
    std::span<const std::uint8_t> required_;
    std::vector<std::uint32_t> count_;
    std::vector<std::uint32_t> xored_;
    std::vector<Outcome> where_;
    std::vector<Outcome> open_;
    std::vector<std::uint32_t> loss_;
};

Code Sorted(Code code) {
    std::ranges::sort(code);
    return code;
}

}  // namespace

Balls::Balls(const Space& space, int radius) {
    start_.reserve(space.Size() + 1);
    for (Outcome p = 0; p < space.Size(); ++p) {
        start_.push_back(static_cast<std::uint32_t>(list_.size()));
        ForEachWithin(space, p, radius, [&](Outcome o) { list_.push_back(o); });
    }
    start_.push_back(static_cast<std::uint32_t>(list_.size()));
}

Balls::Balls(int k, std::span<const Outcome> offsets) {
    Outcome points = 1;
    for (int i = 0; i < k; ++i) points *= 3;
    start_.reserve(points + 1);
    for (Outcome p = 0; p < points; ++p) {
        start_.push_back(static_cast<std::uint32_t>(list_.size()));
        for (const Outcome d : offsets) {
            Outcome sum = 0;
            for (Outcome place = 1; place < points; place *= 3) {
                sum += (p / place % 3 + d / place % 3) % 3 * place;
            }
            list_.push_back(sum);
        }
    }
    start_.push_back(static_cast<std::uint32_t>(list_.size()));
}

SearchResult Cover(const Balls& balls, Code start, std::size_t size, std::uint32_t seed, const Budget& budget,
                   std::span<const std::uint8_t> required) {
    TRandomMersenne random(static_cast<std::int32_t>(seed));
    start.resize(std::min(start.size(), size));
    while (start.size() < size) start.push_back(Draw(random, balls.Points()));

    State state(balls, required);
    for (std::uint32_t row = 0; row < size; ++row) state.Add(row, start[row]);
    SearchResult best{start, state.Uncovered(), 0};
    if (size == 0) return {{}, best.uncovered, 0};

    std::vector<std::uint64_t> tabu(balls.Points(), 0);
    // A moved row rests for a while, so that one row does not shuttle
    // between two places.
    std::vector<std::uint64_t> moved(size, 0);

    std::vector<std::uint32_t> shared(size, 0);
    std::vector<std::uint32_t> touched;
    std::uint64_t step = 0;
    while (state.Uncovered() > 0 && !OutOfTime(budget, step)) {
        ++step;
        const Outcome u = state.OpenPoint(Draw(random, state.Uncovered()));
        // The free row that leaves least uncovered behind, ties drawn.
        std::uint32_t cheapest = 0;
        std::uint32_t cheapestTies = 0;
        for (std::uint32_t row = 0; row < size; ++row) {
            if (moved[row] > step) continue;
            if (cheapestTies == 0 || state.Loss(row) < state.Loss(cheapest)) {
                cheapest = row;
                cheapestTies = 1;
            } else if (state.Loss(row) == state.Loss(cheapest) && Draw(random, ++cheapestTies) == 0) {
                cheapest = row;
            }
        }
        std::int64_t bestDelta = std::numeric_limits<std::int64_t>::max();
        std::uint32_t bestRow = 0;
        Outcome bestTo = kNone;
        std::uint32_t ties = 0;
        for (const Outcome to : balls.Of(u)) {
            const std::int64_t gain = state.Gain(to, shared, touched);
            const bool banned = tabu[to] > step;
            const auto consider = [&](std::uint32_t row) {
                if (start[row] == to) return;
                const std::int64_t delta = std::int64_t{state.Loss(row)} - shared[row] - gain;
                if ((banned || moved[row] > step) &&
                    static_cast<std::int64_t>(state.Uncovered()) + delta >= static_cast<std::int64_t>(best.uncovered)) {
                    return;
                }
                if (delta < bestDelta) {
                    bestDelta = delta;
                    ties = 0;
                }
                if (delta == bestDelta && Draw(random, ++ties) == 0) {
                    bestRow = row;
                    bestTo = to;
                }
            };
            if (cheapestTies > 0) consider(cheapest);
            for (const std::uint32_t row : touched) consider(row);
            for (const std::uint32_t row : touched) shared[row] = 0;
            touched.clear();
        }
        if (bestTo == kNone) continue;
        const Outcome from = start[bestRow];
        state.Remove(bestRow, from);
        state.Add(bestRow, bestTo);
        start[bestRow] = bestTo;
        tabu[from] = step + kPlaceTabu + Draw(random, kPlaceTabu);
        const std::uint64_t rest = size / kRowTabuShares[step / kPhaseSteps % kRowTabuShares.size()];
        moved[bestRow] = step + rest + Draw(random, rest + 1);
        if (state.Uncovered() < best.uncovered) {
            best.uncovered = state.Uncovered();
            best.code = start;
        }
    }
    best.steps = step;
    best.code = Sorted(std::move(best.code));
    return best;
}

Code Shrink(const Balls& balls, Code code, std::size_t floor, std::uint32_t seed, const Budget& budget,
            std::span<const std::uint8_t> required) {
    TRandomMersenne random(static_cast<std::int32_t>(seed));
    std::uint64_t spent = 0;
    while (code.size() > floor && spent < budget.steps) {
        // Drop the row whose points others cover most.
        State state(balls, required);
        for (std::uint32_t row = 0; row < code.size(); ++row) state.Add(row, code[row]);
        std::uint32_t drop = 0;
        for (std::uint32_t row = 1; row < code.size(); ++row) {
            if (state.Loss(row) < state.Loss(drop)) drop = row;
        }
        Code start = code;
        start.erase(start.begin() + drop);
        const Budget rest{budget.steps - spent, budget.deadline};
        SearchResult found = Cover(balls, std::move(start), code.size() - 1, random.BRandom(), rest, required);
        spent += std::max<std::uint64_t>(found.steps, 1);
        if (found.uncovered > 0) break;
        code = std::move(found.code);
    }
    return Sorted(std::move(code));
}

}  // namespace stenvik::covering
