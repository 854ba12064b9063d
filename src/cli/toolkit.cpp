#include "cli/toolkit.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstddef>
#include <istream>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "cli/shown.h"
#include "core/coupon_text.h"
#include "core/read_error_text.h"
#include "posix/read_file.h"

namespace stenvik::cli {

namespace {

using Json = nlohmann::ordered_json;

// Far above any coupon: the upload rows of a system of 13 full covers take
// 46 MB. A device that never ends, or a file that is no coupon at all, stops
// here rather than filling the memory.
constexpr std::size_t kLargestInput = std::size_t{64} << 20;

EarlyExit Stop(int code, const std::string& problem) {
    return {code, "", std::string(kProgram) + ": " + problem + "\n"};
}

std::string Plural(std::uint64_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::variant<std::string, EarlyExit> ReadStandardInput(std::istream& in) {
    std::string bytes;
    std::array<char, std::size_t{64} << 10> chunk{};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kLargestInput) {
            return Stop(kExitFailure,
                        "cannot read standard input: " + std::make_error_code(std::errc::file_too_large).message());
        }
    }
    if (in.bad()) return Stop(kExitFailure, "cannot read standard input");
    return bytes;
}

std::variant<std::string, EarlyExit> ReadBytes(const std::string& input, std::istream& in, posix::PosixFiles& files) {
    if (input == "-") return ReadStandardInput(in);
    auto read = posix::ReadWholeFile(input, kLargestInput, files);
    if (const auto* error = std::get_if<std::error_code>(&read)) {
        return Stop(kExitFailure, "cannot read " + Shown(input) + ": " + error->message());
    }
    return std::move(std::get<std::string>(read));
}

}  // namespace

std::string InputName(const std::string& input) { return input == "-" ? std::string("standard input") : Shown(input); }

std::variant<coupon::Coupon, EarlyExit> ReadCouponInput(const std::string& input, std::istream& in,
                                                        posix::PosixFiles& files) {
    auto bytes = ReadBytes(input, in, files);
    if (auto* stop = std::get_if<EarlyExit>(&bytes)) return std::move(*stop);
    auto read = coupon::ReadCoupon(std::get<std::string>(bytes));
    if (const auto* error = std::get_if<coupon::ReadError>(&read)) {
        // What was expected may quote the text, which can hold any byte.
        return Stop(kExitBadArgument, InputName(input) + ": " + WithArgumentsShown(coupon::InEnglish(*error), {}));
    }
    return std::move(std::get<coupon::Coupon>(read));
}

namespace {

std::variant<std::string, EarlyExit> UploadRows(const coupon::Coupon& coupon, Game game) {
    const auto rows = coupon::RowCount(coupon);
    if (!coupon::FitsUpload(rows)) {
        return Stop(kExitFailure, std::to_string(rows) + " rows: an upload file takes at most " +
                                      std::to_string(coupon::kUploadRowLimit));
    }
    return coupon::UploadText(coupon, game);
}

std::string InfoText(const coupon::Coupon& coupon, std::uint64_t price, bool json) {
    const auto rows = coupon::RowCount(coupon);
    const auto repeated = coupon::RepeatedRows(coupon);
    const bool fits = coupon::FitsUpload(rows);
    const auto italienska = coupon.game == Game::Italienska;
    if (json) {
        constexpr std::array<const char*, 3> kKinds = {"rows", "system", "upload"};
        const Json object{{"kind", kKinds[static_cast<std::size_t>(coupon.kind)]},
                          {"game", coupon.game ? Json(italienska ? "italienska" : "stryktipset") : Json(nullptr)},
                          {"rows", rows},
                          {"price", rows * price},
                          {"repeated", repeated},
                          {"fits_upload", fits}};
        return object.dump(2) + "\n";
    }
    constexpr std::array<const char*, 3> kKinds = {"single rows", "system", "upload rows"};
    const auto game = coupon.game ? std::string(italienska ? coupon::kItalienska : coupon::kStryktipset) : "none";
    return std::string("kind: ") + kKinds[static_cast<std::size_t>(coupon.kind)] + "\ngame: " + game +
           "\nrows: " + std::to_string(rows) + "\nprice: " + std::to_string(rows * price) +
           " kr\nrepeated: " + std::to_string(repeated) + "\nfits one upload file: " + (fits ? "yes" : "no") + "\n";
}

// The rows, from 1, that scored best; the matches, from 1, still undecided.
std::vector<std::size_t> BestRows(const coupon::CheckSummary& summary) {
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < summary.correct.size(); ++row) {
        if (summary.correct[row] == summary.best) rows.push_back(row + 1);
    }
    return rows;
}

