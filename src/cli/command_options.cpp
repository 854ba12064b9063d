#include "cli/command_options.h"

#include "cli/arguments.h"

namespace stenvik::cli {

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

CLI::Option* AddGame(CLI::App& command, Options& options, const std::string& help) {
    return AddValue(command, "--game", options.game, "stryktipset|italienska", help);
}

void AddUpload(CLI::App& command, Options& options, const std::string& help) {
    auto* upload = command.add_flag("--upload", options.upload, help);
    AddGame(command, options, "The game --upload names (default stryktipset),\ne.g. --game italienska")->needs(upload);
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

CLI::App& AddCommand(CLI::App& app, const std::string& name, const std::string& summary, const std::string& notes,
                     const std::string& example) {
    auto* command = app.add_subcommand(name, summary);
    command->footer(notes + "\nExample:\n  " + kProgram + " " + example);
    return *command;
}

void AddInput(CLI::App& command, Options& options) {
    command.add_option("FILE", options.input, "The coupon text (- or none: standard input),\ne.g. rader.txt")
        ->type_name("");
}

}  // namespace stenvik::cli
