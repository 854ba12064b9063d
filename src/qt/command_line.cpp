#include "qt/command_line.h"

#include <algorithm>
#include <array>

#include "qt/version.h"

namespace stenvik::qt {

namespace {

// Qt's own options that take the next argument as their value.
constexpr auto kQtOptionsWithValue = std::to_array<std::string_view>({
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "style",
    "stylesheet",
    "display",
    "geometry",
    "title",
    "name",
});

bool TakesValue(std::string_view argument) {
    if (!argument.starts_with('-') || argument.find('=') != std::string_view::npos) return false;
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return std::ranges::find(kQtOptionsWithValue, argument) != kQtOptionsWithValue.end();
}

}  // namespace

EarlyAnswer AskedBeforeStart(std::span<const char* const> arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") return EarlyAnswer::Help;
        if (argument == "--version" || argument == "-V") return EarlyAnswer::Version;
        if (argument == "--") break;
        if (TakesValue(argument)) ++i;
    }
    return EarlyAnswer::None;
}

std::string HelpText() {
    return R"(Usage: stenvik [OPTION]... [QT-OPTION]...
Random rows for Stryktipset and Italienska Stryktipset, in a window: click
the rows or the system you want, generate them, and save them as a text
file to upload on Svenska Spel. The window is in Swedish. Its rows box's
context menu counts a coupon's rows and cost, turns it into upload rows, and
checks it against the results. Nothing is kept between runs.

Options:
  -h, --help     print this help and exit
  -V, --version  print the version and exit

Qt's own options are accepted as well, such as -platform NAME, -style NAME,
-session ID, -qwindowgeometry GEOMETRY and -reverse; any other argument is an
error.

Exit status: 0 when the window is closed, 1 without a display to open it on,
2 for an argument it does not take.
The same rows from the command line: stenvik-cli --help.
)";
}

std::string VersionText() { return "stenvik " + std::string(kVersion) + "\n"; }

std::optional<std::string> LeftOver(std::span<const char* const> arguments) {
    if (arguments.empty()) return std::nullopt;
    return "stenvik: unknown argument '" + std::string(arguments.front()) + "'; try 'stenvik --help'\n";
}

}  // namespace stenvik::qt
