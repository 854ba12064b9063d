#pragma once
// stenvik-cli's command line: the arguments become a plan, or end the run at
// once (help, version, a bad argument). Also what the exit status tells.

#include <span>
#include <string>
#include <variant>

#include "cli/plan.h"

namespace stenvik::cli {

// The name every message of the program starts with.
inline constexpr const char* kProgram = "stenvik-cli";

// What the exit status tells a script.
inline constexpr int kExitDone = 0;
// A refused system, a file not read, a file or stdout not written, more
// rows than an upload file takes.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadArgument = 2;  // also a text that is no coupon

// The run ends here: print these texts and exit with this code.
struct EarlyExit {
    int code;
    std::string out;
    std::string err;
};

// `args` as main receives them, the program's name first.
std::variant<Plan, EarlyExit> ParseArguments(std::span<const char* const> args);

}  // namespace stenvik::cli
