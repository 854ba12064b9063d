#pragma once
// Where a run's text goes: a file, standard output as saved, or standard
// output for reading.

#include <iosfwd>
#include <string>
#include <string_view>

#include "atomic_file.h"
#include "plan.h"
#include "session_run.h"

namespace stenvik::cli {

// The rows text for a terminal: UTF-8, "\n" line breaks, one final "\n".
std::string TerminalText(std::string_view cp1252);

// Saves and prints the outcome as the plan asks; returns the exit code.
int Deliver(const Plan& plan, const Outcome& outcome, std::ostream& out, std::ostream& err, posix::PosixFiles& files);

}  // namespace stenvik::cli
