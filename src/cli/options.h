#pragma once
// The command line as given, before any value is checked.

#include <string>
#include <vector>

namespace stenvik::cli {

// Every option is taken as text, each occurrence kept, and checked by
// argument_values: so every bad value, and a value given twice, gets a message
// that says what the option accepts.
struct Options {
    std::vector<std::string> count, method, game, half, full, seed, output;
    std::vector<std::string> sure, events;
    bool upload = false, raw = false, state = false;
};

}  // namespace stenvik::cli
