#pragma once
// A scripted user of the window: a choice of rows or a system becomes the
// clicks a user makes on a freshly opened dialog, ending with "GENERERA
// rader", and any events are replayed on a session in memory.

#include <span>
#include <variant>
#include <vector>

#include "core/coupon.h"
#include "memory/session.h"

namespace stenvik {

// A user's click on a control, handled as the platform handles clicks.
struct Click {
    int id;
    friend bool operator==(const Click&, const Click&) = default;
};

// A command delivered as it is, with no action of the platform.
struct Send {
    int id;
    int code;
    friend bool operator==(const Send&, const Send&) = default;
};

using Event = std::variant<Click, Send>;

enum class Method { Classic, Statistical };

struct SureSign {
    int match;      // 1 to 13
    int signIndex;  // 0 for "1", 1 for "X", 2 for "2"
};

struct RowsRequest {
    int count = 1;
    Method method = Method::Classic;
    std::vector<SureSign> sure = {};
    bool upload = false;
    Game game = Game::Stryktipset;
};

struct SystemRequest {
    int half = 0;
    int full = 0;
    Method method = Method::Classic;
    std::vector<SureSign> sure = {};
};

// A count the dialog does not offer throws: std::invalid_argument for rows,
// std::out_of_range for covers.
std::vector<Event> UserClicks(const RowsRequest& request);
std::vector<Event> UserClicks(const SystemRequest& request);

void Replay(MemorySession& session, std::span<const Event> events);

}  // namespace stenvik
