// A system is never walked row by row to be counted or checked: its counts are
// products over the matches. Only the upload text visits its rows, and it
// rewrites just the matches that change from one row to the next.

#include "core/coupon_tools.h"

#include <algorithm>
#include <bit>

#include "core/codepage.h"
#include "core/coupon_text.h"

namespace stenvik::coupon {
namespace {

// The signs in the order a system's rows take them.
constexpr std::array<char, rc::kSigns> kSigns = {'1', 'X', '2'};
constexpr std::array<SignSet, rc::kSigns> kSets = {kOne, kCross, kTwo};

constexpr std::size_t kUploadCell = UploadSign('1').size();
constexpr std::size_t kUploadLine = kUploadRowStart.size() + rc::kMatches * kUploadCell;

// One upload row as bytes, so that the next row of a system costs one copy of
// the line and a rewrite of the matches that moved, not an allocation.
class UploadLine {
public:
    UploadLine() { std::ranges::copy(kUploadRowStart, _bytes.begin()); }
    void Set(std::size_t match, char sign) {
        const auto cell = kUploadRowStart.size() + match * kUploadCell;
        std::ranges::copy(UploadSign(sign), _bytes.begin() + static_cast<std::ptrdiff_t>(cell));
    }
    std::string_view View() const { return {_bytes.data(), _bytes.size()}; }

private:
    std::array<char, kUploadLine> _bytes{};
};

std::string_view GameLine(Game game) { return game == Game::Italienska ? kItalienska : kStryktipset; }

void AppendRows(std::string& text, const std::vector<Row>& rows) {
    UploadLine line;
    for (const Row& row : rows) {
        for (std::size_t m = 0; m < row.size(); ++m) line.Set(m, row[m]);
        text.append(line.View());
    }
}

// An odometer over the matches' signs: the last match turns fastest.
void AppendSystem(std::string& text, const std::array<SignSet, rc::kMatches>& system, std::uint64_t count) {
    std::array<std::array<char, rc::kSigns>, rc::kMatches> signs{};
    std::array<std::size_t, rc::kMatches> sizes{};
    std::array<std::size_t, rc::kMatches> at{};
    UploadLine line;
    for (std::size_t m = 0; m < system.size(); ++m) {
        for (std::size_t s = 0; s < kSigns.size(); ++s) {
            if ((system[m] & kSets[s]) != 0) signs[m][sizes[m]++] = kSigns[s];
        }
        line.Set(m, signs[m][0]);
    }
    for (std::uint64_t row = 0; row < count; ++row) {
        text.append(line.View());
        for (std::size_t m = system.size(); m-- > 0;) {
            if (++at[m] < sizes[m]) {
                line.Set(m, signs[m][at[m]]);
                break;
            }
            at[m] = 0;
            line.Set(m, signs[m][0]);
        }
    }
}

int Correct(const Row& row, const Result& result) {
    int correct = 0;
    for (std::size_t m = 0; m < row.size(); ++m) {
        if (result[m] == row[m]) ++correct;
    }
    return correct;
}

}  // namespace

std::uint64_t RowCount(const Coupon& coupon) {
    if (coupon.kind != Kind::System) return coupon.rows.size();
    std::uint64_t count = 1;
    for (const SignSet set : coupon.system) count *= static_cast<std::uint64_t>(std::popcount(set));
    return count;
}

std::uint64_t RepeatedRows(const Coupon& coupon) {
    if (coupon.kind == Kind::System || coupon.rows.empty()) return 0;
    std::vector<Row> sorted = coupon.rows;
    std::sort(sorted.begin(), sorted.end());
    const auto distinct = std::unique(sorted.begin(), sorted.end()) - sorted.begin();
    return sorted.size() - static_cast<std::size_t>(distinct);
}

std::string UploadText(const Coupon& coupon, Game game) {
    const std::uint64_t count = RowCount(coupon);
    std::string text(GameLine(game));
    text.reserve(text.size() + static_cast<std::size_t>(count) * kUploadLine);
    if (coupon.kind == Kind::System) {
        AppendSystem(text, coupon.system, count);
    } else {
        AppendRows(text, coupon.rows);
    }
    return text;
}

CheckSummary Check(const Coupon& coupon, const Result& result) {
    CheckSummary summary;
    summary.undecided = static_cast<int>(std::ranges::count_if(result, [](const auto& sign) { return !sign; }));
    if (coupon.kind == Kind::System) {
        // rowsWith as a polynomial in the correct signs: a match multiplies it
        // by (misses + hits·x), and an undecided match has no hits.
        summary.rowsWith[0] = 1;
        for (std::size_t m = 0; m < coupon.system.size(); ++m) {
            const SignSet set = coupon.system[m];
            const std::uint64_t hits = result[m] && (set & SetOf(*result[m])) != 0 ? 1 : 0;
            const std::uint64_t misses = static_cast<std::uint64_t>(std::popcount(set)) - hits;
            for (std::size_t k = m + 1; k > 0; --k) {
                summary.rowsWith[k] = summary.rowsWith[k] * misses + summary.rowsWith[k - 1] * hits;
            }
            summary.rowsWith[0] *= misses;
        }
    } else {
        summary.correct.reserve(coupon.rows.size());
        for (const Row& row : coupon.rows) {
            const int correct = Correct(row, result);
            summary.correct.push_back(correct);
            ++summary.rowsWith[static_cast<std::size_t>(correct)];
        }
    }
    for (int k = rc::kMatches; k > 0; --k) {
        if (summary.rowsWith[static_cast<std::size_t>(k)] > 0) {
            summary.best = k;
            break;
        }
    }
    return summary;
}

std::variant<Result, ResultError> ReadResult(std::string_view text) {
    Result result{};
    std::size_t signs = 0;
    for (std::size_t at = 0; at < text.size();) {
        const char character = text[at];
        std::size_t next = at;
        DecodeUtf8(text, next);
        if (character != ',' && character != ' ' && character != '\t') {
            constexpr std::string_view kTyped = "1Xx2-";
            constexpr std::array<char, 5> kOutcomes = {'1', 'X', 'X', '2', '-'};
            const auto sign = kTyped.find(character);
            if (sign == std::string_view::npos) return ResultError{.noSign = text.substr(at, next - at)};
            if (signs < result.size() && kOutcomes[sign] != '-') result[signs] = kOutcomes[sign];
            ++signs;
        }
        at = next;
    }
    if (signs != result.size()) return ResultError{.noSign = {}, .signs = signs};
    return result;
}

}  // namespace stenvik::coupon
