#pragma once
// Runs a plan on a freshly opened dialog in memory, as a user would.

#include <optional>
#include <string>

#include "plan.h"

namespace stenvik::cli {

struct Outcome {
    std::string rows;                      // the rows box's text: Windows-1252, "\r\n"
    std::optional<std::string> stateJson;  // when the plan asks for it
    bool refused = false;                  // the last press refused a system the choices do not fit
};

Outcome Run(const Plan& plan);

}  // namespace stenvik::cli
