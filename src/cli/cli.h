#pragma once
// A whole run of stenvik-cli, with its streams and file calls passed in so
// that tests can run it as a process would.

#include <iosfwd>
#include <span>

#include "posix/atomic_file.h"

namespace stenvik::cli {

// `args` as main receives them; `in` is read by the commands that read a
// coupon from standard input. Returns the exit code.
int RunCli(std::span<const char* const> args, std::istream& in, std::ostream& out, std::ostream& err,
           posix::PosixFiles& files);

}  // namespace stenvik::cli
