#pragma once
// What one run of stenvik-cli does, decided from its options before anything
// is drawn or read: a dialog replayed, or a coupon read by the toolkit.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/options.h"
#include "core/coupon_tools.h"
#include "core/program_state.h"
#include "core/reduction.h"
#include "memory/scripted_user.h"

namespace stenvik::cli {

// Where the text goes besides the terminal.
struct Delivery {
    std::optional<std::filesystem::path> file;
    bool raw = false;  // the saved file's bytes on stdout
};

// A system reduced to upload rows, in `game`, that keep `guarantee`.
struct ReduceRequest {
    reduction::Guarantee guarantee = reduction::Guarantee::Twelve;
    Game game = Game::Stryktipset;
};

// A freshly opened dialog and the events a user would make on it.
struct ReplayPlan {
    std::int32_t seed = 0;  // --seed, or one of this run's own
    std::vector<Event> events;
    Delivery delivery;
    bool state = false;  // the dialog's state as JSON on stdout
    // A system that refuses the user's choices is the caller's error, not
    // rows; replayed clicks show the refusal as the window does.
    bool refusalIsError = false;
    // rows: set on the program's state before the replay.
    std::array<std::optional<Percent>, rc::kMatches> percent{};
    bool uniqueRows = false;
    // system --upload: the system's text, read back, becomes upload rows.
    std::optional<Game> upload;
    // system --reduce: the system's text, read back, reduced with the
    // generator the press left.
    std::optional<ReduceRequest> reduce;
};

// The commands of the player's toolkit: each reads a coupon text.
enum class CouponCommand { Info, Expand, Check, Reduce };

struct CouponPlan {
    CouponCommand command = CouponCommand::Info;
    std::string input = "-";                      // a file, or "-" for standard input
    std::uint64_t price = coupon::kDefaultPrice;  // info: kronor a row
    bool json = false;                            // info, check and reduce
    std::optional<Game> game;                     // expand: instead of the game the text names; reduce: if none
    coupon::Result result{};                      // check
    Delivery delivery;                            // expand's and reduce's rows
    reduction::Guarantee guarantee = reduction::Guarantee::Twelve;  // reduce
    std::int32_t seed = 0;                                          // reduce: --seed, or one of this run's own
};

using Plan = std::variant<ReplayPlan, CouponPlan>;

// The plan of `command` with `options`; a bad value throws BadArgument.
Plan MakePlan(std::string_view command, const Options& options);

}  // namespace stenvik::cli
