#pragma once
// stenvik-cli's command line: the arguments become a plan of events, or end
// the run at once (help, version, a bad argument).

#include <span>
#include <string>
#include <variant>

#include "exit_codes.h"
#include "plan.h"

namespace stenvik::cli {

// The run ends here: print these texts and exit with this code.
struct EarlyExit {
    int code;
    std::string out;
    std::string err;
};

// `args` as main receives them, the program's name first.
std::variant<Plan, EarlyExit> ParseArguments(std::span<const char* const> args);

}  // namespace stenvik::cli
