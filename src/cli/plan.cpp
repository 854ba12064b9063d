#include "cli/plan.h"

#include <algorithm>
#include <cstddef>

#include "cli/values.h"
#include "core/controller.h"
#include "core/rc.h"
#include "posix/random_bits.h"

namespace stenvik::cli {

namespace {

// The value of an option that takes one, if it was given.
std::optional<std::string> Single(const std::vector<std::string>& values, std::string_view name) {
    if (values.size() > 1) throw BadArgument(std::string(name) + " is given more than once");
    if (values.empty()) return std::nullopt;
    return values.front();
}

std::vector<SureSign> SureSigns(const std::vector<std::string>& texts) {
    std::vector<SureSign> sure;
    sure.reserve(texts.size());
    for (const auto& text : texts) sure.push_back(ParseSure(text));
    CheckDistinctMatches(sure);
    return sure;
}

Method MethodOf(const Options& options) {
    const auto method = Single(options.method, "--method");
    return method ? ParseMethod(*method) : Method::Classic;
}

std::optional<Game> GameOf(const Options& options) {
    const auto game = Single(options.game, "--game");
    return game ? std::optional(ParseGame(*game)) : std::nullopt;
}

using Percents = std::array<std::optional<Percent>, rc::kMatches>;

bool IsSure(const std::vector<SureSign>& sure, int match) {
    return std::any_of(sure.begin(), sure.end(), [&](const SureSign& sign) { return sign.match == match; });
}

// A match takes one set of percents, and none once a sure sign fixes it.
Percents PercentsOf(const std::vector<std::string>& texts, const std::vector<SureSign>& sure) {
    Percents percents;
    for (const auto& text : texts) {
        const auto [match, percent] = ParsePercent(text);
        auto& slot = percents[static_cast<std::size_t>(match - 1)];
        const auto number = std::to_string(match);
        if (slot) throw BadArgument("--percent: match " + number + " is given more than once");
        if (IsSure(sure, match))
            throw BadArgument("--percent: match " + number + " also has a sure sign, which leaves nothing to draw");
        slot = percent;
    }
    return percents;
}

// Rows that may not repeat need as many different rows as there are to be.
void CheckEnoughDifferentRows(const RowsRequest& request, const Percents& percents) {
    std::array<bool, rc::kMatches> sure{};
    for (const auto& sign : request.sure) sure[static_cast<std::size_t>(sign.match - 1)] = true;
    const auto different = PossibleRows(sure, percents);
    if (different >= request.count) return;
    const bool weighted = std::any_of(percents.begin(), percents.end(), [](const auto& percent) { return percent; });
    throw BadArgument(std::string("--unique: the sure signs") + (weighted ? " and --percent" : "") + " leave " +
                      std::to_string(different) + (different == 1 ? " different row" : " different rows") +
                      ", fewer than --count " + std::to_string(request.count));
}

void PlanRows(const Options& options, ReplayPlan& plan) {
    RowsRequest request;
    if (const auto count = Single(options.count, "--count")) request.count = ParseRowCount(*count);
    request.method = MethodOf(options);
    request.sure = SureSigns(options.sure);
    request.upload = options.upload;
    request.game = GameOf(options).value_or(Game::Stryktipset);
    plan.percent = PercentsOf(options.percent, request.sure);
    plan.uniqueRows = options.unique;
    if (plan.uniqueRows) CheckEnoughDifferentRows(request, plan.percent);
    plan.events = UserClicks(request);
}

std::vector<Event> SystemClicks(const Options& options) {
    SystemRequest request;
    if (const auto half = Single(options.half, "--half")) request.half = ParseCoverCount("--half", *half);
    if (const auto full = Single(options.full, "--full")) request.full = ParseCoverCount("--full", *full);
    // The window hides every full-cover box that would make the sum exceed
    // the 13 matches, so no user can ask for it.
    if (request.half + request.full > rc::kMatches) {
        throw BadArgument("--half " + std::to_string(request.half) + " --full " + std::to_string(request.full) +
                          ": half and full covers together can be at most 13");
    }
    request.method = MethodOf(options);
    request.sure = SureSigns(options.sure);
    return UserClicks(request);
}

// Without --seed each run draws rows of its own, also runs started in the
// same second or side by side. (The window, one program, seeds once from
// the clock.)
std::int32_t SeedOf(const Options& options) {
    const auto seed = Single(options.seed, "--seed");
    return seed ? ParseSeed(*seed) : static_cast<std::int32_t>(posix::RandomBits());
}

// --output "-" is standard output, which gets what the file would.
Delivery DeliveryOf(const Options& options) {
    Delivery delivery{.file = std::nullopt, .raw = options.raw};
    if (const auto output = Single(options.output, "--output")) {
        if (*output == "-") {
            delivery.raw = true;
        } else {
            delivery.file = ParseOutputFile(*output);
        }
    }
    return delivery;
}

CouponPlan CouponPlanOf(std::string_view command, const Options& options) {
    CouponPlan plan;
    plan.delivery = DeliveryOf(options);
    plan.input = options.input;
    plan.json = options.json;
    if (command == "info") {
        plan.command = CouponCommand::Info;
        if (const auto price = Single(options.price, "--price")) plan.price = ParsePrice(*price);
    } else if (command == "expand") {
        plan.command = CouponCommand::Expand;
        plan.game = GameOf(options);
    } else if (command == "reduce") {
        plan.command = CouponCommand::Reduce;
        plan.game = GameOf(options);
        plan.seed = SeedOf(options);
        if (const auto guarantee = Single(options.guarantee, "--guarantee"))
            plan.guarantee = ParseGuarantee("--guarantee", *guarantee);
        if (plan.delivery.raw && plan.json)
            throw BadArgument("--json and --output - would both write to standard output");
    } else {
        plan.command = CouponCommand::Check;
        if (const auto result = Single(options.result, "--result")) plan.result = ParseResult(*result);
    }
    return plan;
}

ReplayPlan ReplayPlanOf(std::string_view command, const Options& options) {
    ReplayPlan plan;
    plan.seed = SeedOf(options);
    plan.delivery = DeliveryOf(options);
    plan.state = options.state;
    if (plan.delivery.raw && plan.state)
        throw BadArgument("--state and --output - would both write to standard output");
    if (command == "rows") {
        PlanRows(options, plan);
    } else if (command == "system") {
        plan.events = SystemClicks(options);
        plan.refusalIsError = true;
        const auto game = GameOf(options);
        if (options.upload) plan.upload = game.value_or(Game::Stryktipset);
        if (const auto reduce = Single(options.reduce, "--reduce")) {
            plan.reduce = ReduceRequest{ParseGuarantee("--reduce", *reduce), game.value_or(Game::Stryktipset)};
        } else if (game && !options.upload) {
            throw BadArgument("--game requires --upload or --reduce");
        }
    } else if (command == "clicks") {
        for (const auto& text : options.events) plan.events.push_back(ParseEvent(text));
    } else {
        plan.events = {Click{rc::kInstructions}};
    }
    return plan;
}

}  // namespace

Plan MakePlan(std::string_view command, const Options& options) {
    if (command == "info" || command == "expand" || command == "check" || command == "reduce")
        return CouponPlanOf(command, options);
    return ReplayPlanOf(command, options);
}

}  // namespace stenvik::cli
