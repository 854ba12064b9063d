#pragma once
// The options of stenvik-cli as typed, before their values are read.

#include <string>
#include <vector>

namespace stenvik::cli {

// Every option is taken as text, each occurrence kept, and checked by the
// value parsers: so every bad value, and a value given twice, gets a message
// that says what the option accepts.
struct Options {
    std::vector<std::string> count, method, game, half, full, seed, output;
    std::vector<std::string> sure, events;
    std::vector<std::string> percent, price, result, guarantee, reduce;
    std::string input = "-";  // one file at most; a second is an unexpected argument
    bool upload = false, raw = false, state = false, unique = false, json = false;
};

}  // namespace stenvik::cli
