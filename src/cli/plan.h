#pragma once
// What one run of stenvik-cli does, decided from its arguments before the
// dialog exists: the events a user would make, and where the text goes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "scripted_user.h"

namespace stenvik::cli {

struct Plan {
    std::int32_t seed = 0;  // --seed, or one of this run's own
    std::vector<Event> events;
    std::optional<std::filesystem::path> outputFile;
    bool raw = false;    // the saved file's bytes on stdout
    bool state = false;  // the dialog's state as JSON on stdout
    // A system that refuses the user's choices is the caller's error, not
    // rows; replayed clicks show the refusal as the window does.
    bool refusalIsError = false;
};

}  // namespace stenvik::cli
