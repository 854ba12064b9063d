#include "session_run.h"

#include "memory_session.h"
#include "state_json.h"

namespace stenvik::cli {

namespace {

void Replay(const Plan& plan, MemorySession& session) {
    for (const auto& event : plan.events) {
        if (const auto* click = std::get_if<Click>(&event)) {
            session.Click(click->id);
        } else {
            const auto& send = std::get<Send>(event);
            session.Send(send.id, send.code);
        }
    }
}

}  // namespace

Outcome Run(const Plan& plan) {
    MemorySession session(plan.seed);
    Replay(plan, session);
    // Only a refused press leaves the single-sign quota below zero.
    Outcome outcome{session.Rows(), std::nullopt, session.state.sakra < 0};
    if (plan.state) outcome.stateJson = StateJson(session);
    return outcome;
}

}  // namespace stenvik::cli
