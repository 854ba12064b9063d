#include "tools/covering_search/known.h"

#include <algorithm>
#include <array>
#include <utility>

namespace covering_search {

using namespace stenvik::covering;

namespace {

constexpr std::array<std::uint64_t, kMostCovers> kTernaryOne{1,   3,    5,    9,    27,    73,   186,
                                                             486, 1269, 3645, 9477, 27702, 59049};
// Proved lower bounds for lengths 6 to 12; the others above are exact.
constexpr std::array<std::uint64_t, kMostCovers> kTernaryOneBelow{1,   3,    5,    9,    27,    71,   156,
                                                                  403, 1064, 2854, 7832, 21531, 59049};
constexpr std::array<std::uint64_t, kMostCovers> kTernaryTwo{1, 1, 3, 3, 8, 17, 34, 81, 219, 555, 729, 2187, 6561};
constexpr std::array<std::uint64_t, kMostCovers> kBinaryOne{1, 2, 2, 4, 7, 12, 16, 32, 62, 120, 192, 380, 704};
constexpr std::array<std::uint64_t, kMostCovers> kBinaryTwo{1, 1, 2, 2, 2, 4, 7, 12, 16, 30, 44, 78, 128};

struct Mixed {
    int full;
    int half;
    int radius;
    std::uint64_t rows;
};
constexpr auto kMixed = std::to_array<Mixed>({
    {1, 1, 1, 2},
    {1, 2, 1, 3},
    {2, 1, 1, 4},
    {1, 3, 1, 6},
    {2, 2, 1, 6},
    {3, 1, 1, 9},
    {1, 4, 1, 8},
    {2, 3, 1, 12},
    {4, 1, 1, 18},
    {2, 1, 2, 2},
    {2, 2, 2, 3},
    {1, 4, 2, 3},
    {2, 3, 2, 4},
    {3, 2, 2, 5},
    {1, 5, 2, 6},
    {4, 1, 2, 6},
    {2, 4, 2, 6},
});
// Known, but not known to be the least.
constexpr Mixed kThreeThree{3, 3, 1, 24};

bool Is(const Mixed& mixed, Cell cell) {
    return mixed.full == cell.full && mixed.half == cell.half && mixed.radius == cell.radius;
}

std::optional<std::uint64_t> Exact(Cell cell) {
    const std::size_t n = static_cast<std::size_t>(cell.full + cell.half) - 1;
    if (cell.half == 0 && cell.radius == 1 && kTernaryOne[n] == kTernaryOneBelow[n]) return kTernaryOne[n];
    if (cell.half == 0 && cell.radius == 2) return kTernaryTwo[n];
    if (cell.full == 0) return (cell.radius == 1 ? kBinaryOne : kBinaryTwo)[n];
    const auto* mixed = std::ranges::find_if(kMixed, [&](const Mixed& known) { return Is(known, cell); });
    if (mixed != kMixed.end()) return mixed->rows;
    return std::nullopt;
}

Cell Make(int full, int half, int radius) {
    return {static_cast<std::uint8_t>(full), static_cast<std::uint8_t>(half), static_cast<std::uint8_t>(radius)};
}

// The ternary Golay code is the multiples of g(x) = x^5 + x^4 - x^3 + x^2 - 1
// of degree below 11. Its last six coordinates carry the message, so for
// each unit message the first five give a column of -B in H = [I | B].
Matrix Golay() {
    constexpr std::array<int, 6> kG{2, 0, 1, 2, 1, 1};  // from x^0 up, -1 as 2
    constexpr int kN = 11;
    constexpr int kK = 5;
    Matrix golay{.n = kN, .k = kK, .b = std::vector(kK, std::vector<std::uint8_t>(kN - kK)), .s = {0}};
    // The message m(x) of degree below 6 whose product has the unit in
    // coordinate 5 + j and zeros in the other high coordinates: solve from
    // the top, as g's leading coefficient is 1.
    for (int j = 0; j < kN - kK; ++j) {
        std::array<int, kN> c{};
        std::array<int, kN - kK> m{};
        for (int top = kN - 1; top >= kK; --top) {
            const int want = top == kK + j ? 1 : 0;
            const int i = top - kK;  // m_i's term x^i·x^5 lands on `top`
            m[static_cast<std::size_t>(i)] = ((want - c[static_cast<std::size_t>(top)]) % 3 + 3) % 3;
            for (int d = 0; d <= kK; ++d) {
                const int at = i + d;
                c[static_cast<std::size_t>(at)] += m[static_cast<std::size_t>(i)] * kG[static_cast<std::size_t>(d)];
            }
        }
        for (int r = 0; r < kK; ++r) {
            golay.b[static_cast<std::size_t>(r)][static_cast<std::size_t>(j)] =
                static_cast<std::uint8_t>((3 - c[static_cast<std::size_t>(r)] % 3) % 3);
        }
    }
    return golay;
}

// H = [I | B] whose columns are one nonzero vector of each line through the
// origin of GF(3)^k: the one whose first nonzero symbol is 1.
Matrix Hamming(int k) {
    Matrix hamming{.n = k, .k = k, .b = std::vector<std::vector<std::uint8_t>>(static_cast<std::size_t>(k)), .s = {0}};
    Outcome points = 1;
    for (int i = 0; i < k; ++i) points *= 3;
    for (Outcome v = 1; v < points; ++v) {
        std::vector<std::uint8_t> column;
        for (Outcome place = points / 3; place > 0; place /= 3)
            column.push_back(static_cast<std::uint8_t>(v / place % 3));
        const auto lead = std::ranges::find_if(column, [](std::uint8_t symbol) { return symbol != 0; });
        if (*lead != 1 || std::ranges::count(column, 0) == k - 1) continue;
        for (std::size_t r = 0; r < column.size(); ++r) hamming.b[r].push_back(column[r]);
        ++hamming.n;
    }
    return hamming;
}

}  // namespace

void AddKnownCodes(Table& table) {
    for (int radius = 1; radius <= 2; ++radius) {
        for (int n = 1; n <= radius; ++n) {
            for (int full = 0; full <= n; ++full) {
                table.At(Make(full, n - full, radius)) = {
                    .cell = Make(full, n - full, radius), .how = How::Rows, .rows = 1, .data = "0"};
            }
        }
    }
    for (const int k : {2, 3}) {
        const Matrix hamming = Hamming(k);
        const Cell cell = Make(hamming.n, 0, 1);
        table.At(cell) = {
            .cell = cell, .how = How::Matrix, .rows = MatrixRows(hamming).size(), .data = FormatMatrix(hamming)};
    }
    table.At(Make(11, 0, 2)) = {.cell = Make(11, 0, 2), .how = How::Matrix, .rows = 729, .data = FormatMatrix(Golay())};
    // Binary Hamming: the words whose set coordinates' numbers 1 to 7 XOR to 0.
    const Space space(Shape{0, 7});
    Code hamming7;
    for (Outcome o = 0; o < space.Size(); ++o) {
        int syndrome = 0;
        for (int i = 0; i < 7; ++i) syndrome ^= space.Symbol(o, i) * (i + 1);
        if (syndrome == 0) hamming7.push_back(o);
    }
    table.At(Make(0, 7, 1)) = {
        .cell = Make(0, 7, 1), .how = How::Rows, .rows = hamming7.size(), .data = Pack(space, hamming7)};
}

std::optional<std::uint64_t> Record(Cell cell) {
    if (const auto exact = Exact(cell)) return exact;
    const std::size_t n = static_cast<std::size_t>(cell.full + cell.half) - 1;
    if (cell.half == 0 && cell.radius == 1) return kTernaryOne[n];
    if (Is(kThreeThree, cell)) return kThreeThree.rows;
    return std::nullopt;
}

std::uint64_t LowerBound(Cell cell) {
    const std::uint64_t sphere = SphereBound(cell.GetShape(), cell.radius);
    if (const auto exact = Exact(cell)) return std::max(sphere, *exact);
    if (cell.half == 0 && cell.radius == 1) {
        return std::max(sphere, kTernaryOneBelow[static_cast<std::size_t>(cell.full) - 1]);
    }
    return sphere;
}

}  // namespace covering_search
