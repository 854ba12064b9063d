#pragma once
// The names under which a save keeps its copies beside the user's file. A
// copy that outlives a failed save is found by the file's name alone:
// "rader.txt.new", "rader.txt.bak", then "rader.txt.1.new", ...

#include <string>
#include <string_view>

namespace stenvik::win32 {

// `fileName` followed by ".NUMBER" (for a NUMBER above 0) and `extension`.
// One name in a folder holds at most 255 characters: where the additions
// would pass that, the file's own name is cut short before them, keeping its
// folder and as many of its first characters as fit. (The whole path may
// grow past MAX_PATH: SystemPath takes care of that.)
std::string SiblingName(const char* fileName, int number, std::string_view extension);

}  // namespace stenvik::win32
