#pragma once
// The clicks a user makes in the window for a choice of rows or a system,
// from a freshly opened dialog, ending with "GENERERA rader".

#include <vector>

#include "plan.h"

namespace stenvik::cli {

enum class Method { Classic, Statistical };
enum class Game { Stryktipset, Italienska };

struct SureSign {
    int match;      // 1 to 13
    int signIndex;  // 0 for "1", 1 for "X", 2 for "2"
};

struct RowsRequest {
    int count = 1;
    Method method = Method::Classic;
    std::vector<SureSign> sure;
    bool upload = false;
    Game game = Game::Stryktipset;
};

struct SystemRequest {
    int half = 0;
    int full = 0;
    Method method = Method::Classic;
    std::vector<SureSign> sure;
};

std::vector<Event> UserClicks(const RowsRequest& request);
std::vector<Event> UserClicks(const SystemRequest& request);

}  // namespace stenvik::cli
