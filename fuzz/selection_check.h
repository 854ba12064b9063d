#pragma once
// What the selection rules keep true after every event, whatever the user
// or the toolkit sent: read through the in-memory dialog and the program's
// state only.

#include <string>

#include "memory/session.h"

namespace stenvik::fuzz {

// Empty while every rule holds; otherwise what is broken.
std::string CheckSelection(const MemorySession& session);

}  // namespace stenvik::fuzz
