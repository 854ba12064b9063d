#pragma once
// stenvik-cli's command line: the arguments become a plan of events, or end
// the run at once (help, version, a bad argument). Every value is checked
// strictly: one the window could not produce is refused, never bent into
// range. Also what the exit status tells, and how messages show user input.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/coupon_tools.h"
#include "core/program_state.h"
#include "memory/scripted_user.h"

namespace stenvik::cli {

// The name every message of the program starts with.
inline constexpr const char* kProgram = "stenvik-cli";

// What the exit status tells a script.
inline constexpr int kExitDone = 0;
// A refused system, a file not read, a file or stdout not written, more
// rows than an upload file takes.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadArgument = 2;  // also a text that is no coupon

// Messages show user input on one line, with no byte that a terminal would
// act on, and short. An argument may hold escape sequences, line breaks
// (which would forge a message line of their own) or a megabyte.
//
// Printable UTF-8 as it is; line breaks and tabs as \n, \r, \t; any other
// control character (C0, DEL, C1) and every byte of invalid UTF-8 as \xHH;
// the first 60 characters, then "…".
std::string Shown(std::string_view text);

// Shown, in double quotes.
std::string Quoted(std::string_view text);

// A message that may contain any of `args` word for word (the argument
// parser's own): each shown as Shown shows it, and the rest escaped alike.
std::string WithArgumentsShown(std::string_view message, std::span<const char* const> args);

// The commands of the player's toolkit: each reads a coupon text.
enum class CouponCommand { Info, Expand, Check };

struct CouponPlan {
    CouponCommand command = CouponCommand::Info;
    std::string input = "-";                      // a file, or "-" for standard input
    std::uint64_t price = coupon::kDefaultPrice;  // info: kronor a row
    bool json = false;                            // info and check
    std::optional<Game> game;                     // expand: instead of the game the text names
    coupon::Result result{};                      // check
};

// What one run does, decided before the dialog exists: the events a user
// would make, and where the text goes.
struct Plan {
    std::int32_t seed = 0;  // --seed, or one of this run's own
    std::vector<Event> events;
    std::optional<std::filesystem::path> outputFile;
    bool raw = false;    // the saved file's bytes on stdout
    bool state = false;  // the dialog's state as JSON on stdout
    // A system that refuses the user's choices is the caller's error, not
    // rows; replayed clicks show the refusal as the window does.
    bool refusalIsError = false;
    // rows: set on the program's state before the replay.
    std::array<std::optional<Percent>, rc::kMatches> percent{};
    bool uniqueRows = false;
    // system --upload: the system's text, read back, becomes upload rows.
    std::optional<Game> upload;
    // A command of the toolkit, which reads a coupon and replays nothing.
    std::optional<CouponPlan> coupon;
};

// The run ends here: print these texts and exit with this code.
struct EarlyExit {
    int code;
    std::string out;
    std::string err;
};

// `args` as main receives them, the program's name first.
std::variant<Plan, EarlyExit> ParseArguments(std::span<const char* const> args);

// A bad argument; its message names the problem in one line.
class BadArgument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::int32_t ParseSeed(std::string_view text);
// One of the counts the window offers: 1 to 24, 36, 48, 60, 72, 90.
int ParseRowCount(std::string_view text);
// 0 to 13 half or full covers; `option` names the option in the message.
int ParseCoverCount(std::string_view option, std::string_view text);
Method ParseMethod(std::string_view text);  // classic or statistical
Game ParseGame(std::string_view text);      // stryktipset or italienska
// "M=S": a match from 1 to 13 and a sign 1, X (or x) or 2.
SureSign ParseSure(std::string_view text);
// Each match may be fixed once.
void CheckDistinctMatches(const std::vector<SureSign>& sure);
// "ID" (a click) or "ID:CODE" (a command as is), each decimal 0 to 65535.
Event ParseEvent(std::string_view text);

// "M=P1/PX/P2": a match from 1 to 13 and its own weights, three whole
// percents that sum to 100.
struct MatchPercent {
    int match;
    Percent percent;
};
MatchPercent ParsePercent(std::string_view text);
// Whole kronor a row: 1 to 1000000, so that no coupon's price overflows.
std::uint64_t ParsePrice(std::string_view text);
// 13 signs 1, X (or x), 2 or - for a match not yet decided; commas and
// blanks may stand between them.
coupon::Result ParseResult(std::string_view text);

}  // namespace stenvik::cli
