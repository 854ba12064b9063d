#pragma once
// How messages show user input: on one line, with no byte that a terminal
// would act on, and short. An argument may hold escape sequences, line breaks
// (which would forge a message line of their own) or a megabyte.

#include <span>
#include <string>
#include <string_view>

namespace stenvik::cli {

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
