#include "cli/reduced_system.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "core/codepage.h"
#include "core/coupon_tools.h"
#include "core/covering_catalogue.h"
#include "core/reduction.h"

namespace stenvik::cli {

namespace {

using Json = nlohmann::ordered_json;

EarlyExit Stop(int code, const std::string& problem) {
    return {code, "", std::string(kProgram) + ": " + problem + "\n"};
}

std::string Rows(std::uint64_t count) { return std::to_string(count) + (count == 1 ? " row" : " rows"); }

std::string Number(reduction::Guarantee guarantee) { return std::to_string(static_cast<int>(guarantee)); }

// "; 11 correct takes 2187 rows (--guarantee 11)", where that fits and 12 does not.
std::string ElevenInstead(const reduction::Refusal& refusal, std::string_view option) {
    if (refusal.elevenRows == 0) return "";
    const auto eleven = Number(reduction::Guarantee::Eleven);
    return "; " + eleven + " correct takes " + Rows(refusal.elevenRows) + " (" + std::string(option) + " " + eleven +
           ")";
}

EarlyExit Refused(const reduction::Refusal& refusal, const coupon::Coupon& system, const ReduceRequest& request,
                  std::string_view where, std::string_view option) {
    using enum reduction::Refusal::Why;
    const auto named = std::string(where) + ": ";
    switch (refusal.why) {
        case NotASystem:
            return Stop(kExitBadArgument, named +
                                              (system.kind == coupon::Kind::Upload ? "upload rows" : "single rows") +
                                              ", not a system: only a system's grid can be reduced");
        case NoCovers:
            return Stop(kExitBadArgument, named + "a system of single signs only: there is nothing to reduce");
        case TooManyRows: break;
    }
    return Stop(kExitFailure, Rows(refusal.rows) + " to guarantee " + Number(request.guarantee) +
                                  " correct: an upload file takes at most " + std::to_string(coupon::kUploadRowLimit) +
                                  ElevenInstead(refusal, option));
}

// The fewest rows with 12, 11 and 10 correct, by the correct signs.
constexpr std::array<int, 3> kFewestHits = {12, 11, 10};

std::string SummaryText(const reduction::Reduced& reduced, std::uint64_t rows, reduction::Guarantee guarantee) {
    const auto& table = reduced.table;
    std::string text = "rows: " + std::to_string(rows) + "\nprice: " + std::to_string(rows * coupon::kDefaultPrice) +
                       " kr\nsystem: " + Rows(reduced.systemRows) + ", " +
                       std::to_string(reduced.systemRows * coupon::kDefaultPrice) +
                       " kr\nguarantee: " + Number(guarantee) +
                       " correct if every result is among the system's signs\n13 correct: in " +
                       std::to_string(table.thirteen) + " of the " + std::to_string(table.outcomes) + " outcomes\n";
    const auto others = table.outcomes - table.thirteen;
    if (others == 0) return text;
    text += "in the other " + std::to_string(others) + ", at least:\n";
    for (std::size_t index = 0; index < kFewestHits.size(); ++index)
        text += "  " + std::to_string(kFewestHits[index]) + " correct: " + Rows(table.fewest[index]) + "\n";
    return text;
}

std::string JsonText(const reduction::Reduced& reduced, std::uint64_t rows, reduction::Guarantee guarantee,
                     const std::string& upload) {
    Json fewest = Json::object();
    for (std::size_t index = 0; index < kFewestHits.size(); ++index)
        fewest[std::to_string(kFewestHits[index])] = reduced.table.fewest[index];
    const Json object{{"rows", rows},
                      {"price", rows * coupon::kDefaultPrice},
                      {"system_rows", reduced.systemRows},
                      {"system_price", reduced.systemRows * coupon::kDefaultPrice},
                      {"guarantee", static_cast<int>(guarantee)},
                      {"outcomes", reduced.table.outcomes},
                      {"with_13", reduced.table.thirteen},
                      {"fewest", fewest},
                      {"upload", Cp1252ToUtf8(upload)}};
    return object.dump(2) + "\n";
}

}  // namespace

std::variant<ReducedSystem, EarlyExit> ReduceSystem(const coupon::Coupon& system, const ReduceRequest& request,
                                                    TRandomMersenne& random, std::string_view where,
                                                    std::string_view option) {
    const auto answer = reduction::Reduce(system, request.guarantee, random);
    if (const auto* refusal = std::get_if<reduction::Refusal>(&answer))
        return Refused(*refusal, system, request, where, option);
    const auto& reduced = std::get<reduction::Reduced>(answer);
    const auto rows = coupon::RowCount(reduced.rows);
    auto upload = coupon::UploadText(reduced.rows, request.game);
    auto summary = SummaryText(reduced, rows, request.guarantee);
    auto json = JsonText(reduced, rows, request.guarantee, upload);
    return ReducedSystem{std::move(upload), std::move(summary), std::move(json)};
}

}  // namespace stenvik::cli
