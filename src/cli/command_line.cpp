#include "command_line.h"

#include <CLI/CLI.hpp>

#include <string>

#include "version.h"

namespace stenvik::cli {

namespace {

// One value per occurrence, so that "--sure 1=1 2=X" is refused rather than
// read as two signs; every occurrence is kept.
CLI::Option* AddValue(CLI::App& command, const std::string& name, std::vector<std::string>& values,
                      const std::string& type, const std::string& help) {
    return command.add_option(name, values, help)
        ->type_name(type)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void AddMethod(CLI::App& command, Options& options) {
    AddValue(command, "--method", options.method, "classic|statistical",
             "classic (the default) or statistical,\ne.g. --method statistical");
}

void AddSure(CLI::App& command, Options& options) {
    AddValue(command, "--sure", options.sure, "M=S",
             "Fix match M (1-13) to sign S (1, X or 2);\nrepeat for more, e.g. --sure 5=X --sure 13=2")
        ->type_name("M=S ...");
}

void AddSeed(CLI::App& command, Options& options) {
    AddValue(command, "--seed", options.seed, "N",
             "Seed the generator with N (signed 32-bit):\nsame seed, same rows, e.g. --seed 1;\nwithout it, rows of "
             "this run's own");
}

void AddOutput(CLI::App& command, Options& options) {
    auto* output = AddValue(command, "--output", options.output, "FILE",
                            "Save to FILE as SPARA raderna does (- for\nstandard output), e.g. --output rader.txt");
    command.add_flag("--raw", options.raw, "Print the bytes SPARA raderna would save,\ne.g. --raw > rader.txt")
        ->excludes(output);
}

constexpr const char* kOverview = R"(Random rows for Stryktipset and Italienska Stryktipset, made by the same
Controller as the window, from a freshly opened dialog, click by click.

The text goes to standard output in UTF-8 with LF line breaks. --raw prints
instead the bytes "SPARA raderna" saves (Windows-1252, CRLF, nothing added);
--output FILE saves them to FILE as a shell's > would, except that a regular
file is replaced only once the new text is completely written, keeping its
owner and mode; --output - prints them. Without --seed every run draws rows
of its own. Exit codes: 0 done, 1 a system the choices do not fit or a file
not written, 2 a bad argument.)";

constexpr const char* kExamples = R"(
Examples:
  stenvik-cli rows --count 10 --seed 1
  stenvik-cli rows --count 5 --upload --game italienska --output rader.txt
  stenvik-cli system --half 3 --full 2 --sure 7=X --method statistical
  stenvik-cli clicks --seed 1 --state 1002 1012 1024 1007
  stenvik-cli instructions --raw > instruktioner.txt)";

void AddRows(CLI::App& app, Options& options) {
    auto* rows = app.add_subcommand("rows", "Single rows: ENKELRADER, your choices, GENERERA rader");
    AddValue(*rows, "--count", options.count, "N", "Rows: 1-24, 36, 48, 60, 72 or 90 (default 1),\ne.g. --count 10");
    AddMethod(*rows, options);
    AddSure(*rows, options);
    auto* upload = rows->add_flag("--upload", options.upload,
                                  "Rows in the format Svenska Spel takes for\nuploading, not the grid, e.g. --upload");
    AddValue(*rows, "--game", options.game, "stryktipset|italienska",
             "The game --upload names (default stryktipset),\ne.g. --game italienska")
        ->needs(upload);
    AddSeed(*rows, options);
    AddOutput(*rows, options);
    rows->footer("\nExample:\n  stenvik-cli rows --count 3 --sure 1=1 --sure 7=X --seed 42");
}

void AddSystem(CLI::App& app, Options& options) {
    auto* system = app.add_subcommand("system", "A system: SYSTEM, your choices, GENERERA rader");
    AddValue(*system, "--half", options.half, "N", "Half covers, 0-13 (default 0), e.g. --half 3");
    AddValue(*system, "--full", options.full, "N",
             "Full covers, 0-13 (default 0), at most 13\nwith the half covers, e.g. --full 2");
    AddMethod(*system, options);
    AddSure(*system, options);
    AddSeed(*system, options);
    AddOutput(*system, options);
    system->footer(
        "\nIf the sure matches and the covers do not fit the 13 matches, the window's\n"
        "refusal goes to standard error and the exit code is 1.\n"
        "\nExample:\n  stenvik-cli system --half 2 --full 1 --seed 1");
}

void AddClicks(CLI::App& app, Options& options) {
    auto* clicks = app.add_subcommand("clicks", "Replay clicks and commands on a freshly opened dialog");
    AddSeed(*clicks, options);
    AddOutput(*clicks, options);
    clicks
        ->add_flag("--state", options.state,
                   "Print the dialog's state as JSON instead of\nthe text (rows box, status, controls,\n"
                   "globals), e.g. --state")
        ->excludes("--raw");
    clicks
        ->add_option("EVENT", options.events,
                     "ID: a user's click on control ID (nothing if\nit is hidden or disabled); ID:CODE: the\n"
                     "command (ID, CODE) as is; both 0-65535,\ne.g. 1001 1007 or 1007:1")
        ->type_name("ID[:CODE]")
        ->required();
    clicks->footer(
        "\nControls: 1001 ENKELRADER, 1002 SYSTEM, 1007 GENERERA rader, 1008 SPARA raderna\n"
        "(the save dialog is cancelled), 1009 Instruktioner, 1039 the rows box,\n"
        "1068 upload format, 1069 Stryktipset, 1070 Italienska Stryktipset,\n"
        "1072 klassiskt, 1073 statistiskt; half covers 0-13: 1037, 1003, 1012-1023;\n"
        "full covers 0-13: 1038, 1024-1036; row counts: 1040-1067, 1071;\n"
        "sure signs: 1074 + 3 x (match - 1), plus 0, 1 or 2 for 1, X or 2.\n"
        "\nExample:\n  stenvik-cli clicks --seed 1 1001 1041 1007");
}

void AddInstructions(CLI::App& app, Options& options) {
    auto* instructions = app.add_subcommand("instructions", "The help text of Instruktioner, in Swedish");
    AddOutput(*instructions, options);
    instructions->footer("\nExample:\n  stenvik-cli instructions");
}

}  // namespace

void DescribeCommandLine(CLI::App& app, Options& options) {
    app.description(kOverview);
    app.footer(kExamples);
    app.set_version_flag("--version", app.get_name() + " " + std::string(kVersion), "Print the version and exit");
    app.require_subcommand(1);
    AddRows(app, options);
    AddSystem(app, options);
    AddClicks(app, options);
    AddInstructions(app, options);
}

}  // namespace stenvik::cli
