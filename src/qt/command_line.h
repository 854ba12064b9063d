#pragma once
// The Qt program's own arguments. --help and --version are answered before
// the application object exists, so they work without a display; Qt then
// takes its own options, and whatever it leaves is a mistake.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace stenvik::qt {

enum class EarlyAnswer { None, Help, Version };

// What the arguments (without the program's name) ask to be told, if
// anything; the value of a Qt option such as "-qwindowtitle --help" is
// not taken for a request.
EarlyAnswer AskedBeforeStart(std::span<const char* const> arguments);

std::string HelpText();
std::string VersionText();

// The one-line complaint about the first argument Qt did not take, or
// nothing when it took them all.
std::optional<std::string> LeftOver(std::span<const char* const> arguments);

}  // namespace stenvik::qt
