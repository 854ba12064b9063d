#include "session_run.h"

#include "memory_session.h"
#include "scripted_user.h"
#include "state_json.h"

namespace stenvik::cli {

Outcome Run(const Plan& plan) {
    MemorySession session(plan.seed);
    Replay(session, plan.events);
    Outcome outcome{session.Rows(), std::nullopt, session.state.SystemRefused()};
    if (plan.state) outcome.stateJson = StateJson(session);
    return outcome;
}

}  // namespace stenvik::cli
