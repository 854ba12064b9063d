#pragma once
// The dialog's state as one JSON object, for scripts and bug reports.

#include <string>

#include "memory/session.h"

namespace stenvik::cli {

// {"rows", "status", "controls" (by identifier, in ascending order),
// "globals"}, UTF-8, indented, ending in one line feed.
std::string StateJson(const MemorySession& session);

}  // namespace stenvik::cli
