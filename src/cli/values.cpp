#include "cli/values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "cli/shown.h"
#include "core/rc.h"

namespace stenvik::cli {

namespace {

// Plain decimal digits with an optional minus: no blanks, no plus, no hex.
template <typename Int>
std::optional<Int> ParseDecimal(std::string_view text) {
    Int value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// "MATCH=..." of --sure and --percent: the match, 1 to 13, and the text after
// the "=". `form` is what the whole should look like.
std::pair<int, std::string_view> ParseMatchAssignment(std::string_view option, std::string_view text,
                                                      std::string_view form) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        throw BadArgument(std::string(option) + " " + Quoted(text) + ": expected " + std::string(form));
    }
    const auto match = ParseDecimal<int>(text.substr(0, equals));
    if (!match || *match < 1 || *match > rc::kMatches) {
        throw BadArgument(std::string(option) + " " + Quoted(text) + ": the match must be 1 to 13");
    }
    return {*match, text.substr(equals + 1)};
}

constexpr int kLargestId = 65535;  // identifiers and codes are 16-bit words

std::optional<int> ParseWithin(std::string_view text, int least, int most) {
    const auto value = ParseDecimal<int>(text);
    if (!value || *value < least || *value > most) return std::nullopt;
    return value;
}

std::optional<int> ParseWord(std::string_view text) { return ParseWithin(text, 0, kLargestId); }

std::optional<int> ParseShare(std::string_view text) { return ParseWithin(text, 0, 100); }

}  // namespace

std::int32_t ParseSeed(std::string_view text) {
    const auto seed = ParseDecimal<std::int32_t>(text);
    if (!seed) {
        throw BadArgument("--seed " + Quoted(text) + ": expected a whole number from -2147483648 to 2147483647");
    }
    return *seed;
}

int ParseRowCount(std::string_view text) {
    const auto count = ParseDecimal<int>(text);
    const bool offered = count && std::any_of(rc::kRowCounts.begin(), rc::kRowCounts.end(),
                                              [&](const rc::RowCount& entry) { return entry.rows == *count; });
    if (!offered) throw BadArgument("--count " + Quoted(text) + ": expected 1 to 24, 36, 48, 60, 72 or 90");
    return *count;
}

int ParseCoverCount(std::string_view option, std::string_view text) {
    const auto count = ParseDecimal<int>(text);
    if (!count || *count < 0 || *count > rc::kMatches) {
        throw BadArgument(std::string(option) + " " + Quoted(text) + ": expected 0 to 13");
    }
    return *count;
}

Method ParseMethod(std::string_view text) {
    if (text == "classic") return Method::Classic;
    if (text == "statistical") return Method::Statistical;
    throw BadArgument("--method " + Quoted(text) + ": expected classic or statistical");
}

Game ParseGame(std::string_view text) {
    if (text == "stryktipset") return Game::Stryktipset;
    if (text == "italienska") return Game::Italienska;
    throw BadArgument("--game " + Quoted(text) + ": expected stryktipset or italienska");
}

SureSign ParseSure(std::string_view text) {
    const auto [match, signText] = ParseMatchAssignment("--sure", text, "MATCH=SIGN, such as 5=X");
    constexpr std::array<std::string_view, 4> kSigns = {"1", "X", "x", "2"};
    constexpr std::array<int, 4> kSignIndex = {0, 1, 1, 2};
    const auto sign = std::find(kSigns.begin(), kSigns.end(), signText);
    if (sign == kSigns.end()) throw BadArgument("--sure " + Quoted(text) + ": the sign must be 1, X or 2");
    return {match, kSignIndex[static_cast<std::size_t>(sign - kSigns.begin())]};
}

void CheckDistinctMatches(const std::vector<SureSign>& sure) {
    for (auto sign = sure.begin(); sign != sure.end(); ++sign) {
        const auto same = [&](const SureSign& other) { return other.match == sign->match; };
        if (std::any_of(sure.begin(), sign, same)) {
            throw BadArgument("--sure: match " + std::to_string(sign->match) + " is given more than once");
        }
    }
}

