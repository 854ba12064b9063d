#include "cli/arguments.h"

#include <CLI/CLI.hpp>

#include <string_view>

#include "cli/commands.h"
#include "cli/shown.h"
#include "cli/values.h"

namespace stenvik::cli {

namespace {

// CLI11 says only that a command is required, also when the user gave one
// it does not know.
std::string MissingCommand(const CLI::App& app) {
    const auto remaining = app.remaining();
    if (remaining.empty()) return "expected a command: rows, system, clicks, instructions, info, expand or check";
    const auto& first = remaining.front();
    return (first.starts_with("-") ? "unknown option " : "unknown command ") + Quoted(first) +
           " (the commands: rows, system, clicks, instructions, info, expand, check)";
}

EarlyExit BadArgumentExit(std::string_view problem) {
    return {kExitBadArgument, "", std::string(kProgram) + ": " + std::string(problem) + "\n"};
}

}  // namespace

std::variant<Plan, EarlyExit> ParseArguments(std::span<const char* const> args) {
    CLI::App app{"", kProgram};
    Options options;
    DescribeCommandLine(app, options);
    // Run bare, the program shows what it does and its commands. That is a
    // mistake all the same, so it goes to standard error, where a script's
    // redirected output cannot catch it, and ends with the one-line reason.
    if (args.size() <= 1) return EarlyExit{kExitBadArgument, "", app.help() + BadArgumentExit(MissingCommand(app)).err};

    try {
        app.parse(static_cast<int>(args.size()), args.data());
        return MakePlan(app.get_subcommands().front()->get_name(), options);
    } catch (const CLI::CallForHelp&) {
        // The app's help hands on to the command's, whose usage line then
        // names the program too.
        return EarlyExit{kExitDone, app.help(), ""};
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
