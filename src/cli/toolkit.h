#pragma once
// The player's toolkit on the command line: a coupon text read from a file
// or standard input, and what info, expand and check make of it.

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>

#include "cli/arguments.h"
#include "posix/posix_files.h"

namespace stenvik::cli {

// The plan's coupon, read from its file or from `in`, answered as its
// command asks: info's and check's text or JSON for standard output, or
// expand's upload rows as "SPARA raderna" would save them. A text that
// cannot be read (exit 1), is no coupon (exit 2, with its line and column)
// or has more rows than an upload file takes (exit 1) ends the run instead.
std::variant<std::string, EarlyExit> RunCouponCommand(const CouponPlan& plan, std::istream& in,
                                                      posix::PosixFiles& files);

// system --upload: a system's text, as the window writes it, read back and
// written as the upload rows of `game`, as expand writes them.
std::variant<std::string, EarlyExit> SystemUploadRows(std::string_view system, Game game);

}  // namespace stenvik::cli
