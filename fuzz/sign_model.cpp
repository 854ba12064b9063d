#include "fuzz/sign_model.h"

#include <algorithm>

#include "tests/support/box_texts.h"

namespace stenvik::fuzz {

namespace {

constexpr std::size_t kMatches = 13;

// The statistical weights: 117 real outcomes, 55 of them ones and 28 crosses.
constexpr std::int32_t kOutcomes = 117;
constexpr std::int32_t kOnes = 55;
constexpr std::int32_t kCrosses = 28;

char StatisticalSign(std::int32_t value) {
    if (value <= kOnes) return '1';
    return value <= kOnes + kCrosses ? 'X' : '2';
}

// The rarest sign a unique press may have to wait for: a quarter.
constexpr int kLeastPatientWeight = 25;

bool Repeats(const std::vector<std::string>& rows, std::size_t row) {
    return std::find(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(row), rows[row]) !=
           rows.begin() + static_cast<std::ptrdiff_t>(row);
}

// The different rows a press can draw: one sign on a sure match, else every
// sign with a weight.
std::int64_t PossibleRows(const PressState& press) {
    std::int64_t rows = 1;
    for (std::size_t match = 0; match < kMatches; ++match) {
        if (press.sure[match] != 0) continue;
        const auto& own = press.percent[match];
        rows *= own ? (own->one > 0) + (own->cross > 0) + (own->two > 0) : 3;
    }
    return rows;
}

bool RowsMustDiffer(const PressState& press) { return press.unique && PossibleRows(press) >= press.rows; }

std::string Differs(std::string_view what, std::size_t index, std::string_view got, std::string_view expected) {
    return std::string(what) + " " + std::to_string(index + 1) + " is [" + std::string(got) + "], the draws give [" +
           std::string(expected) + "]";
}

}  // namespace

std::int32_t SignModel::Draw(std::int32_t top) {
    _last = _stream.IRandom(1, top);
    return _last;
}

char SignModel::Sign(const PressState& press, std::size_t match) {
    if (press.sure[match] != 0) return press.sure[match];
    if (const auto& own = press.percent[match]) {
        const std::int32_t value = Draw(100);
        if (value <= own->one) return '1';
        return value <= own->one + own->cross ? 'X' : '2';
    }
    if (press.statistical) return StatisticalSign(Draw(kOutcomes));
    // Classic: three sixths ones, one sixth crosses, two sixths twos.
    const std::int32_t value = Draw(6);
    if (value <= 3) return '1';
    return value == 4 ? 'X' : '2';
}

std::vector<std::string> SignModel::SingleRows(const PressState& press) {
    const auto count = static_cast<std::size_t>(press.rows);
    std::vector<std::string> rows(count, std::string(kMatches, ' '));
    const auto drawRow = [&](std::string& row) {
        for (std::size_t match = 0; match < kMatches; ++match) row[match] = Sign(press, match);
    };
    if (press.upload) {
        std::ranges::for_each(rows, drawRow);
    } else {
        // The grid is written line by line, so match 1 of every row comes first.
        for (std::size_t match = 0; match < kMatches; ++match) {
            for (auto& row : rows) row[match] = Sign(press, match);
        }
    }
    if (RowsMustDiffer(press)) {
        for (std::size_t row = 1; row < count; ++row) {
            while (Repeats(rows, row)) drawRow(rows[row]);
        }
    }
    return rows;
}

// One try after another until a value falls on a kind with quota left: 1 to 6
// a single sign, 7 to 13 a half cover, 14 and 15 a full cover.
std::string SignModel::SystemCell(const PressState& press, std::size_t match, std::array<int, 3>& quota) {
    if (const char sure = press.sure[match]; sure != 0) return {' ', sure, ' '};
    auto& [singles, halves, fulls] = quota;
    for (;;) {
        const std::int32_t value = Draw(15);
        if (value <= 6 && singles > 0) {
            --singles;
            if (press.statistical) return {' ', StatisticalSign(Draw(kOutcomes)), ' '};
            if (value <= 3) return " 1 ";
            return value == 4 ? "   X " : "    2 ";
        }
        if (value >= 7 && value <= 13 && halves > 0) {
            --halves;
            if (value <= 9) return " 1X ";
            return value <= 11 ? "   X2 " : " 1  2 ";
        }
        if (value >= 14 && fulls > 0) {
            --fulls;
            return " 1X2 ";
        }
    }
}

std::array<std::string, 13> SignModel::SystemCells(const PressState& press) {
    const auto sure = std::ranges::count_if(press.sure, [](char sign) { return sign != 0; });
    std::array<int, 3> quota = {
        static_cast<int>(kMatches) - press.halfCovers - press.fullCovers - static_cast<int>(sure), press.halfCovers,
        press.fullCovers};
    std::array<std::string, 13> cells;
    // A refused system draws nothing.
    if (quota[0] < 0) return cells;
    for (std::size_t match = 0; match < kMatches; ++match) cells[match] = SystemCell(press, match, quota);
    return cells;
}

std::string SignModel::CheckPress(std::string_view text, const PressState& press) {
    // Both modes are never checked together; if they were, the system's text
    // would follow the single rows' draws.
    if (press.singleRows) {
        const auto expected = SingleRows(press);
        if (press.system) return {};
        const auto got = press.upload ? support::ReadUpload(text).value_or(support::Upload{}).rows
                                      : support::GridRows(text).value_or(std::vector<std::string>{});
        if (got.size() != expected.size()) return "not the rows drawn";
        for (std::size_t row = 0; row < got.size(); ++row) {
            if (RowsMustDiffer(press) && Repeats(got, row)) return "row " + std::to_string(row + 1) + " repeats";
            if (got[row] != expected[row]) return Differs("row", row, got[row], expected[row]);
        }
    }
    if (press.system) {
        const auto expected = SystemCells(press);
        if (expected[0].empty()) return {};
        const auto grid = support::ReadGrid(text);
        if (!grid) return "not the system drawn";
        for (std::size_t match = 0; match < kMatches; ++match) {
            if (grid->cells[match] != expected[match])
                return Differs("match", match, grid->cells[match], expected[match]);
        }
    }
    return {};
}

std::string SignModel::CheckStream(const ProgramState& state) const {
    if (state.seed != _seed) return "the seed is " + std::to_string(state.seed) + ", not " + std::to_string(_seed);
    if (state.rg.Index() != _stream.Index() || state.rg.State() != _stream.State()) {
        return "the random stream is not where the seed and the draws leave it";
    }
    if (state.ir != _last)
        return "ir is " + std::to_string(state.ir) + ", the last value drawn " + std::to_string(_last);
    return {};
}

bool SignModel::IsSlowUnique(const PressState& press) {
    if (!press.singleRows || !RowsMustDiffer(press)) return false;
    for (std::size_t match = 0; match < kMatches; ++match) {
        const auto& own = press.percent[match];
        if (press.sure[match] != 0 || !own) continue;
        for (const int weight : {own->one, own->cross, own->two}) {
            if (weight > 0 && weight < kLeastPatientWeight) return true;
        }
    }
    return false;
}

}  // namespace stenvik::fuzz
