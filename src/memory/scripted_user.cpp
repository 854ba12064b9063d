#include "memory/scripted_user.h"

#include <cstddef>

#include "core/rc.h"

namespace stenvik {

namespace {

// "klassiskt" is checked when the dialog opens; only the other needs a click.
void ClickMethod(Method method, std::vector<Event>& clicks) {
    if (method == Method::Statistical) clicks.push_back(Click{rc::kStatistiskt});
}

void ClickSureSigns(const std::vector<SureSign>& sure, std::vector<Event>& clicks) {
    for (const auto& sign : sure) clicks.push_back(Click{rc::SureBox(sign.match, sign.signIndex)});
}

}  // namespace

std::vector<Event> UserClicks(const RowsRequest& request) {
    std::vector<Event> clicks{Click{rc::kEnkelrader}};
    // The count 1 is marked when the dialog opens.
    if (request.count != 1) clicks.push_back(Click{rc::RowCountId(request.count)});
    if (request.upload) {
        clicks.push_back(Click{rc::kCompatible});
        if (request.game == Game::Italienska) clicks.push_back(Click{rc::kItalienska});
    }
    ClickMethod(request.method, clicks);
    ClickSureSigns(request.sure, clicks);
    clicks.push_back(Click{rc::kGenerate});
    return clicks;
}

std::vector<Event> UserClicks(const SystemRequest& request) {
    std::vector<Event> clicks{Click{rc::kSystem}};
    // Half covers "0" and full covers "0" are marked when the dialog opens.
    if (request.half != 0) clicks.push_back(Click{rc::kHalfCovers.at(static_cast<std::size_t>(request.half))});
    if (request.full != 0) clicks.push_back(Click{rc::kFullCovers.at(static_cast<std::size_t>(request.full))});
    ClickMethod(request.method, clicks);
    ClickSureSigns(request.sure, clicks);
    clicks.push_back(Click{rc::kGenerate});
    return clicks;
}

void Replay(MemorySession& session, std::span<const Event> events) {
    for (const auto& event : events) {
        if (const auto* click = std::get_if<Click>(&event)) {
            session.Click(click->id);
        } else {
            const auto& send = std::get<Send>(event);
            session.Send(send.id, send.code);
        }
    }
}

}  // namespace stenvik
