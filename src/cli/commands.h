#pragma once
// stenvik-cli's commands as the argument parser knows them: each with its
// options, its help and an example, and the program's overview.

#include <CLI/CLI.hpp>

#include "cli/options.h"

namespace stenvik::cli {

// Describes every command to `app`, whose parse fills `options`.
void DescribeCommandLine(CLI::App& app, Options& options);

}  // namespace stenvik::cli
