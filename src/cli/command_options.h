#pragma once
// The pieces every command's description is made of: the options several
// commands share, with their help, and a command with its notes and example.
// Each family of commands describes itself in a file of its own.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "cli/options.h"

namespace stenvik::cli {

// One value per occurrence, so that "--sure 1=1 2=X" is refused rather than
// read as two signs; every occurrence is kept.
CLI::Option* AddValue(CLI::App& command, const std::string& name, std::vector<std::string>& values,
                      const std::string& type, const std::string& help);

// A command whose help ends in `notes` and an example of its use.
CLI::App& AddCommand(CLI::App& app, const std::string& name, const std::string& summary, const std::string& notes,
                     const std::string& example);

void AddMethod(CLI::App& command, Options& options);
void AddSure(CLI::App& command, Options& options);
CLI::Option* AddGame(CLI::App& command, Options& options, const std::string& help);
// --upload, and the --game it names, which means nothing without it.
void AddUpload(CLI::App& command, Options& options, const std::string& help);
void AddSeed(CLI::App& command, Options& options);
// --output and --raw, which exclude each other.
void AddOutput(CLI::App& command, Options& options);
// The coupon text a toolkit command reads.
void AddInput(CLI::App& command, Options& options);

// The commands that replay a user's clicks on a fresh dialog: rows, system,
// clicks and instructions.
void AddDialogCommands(CLI::App& app, Options& options);
// The player's toolkit, each reading a coupon: info, expand, check and
// reduce.
void AddCouponCommands(CLI::App& app, Options& options);

}  // namespace stenvik::cli
