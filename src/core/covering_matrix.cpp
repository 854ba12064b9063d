// The matrix method: a code over GF(3)^n from a cover of the far smaller
// space GF(3)^k, whose balls are the sums of a few columns of [I | B].

#include <algorithm>

#include "core/covering_search.h"
#include "core/randomc.h"

namespace stenvik::covering {

namespace {

Outcome Power3(int k) {
    Outcome power = 1;
    for (int i = 0; i < k; ++i) power *= 3;
    return power;
}

// Words of GF(3)^k as numbers in base 3, the first symbol slowest.
Outcome Add(Outcome a, Outcome b, int k) {
    Outcome sum = 0;
    for (Outcome place = 1, end = Power3(k); place < end; place *= 3)
        sum += (a / place % 3 + b / place % 3) % 3 * place;
    return sum;
}

Outcome Times(Outcome a, int factor, int k) { return factor == 1 ? a : Add(a, a, k); }

Outcome Column(const Matrix& matrix, int j) {
    if (j < matrix.k) return Power3(matrix.k - 1 - j);
    Outcome column = 0;
    for (int i = 0; i < matrix.k; ++i) {
        column = column * 3 + matrix.b[static_cast<std::size_t>(i)][static_cast<std::size_t>(j - matrix.k)];
    }
    return column;
}

void SetColumn(Matrix& matrix, int j, Outcome column) {
    for (int i = matrix.k - 1; i >= 0; --i, column /= 3) {
        matrix.b[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(column % 3);
    }
}

// A nonzero column for B, not a multiple of a unit column or of another
// column of B while such columns are left: repeated directions waste a
// ball's points.
Outcome FreshColumn(const Matrix& matrix, int except, TRandomMersenne& random) {
    const Outcome nonzero = std::max<Outcome>(Power3(matrix.k) - 1, 1);
    const auto taken = [&](Outcome column) {
        for (int j = 0; j < matrix.n; ++j) {
            if (j == matrix.k + except) continue;
            const Outcome other = Column(matrix, j);
            if (column == other || column == Times(other, 2, matrix.k)) return true;
        }
        return false;
    };
    Outcome column = 0;
    for (int tries = 0; tries < 64; ++tries) {
        column = 1 + static_cast<Outcome>(random.BRandom() % nonzero);
        if (!taken(column)) break;
    }
    return column;
}

std::uint64_t Score(const Matrix& matrix, int words, int radius, std::uint32_t seed, std::uint64_t steps,
                    Matrix& scored) {
    const std::vector<Outcome> offsets = MatrixOffsets(matrix, radius);
    const Balls balls(matrix.k, offsets);
    const SearchResult found = Cover(balls, {}, static_cast<std::size_t>(words), seed, {steps, std::nullopt});
    scored = matrix;
    scored.s = found.code;
    return found.uncovered;
}

}  // namespace

std::vector<Outcome> MatrixOffsets(const Matrix& matrix, int radius) {
    std::vector<Outcome> offsets{0};
    const int k = matrix.k;
    for (int j = 0; j < matrix.n; ++j) {
        for (int a = 1; a <= 2; ++a) {
            const Outcome one = Times(Column(matrix, j), a, k);
            offsets.push_back(one);
            if (radius < 2) continue;
            for (int l = j + 1; l < matrix.n; ++l) {
                for (int b = 1; b <= 2; ++b) offsets.push_back(Add(one, Times(Column(matrix, l), b, k), k));
            }
        }
    }
    std::ranges::sort(offsets);
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    return offsets;
}

Code MatrixRows(const Matrix& matrix) {
    const int free = matrix.n - matrix.k;
    const Outcome tails = Power3(free);
    Code rows;
    rows.reserve(matrix.s.size() * tails);
    for (Outcome y = 0; y < tails; ++y) {
        // B·y, negated, so that h = s - B·y.
        Outcome minus = 0;
        for (int j = 0; j < free; ++j) {
            const int symbol = static_cast<int>(y / Power3(free - 1 - j) % 3);
            if (symbol != 0) minus = Add(minus, Times(Column(matrix, matrix.k + j), 3 - symbol, matrix.k), matrix.k);
        }
        for (const Outcome s : matrix.s) rows.push_back(Add(s, minus, matrix.k) * tails + y);
    }
    std::ranges::sort(rows);
    return rows;
}

std::optional<Matrix> SearchMatrix(int n, int k, int words, int radius, std::uint32_t seed, const Budget& budget) {
    TRandomMersenne random(static_cast<std::int32_t>(seed));
    Matrix matrix{
        n, k, std::vector(static_cast<std::size_t>(k), std::vector<std::uint8_t>(static_cast<std::size_t>(n - k))), {}};
    for (int j = 0; j < n - k; ++j) SetColumn(matrix, j, FreshColumn(matrix, j, random));
    // Enough steps for S's search to settle in the small space, not more.
    const std::uint64_t inner = 40 * static_cast<std::uint64_t>(words) + 200;
    Matrix best;
    std::uint64_t score = Score(matrix, words, radius, random.BRandom(), inner, best);
    for (std::uint64_t spent = inner; score > 0 && spent < budget.steps && n > k; spent += inner) {
        if (budget.deadline && std::chrono::steady_clock::now() >= *budget.deadline) break;
        Matrix next = matrix;
        SetColumn(next, static_cast<int>(random.BRandom() % static_cast<std::uint32_t>(n - k)),
                  FreshColumn(matrix, -1, random));
        Matrix scored;
        const std::uint64_t nextScore = Score(next, words, radius, random.BRandom(), inner, scored);
        if (nextScore <= score) {
            matrix = std::move(next);
            score = nextScore;
            best = std::move(scored);
        }
    }
    if (score > 0) return std::nullopt;
    return best;
}

}  // namespace stenvik::covering
