#pragma once
// What a player asks of a coupon before paying for it and after the matches:
// its rows and their cost, the rows to upload, and how many signs came true.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/coupon.h"

namespace stenvik::coupon {

// Svenska Spel's limit for one uploaded file of own rows: 10 000 rows. A
// larger coupon has to be split over several files.
inline constexpr std::uint64_t kUploadRowLimit = 10'000;
constexpr bool FitsUpload(std::uint64_t rows) { return rows <= kUploadRowLimit; }

// A price a row when the player names none: one krona.
inline constexpr std::uint64_t kDefaultPrice = 1;

// Rows with at least this many correct signs win, and a check names them.
inline constexpr int kWinningHits = 10;

// A system's 2^half covers × 3^full covers; the number of rows otherwise.
std::uint64_t RowCount(const Coupon& coupon);

// Rows equal to an earlier row; none in a system.
std::uint64_t RepeatedRows(const Coupon& coupon);

// The upload text of the coupon's rows, as "SPARA raderna" writes one:
// Windows-1252, "\r\n" between lines, none at the end. A system's rows come
// with match 1 varying slowest and the signs in the order 1, X, 2. The
// caller keeps RowCount(coupon) within kUploadRowLimit.
std::string UploadText(const Coupon& coupon, Game game);

// The matches' outcomes; nothing for a match not yet decided.
using Result = std::array<std::optional<char>, rc::kMatches>;

// Why a typed result is none: the first character that is no sign (a UTF-8
// sequence whole), or else the wrong number of signs.
struct ResultError {
    std::string_view noSign;  // empty when every character was a sign
    std::size_t signs = 0;
    friend bool operator==(const ResultError&, const ResultError&) = default;
};

// The results as a player types them: a sign 1, X or 2 for each match, or -
// for one not yet decided; blanks and commas between them are ignored.
std::variant<Result, ResultError> ReadResult(std::string_view text);

struct CheckSummary {
    std::vector<int> correct;                                // each row's correct signs; none for a system
    std::array<std::uint64_t, rc::kMatches + 1> rowsWith{};  // rowsWith[k]: the rows with k correct
    int best = 0;                                            // the most correct signs of any row
    int undecided = 0;                                       // matches without an outcome
};

// Correct signs count decided matches only. A system's counts come from its
// sets, match by match, without visiting its rows.
CheckSummary Check(const Coupon& coupon, const Result& result);

}  // namespace stenvik::coupon
