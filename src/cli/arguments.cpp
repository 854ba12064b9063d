#include "arguments.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "argument_values.h"
#include "command_line.h"
#include "options.h"
#include "random_bits.h"
#include "rc.h"
#include "scripted_user.h"
#include "shown_text.h"

namespace stenvik::cli {

namespace {

constexpr const char* kProgram = "stenvik-cli";

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

std::vector<Event> RowsClicks(const Options& options) {
    RowsRequest request;
    if (const auto count = Single(options.count, "--count")) request.count = ParseRowCount(*count);
    request.method = MethodOf(options);
    request.sure = SureSigns(options.sure);
    request.upload = options.upload;
    if (const auto game = Single(options.game, "--game")) request.game = ParseGame(*game);
    return UserClicks(request);
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
std::int32_t FreshSeed() { return static_cast<std::int32_t>(posix::RandomBits()); }

Plan MakePlan(std::string_view command, const Options& options) {
    Plan plan;
    const auto seed = Single(options.seed, "--seed");
    plan.seed = seed ? ParseSeed(*seed) : FreshSeed();
    plan.raw = options.raw;
    plan.state = options.state;
    if (const auto output = Single(options.output, "--output")) {
        if (*output == "-") {
            plan.raw = true;  // standard output gets what the file would
        } else {
            plan.outputFile = ParseOutputFile(*output);
        }
    }
    if (plan.raw && plan.state) throw BadArgument("--state and --output - would both write to standard output");
    if (command == "rows") {
        plan.events = RowsClicks(options);
    } else if (command == "system") {
        plan.events = SystemClicks(options);
        plan.refusalIsError = true;
    } else if (command == "clicks") {
        for (const auto& text : options.events) plan.events.push_back(ParseEvent(text));
    } else {
        plan.events = {Click{rc::kInstructions}};
    }
    return plan;
}

// CLI11 says only that a command is required, also when the user gave one
// it does not know.
std::string MissingCommand(const CLI::App& app) {
    const auto remaining = app.remaining();
    if (remaining.empty()) return "expected a command: rows, system, clicks or instructions";
    const auto& first = remaining.front();
    return (first.starts_with("-") ? "unknown option " : "unknown command ") + Quoted(first) +
           " (the commands: rows, system, clicks, instructions)";
}

EarlyExit BadArgumentExit(std::string_view problem) {
    return {kExitBadArgument, "", std::string(kProgram) + ": " + std::string(problem) + "\n"};
}

}  // namespace

std::variant<Plan, EarlyExit> ParseArguments(std::span<const char* const> args) {
    CLI::App app{"", kProgram};
    Options options;
    DescribeCommandLine(app, options);

    try {
        app.parse(static_cast<int>(args.size()), args.data());
        return MakePlan(app.get_subcommands().front()->get_name(), options);
    } catch (const CLI::CallForHelp&) {
        const auto subcommands = app.get_subcommands();
        return EarlyExit{kExitDone, subcommands.empty() ? app.help() : subcommands.front()->help(), ""};
    } catch (const CLI::CallForVersion& version) {
        return EarlyExit{kExitDone, std::string(version.what()) + "\n", ""};
    } catch (const CLI::RequiredError& error) {
        return BadArgumentExit(app.get_subcommands().empty() ? MissingCommand(app)
                                                             : WithArgumentsShown(error.what(), args));
    } catch (const CLI::ParseError& error) {
        return BadArgumentExit(WithArgumentsShown(error.what(), args));
    } catch (const BadArgument& error) {
        return BadArgumentExit(error.what());
    }
}

}  // namespace stenvik::cli
