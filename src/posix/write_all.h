#pragma once
// Writing every byte to a descriptor, whatever it is.

#include <string_view>
#include <system_error>

#include "posix/posix_files.h"

namespace stenvik::posix {

// Goes on through short and interrupted writes. A pipe whose reader has gone
// is an error (EPIPE) only while SignalsHeld holds back its signal.
[[nodiscard]] std::error_code WriteAll(PosixFiles& files, int fd, std::string_view bytes);

}  // namespace stenvik::posix
