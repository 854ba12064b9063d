#pragma once
// What stenvik-cli's exit status tells a script.

namespace stenvik::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailure = 1;  // a refused system, a file or stdout not written
inline constexpr int kExitBadArgument = 2;

}  // namespace stenvik::cli
