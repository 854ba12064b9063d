#pragma once
// The values of stenvik-cli's options, each checked strictly: one the window
// could not produce is refused, never bent into range.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "core/coupon_tools.h"
#include "core/program_state.h"
#include "core/reduction.h"
#include "memory/scripted_user.h"

namespace stenvik::cli {

// A bad argument; its message names the problem in one line.
class BadArgument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::int32_t ParseSeed(std::string_view text);
// One of the counts the window offers: 1 to 24, 36, 48, 60, 72, 90.
int ParseRowCount(std::string_view text);
// 0 to 13 half or full covers; `option` names the option in the message.
int ParseCoverCount(std::string_view option, std::string_view text);
Method ParseMethod(std::string_view text);  // classic or statistical
Game ParseGame(std::string_view text);      // stryktipset or italienska
// "M=S": a match from 1 to 13 and a sign 1, X (or x) or 2.
SureSign ParseSure(std::string_view text);
// Each match may be fixed once.
void CheckDistinctMatches(const std::vector<SureSign>& sure);
// "ID" (a click) or "ID:CODE" (a command as is), each decimal 0 to 65535.
Event ParseEvent(std::string_view text);

// "M=P1/PX/P2": a match from 1 to 13 and its own weights, three whole
// percents that sum to 100.
struct MatchPercent {
    int match;
    Percent percent;
};
MatchPercent ParsePercent(std::string_view text);
// Whole kronor a row: 1 to 1000000, so that no coupon's price overflows.
std::uint64_t ParsePrice(std::string_view text);
// 13 signs 1, X (or x), 2 or - for a match not yet decided; commas and
// blanks may stand between them.
coupon::Result ParseResult(std::string_view text);
// The correct signs a reduced system guarantees: 12 or 11; `option` names
// the option in the message.
reduction::Guarantee ParseGuarantee(std::string_view option, std::string_view text);
// A file for --output that cannot be an option taken for its value, as in
// "--output --upload": neither empty nor starting with "-" ("-" itself,
// standard output, is the caller's to handle).
std::filesystem::path ParseOutputFile(std::string_view text);

}  // namespace stenvik::cli