Event ParseEvent(std::string_view text) {
    const auto colon = text.find(':');
    const bool hasCode = colon != std::string_view::npos;
    const auto id = ParseWord(text.substr(0, colon));
    const auto code = hasCode ? ParseWord(text.substr(colon + 1)) : std::nullopt;
    if (id && !hasCode) return Click{*id};
    if (id && code) return Send{*id, *code};
    throw BadArgument("event " + Quoted(text) + ": expected ID or ID:CODE, each 0 to 65535");
}

MatchPercent ParsePercent(std::string_view text) {
    const auto [match, shares] = ParseMatchAssignment("--percent", text, "MATCH=P1/PX/P2, such as 5=50/30/20");
    // P1/PX/P2: a fourth share or a missing one leaves a part that is no number.
    const auto first = shares.find('/');
    const auto second = first == std::string_view::npos ? first : shares.find('/', first + 1);
    const auto one = ParseShare(shares.substr(0, first));
    const auto cross =
        first == std::string_view::npos ? std::nullopt : ParseShare(shares.substr(first + 1, second - first - 1));
    const auto two = second == std::string_view::npos ? std::nullopt : ParseShare(shares.substr(second + 1));
    if (!one || !cross || !two) {
        throw BadArgument("--percent " + Quoted(text) +
                          ": expected three whole percents from 0 to 100, such as 5=50/30/20");
    }
    if (const int sum = *one + *cross + *two; sum != 100) {
        throw BadArgument("--percent " + Quoted(text) + ": the percents add up to " + std::to_string(sum) +
                          ", not 100");
    }
    return {match, {*one, *cross, *two}};
}

std::uint64_t ParsePrice(std::string_view text) {
    constexpr std::uint64_t kLargestPrice = 1'000'000;
    const auto price = ParseDecimal<std::uint64_t>(text);
    if (!price || *price < 1 || *price > kLargestPrice) {
        throw BadArgument("--price " + Quoted(text) + ": expected whole kronor a row, 1 to 1000000");
    }
    return *price;
}

coupon::Result ParseResult(std::string_view text) {
    auto read = coupon::ReadResult(text);
    if (const auto* error = std::get_if<coupon::ResultError>(&read)) {
        if (!error->noSign.empty()) {
            throw BadArgument("--result " + Quoted(text) + ": " + Quoted(error->noSign) +
                              " is no sign: expected 1, X, 2 or - (not yet decided)");
        }
        throw BadArgument("--result " + Quoted(text) + ": " + std::to_string(error->signs) +
                          " signs: expected 13, one for each match");
    }
    return std::get<coupon::Result>(read);
}

reduction::Guarantee ParseGuarantee(std::string_view option, std::string_view text) {
    using enum reduction::Guarantee;
    constexpr std::array<std::pair<std::string_view, reduction::Guarantee>, 2> kGuarantees = {{
        {"12", Twelve},
        {"11", Eleven},
    }};
    const auto* found = std::find_if(kGuarantees.begin(), kGuarantees.end(),
                                     [&](const auto& guarantee) { return guarantee.first == text; });
    if (found == kGuarantees.end()) {
        throw BadArgument(std::string(option) + " " + Quoted(text) +
                          ": expected 12 or 11, the correct signs guaranteed");
    }
    return found->second;
}

std::filesystem::path ParseOutputFile(std::string_view text) {
    if (text.empty())
        throw BadArgument("--output \"\": expected a file name such as ./rader.txt, or - for standard output");
    if (text.starts_with("-")) {
        throw BadArgument("--output " + Quoted(text) + ": looks like an option; for a file of that name write ./" +
                          Shown(text));
    }
    return std::string(text);
}

}  // namespace stenvik::cli
