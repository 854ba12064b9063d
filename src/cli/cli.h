#pragma once
// A whole run of stenvik-cli, with its streams and file calls passed in so
// that tests can run it as a process would; what its exit status tells; and
// user input as its messages show it.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "atomic_file.h"

namespace stenvik::cli {

// The name every message of the program starts with.
inline constexpr const char* kProgram = "stenvik-cli";

// What the exit status tells a script.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailure = 1;  // a refused system, a file or stdout not written
inline constexpr int kExitBadArgument = 2;

// `args` as main receives them; returns the exit code.
int RunCli(std::span<const char* const> args, std::ostream& out, std::ostream& err, posix::PosixFiles& files);

// Messages show user input on one line, with no byte that a terminal would
// act on, and short. An argument may hold escape sequences, line breaks
// (which would forge a message line of their own) or a megabyte.
//
// Printable UTF-8 as it is; line breaks and tabs as \n, \r, \t; any other
// control character (C0, DEL, C1) and every byte of invalid UTF-8 as \xHH;
// the first 60 characters, then "…".
std::string Shown(std::string_view text);

// Shown, in double quotes.
std::string Quoted(std::string_view text);

// A message that may contain any of `args` word for word (the argument
// parser's own): each shown as Shown shows it, and the rest escaped alike.
std::string WithArgumentsShown(std::string_view message, std::span<const char* const> args);

}  // namespace stenvik::cli
