#include "cli/arguments.h"

#include <CLI/CLI.hpp>

#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/shown.h"
#include "cli/suggestion.h"
#include "cli/values.h"

namespace stenvik::cli {

namespace {

std::vector<std::string> CommandNames(const CLI::App& app) {
    std::vector<std::string> names;
    for (const auto* command : app.get_subcommands({})) names.push_back(command->get_name());
    return names;
}

// The long names of a command's options, as typed.
std::vector<std::string> OptionNames(const CLI::App& command) {
    std::vector<std::string> names;
    for (const auto* option : command.get_options()) {
        for (const auto& name : option->get_lnames()) names.push_back("--" + name);
    }
    return names;
}

// "; did you mean --count?" for the first of `typed` that is close to a
// name of `known`, else nothing.
std::string Suggestion(const std::vector<std::string>& typed, const std::vector<std::string>& known) {
    for (const auto& text : typed) {
        if (const auto nearest = Nearest(text, known)) return "; did you mean " + *nearest + "?";
    }
    return "";
}

// CLI11 says only that a command is required, also when the user gave one
// it does not know.
std::string MissingCommand(const CLI::App& app) {
    const auto commands = CommandNames(app);
    std::string list;
    for (const auto& name : commands) list += (list.empty() ? "" : ", ") + name;
    const auto remaining = app.remaining();
    if (remaining.empty()) {
        const auto last = list.rfind(", ");
        return "expected a command: " + list.replace(last, 2, " or ");
    }
    const auto& first = remaining.front();
    const bool option = first.starts_with("-");
    return (option ? "unknown option " : "unknown command ") + Quoted(first) + " (the commands: " + list + ")" +
           Suggestion({first}, option ? OptionNames(app) : commands);
}

// An argument the command does not take: likely a mistyped option.
std::string Unexpected(const CLI::App& app, const CLI::ParseError& error, std::span<const char* const> args) {
    auto message = WithArgumentsShown(error.what(), args);
    if (app.get_subcommands().empty()) return message;
    const auto& command = *app.get_subcommands().front();
    return message + Suggestion(command.remaining(), OptionNames(command));
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
        return BadArgumentExit(Unexpected(app, error, args));
    } catch (const BadArgument& error) {
        return BadArgumentExit(error.what());
    }
}

}  // namespace stenvik::cli
