#pragma once
// The rows text keeps "\r\n" line breaks, as the Windows edit control and the
// saved file do; toolkits and terminals that use "\n" convert at the edge.

#include <string>
#include <string_view>

namespace stenvik {

// Every "\r\n" becomes "\n"; a lone "\r" stays.
std::string CrlfToLf(std::string_view text);
// Every "\n" not already after "\r" becomes "\r\n".
std::string LfToCrlf(std::string_view text);

}  // namespace stenvik