std::vector<std::size_t> UndecidedMatches(const coupon::Result& result) {
    std::vector<std::size_t> matches;
    for (std::size_t match = 0; match < result.size(); ++match) {
        if (!result[match]) matches.push_back(match + 1);
    }
    return matches;
}

// " (rows 3, 17)": the first few numbers, so that a line stays a line.
std::string Listed(const std::string& one, const std::string& more, const std::vector<std::size_t>& numbers) {
    constexpr std::size_t kListed = 10;
    if (numbers.empty()) return "";
    std::string text = " (" + (numbers.size() == 1 ? one : more) + " ";
    for (std::size_t index = 0; index < std::min(numbers.size(), kListed); ++index)
        text += (index == 0 ? "" : ", ") + std::to_string(numbers[index]);
    if (numbers.size() > kListed) text += " and " + std::to_string(numbers.size() - kListed) + " more";
    return text + ")";
}

std::string CheckText(const coupon::Coupon& coupon, const coupon::Result& result, bool json) {
    const auto summary = coupon::Check(coupon, result);
    const auto rowsWith = [&](int hits) { return summary.rowsWith[static_cast<std::size_t>(hits)]; };
    const bool system = coupon.kind == coupon::Kind::System;
    const auto undecided = UndecidedMatches(result);
    if (json) {
        Json object;
        if (!system) object["rows"] = summary.correct;
        auto& hits = object["hits"] = Json::object();
        for (int count = rc::kMatches; count >= coupon::kWinningHits; --count)
            hits[std::to_string(count)] = rowsWith(count);
        object["best"] = summary.best;
        object["undecided"] = summary.undecided;
        if (!system) object["best_rows"] = BestRows(summary);
        object["undecided_matches"] = undecided;
        return object.dump(2) + "\n";
    }
    std::string text;
    for (std::size_t row = 0; row < summary.correct.size(); ++row) {
        text += "row " + std::to_string(row + 1) + ": " + std::to_string(summary.correct[row]) + " correct\n";
    }
    for (int count = rc::kMatches; count >= coupon::kWinningHits; --count)
        text += std::to_string(count) + " correct: " + Plural(rowsWith(count), "row") + "\n";
    // A system's rows have no numbers of their own: how many scored best.
    const auto best =
        system ? " (" + Plural(rowsWith(summary.best), "row") + ")" : Listed("row", "rows", BestRows(summary));
    return text + "best: " + std::to_string(summary.best) + best + "\nundecided: " + std::to_string(summary.undecided) +
           Listed("match", "matches", undecided) + "\n";
}

}  // namespace

std::variant<std::string, EarlyExit> RunCouponCommand(const CouponPlan& plan, std::istream& in,
                                                      posix::PosixFiles& files) {
    auto read = ReadCouponInput(plan.input, in, files);
    if (auto* stop = std::get_if<EarlyExit>(&read)) return std::move(*stop);
    const auto& coupon = std::get<coupon::Coupon>(read);
    switch (plan.command) {
        case CouponCommand::Info: return InfoText(coupon, plan.price, plan.json);
        case CouponCommand::Check: return CheckText(coupon, plan.result, plan.json);
        case CouponCommand::Expand:
        case CouponCommand::Reduce: break;
    }
    return UploadRows(coupon, plan.game.value_or(coupon.game.value_or(Game::Stryktipset)));
}

coupon::Coupon OwnSystem(std::string_view text) {
    auto read = coupon::ReadCoupon(text);
    // The reader takes every text Stenvik writes; one it refuses is a fault
    // of the program, not of the user's choices.
    if (const auto* error = std::get_if<coupon::ReadError>(&read)) {
        throw std::logic_error("the system's own text is no coupon: " + coupon::InEnglish(*error));
    }
    return std::move(std::get<coupon::Coupon>(read));
}

std::variant<std::string, EarlyExit> SystemUploadRows(std::string_view system, Game game) {
    return UploadRows(OwnSystem(system), game);
}

}  // namespace stenvik::cli
