#include "argument_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>

#include "rc.h"
#include "shown_text.h"

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

constexpr int kLargestId = 65535;  // identifiers and codes are 16-bit words

std::optional<int> ParseWord(std::string_view text) {
    const auto value = ParseDecimal<int>(text);
    if (!value || *value < 0 || *value > kLargestId) return std::nullopt;
    return value;
}

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
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        throw BadArgument("--sure " + Quoted(text) + ": expected MATCH=SIGN, such as 5=X");
    }
    const auto match = ParseDecimal<int>(text.substr(0, equals));
    if (!match || *match < 1 || *match > rc::kMatches) {
        throw BadArgument("--sure " + Quoted(text) + ": the match must be 1 to 13");
    }
    constexpr std::array<std::string_view, 4> kSigns = {"1", "X", "x", "2"};
    constexpr std::array<int, 4> kSignIndex = {0, 1, 1, 2};
    const auto sign = std::find(kSigns.begin(), kSigns.end(), text.substr(equals + 1));
    if (sign == kSigns.end()) throw BadArgument("--sure " + Quoted(text) + ": the sign must be 1, X or 2");
    return {*match, kSignIndex[static_cast<std::size_t>(sign - kSigns.begin())]};
}

void CheckDistinctMatches(const std::vector<SureSign>& sure) {
    for (auto sign = sure.begin(); sign != sure.end(); ++sign) {
        const auto same = [&](const SureSign& other) { return other.match == sign->match; };
        if (std::any_of(sure.begin(), sign, same)) {
            throw BadArgument("--sure: match " + std::to_string(sign->match) + " is given more than once");
        }
    }
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

Event ParseEvent(std::string_view text) {
    const auto colon = text.find(':');
    const bool hasCode = colon != std::string_view::npos;
    const auto id = ParseWord(text.substr(0, colon));
    const auto code = hasCode ? ParseWord(text.substr(colon + 1)) : std::nullopt;
    if (id && !hasCode) return Click{*id};
    if (id && code) return Send{*id, *code};
    throw BadArgument("event " + Quoted(text) + ": expected ID or ID:CODE, each 0 to 65535");
}

}  // namespace stenvik::cli
