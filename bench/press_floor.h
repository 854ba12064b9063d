#pragma once
// The floor of a press: what the rules make it do and nothing else. Every
// sign is decided by reading boxes through the platform and drawing from the
// generator at that moment, so a recording of those calls, replayed on their
// own, is what no implementation of the press can go below.

#include <cstdint>
#include <span>
#include <vector>

#include "memory/dialog.h"
#include "memory/scripted_user.h"
#include "memory/session.h"

namespace stenvik::bench {

// One call a press made: a box read when `box` is a control, else a draw.
struct Call {
    ControlHandle box = ControlHandle::none;
    std::int32_t min = 0;
    std::int32_t max = 0;
};

// A press's settings beyond what the dialog's clicks choose.
struct PressSetup {
    std::vector<Event> clicks;  // ending with "GENERERA rader"
    std::array<std::optional<Percent>, rc::kMatches> percent{};
};

// The calls of `presses` presses from `seed` after the setup's clicks, in
// the order made. The generator's calls are seen through the linker's
// wrapper of IRandom, the box reads through a platform in front of the
// in-memory dialog.
std::vector<Call> RecordPresses(const PressSetup& setup, std::int32_t seed, int presses);

// The same calls again: the reads on `dialog` through Platform&, the draws
// on `rg`. Returns something of every result, so that nothing is left out.
std::int32_t Replay(std::span<const Call> calls, Platform& dialog, TRandomMersenne& rg);

}  // namespace stenvik::bench
