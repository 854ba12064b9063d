#pragma once
// stenvik-cli's commands and options, with the help that explains them.

#include "options.h"

namespace CLI {
class App;
}

namespace stenvik::cli {

// Teaches `app` the commands; parsing then fills `options`.
void DescribeCommandLine(CLI::App& app, Options& options);

}  // namespace stenvik::cli
