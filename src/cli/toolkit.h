#pragma once
// The player's toolkit on the command line: a coupon text read from a file
// or standard input, and what info, expand and check make of it.

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>

#include "cli/arguments.h"
#include "core/coupon.h"
#include "posix/posix_files.h"

namespace stenvik::cli {

// The plan's coupon, read from its file or from `in`, answered as its
// command asks: info's and check's text or JSON for standard output, or
// expand's upload rows as "SPARA raderna" would save them. A text that
// cannot be read (exit 1), is no coupon (exit 2, with its line and column)
// or has more rows than an upload file takes (exit 1) ends the run instead.
std::variant<std::string, EarlyExit> RunCouponCommand(const CouponPlan& plan, std::istream& in,
                                                      posix::PosixFiles& files);

// `input` as a message names it: the file, shown safely, or standard input.
std::string InputName(const std::string& input);

// The coupon of `input`, a file or "-" for `in`; a text that cannot be read
// (exit 1) or is no coupon (exit 2, with its line and column) ends the run.
std::variant<coupon::Coupon, EarlyExit> ReadCouponInput(const std::string& input, std::istream& in,
                                                        posix::PosixFiles& files);

// A system's text as the window wrote it, read back: the reader takes every
// one the program writes.
coupon::Coupon OwnSystem(std::string_view text);

// system --upload: a system's text, as the window writes it, read back and
// written as the upload rows of `game`, as expand writes them.
std::variant<std::string, EarlyExit> SystemUploadRows(std::string_view system, Game game);

}  // namespace stenvik::cli
