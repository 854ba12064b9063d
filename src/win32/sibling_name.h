#pragma once
// The names under which a save keeps its copies beside the user's file. A
// copy that outlives a failed save is found by the file's name alone:
// "rader.txt.new", "rader.txt.bak", then "rader.txt.1.new", ...

#include <string>
#include <string_view>

namespace stenvik::win32 {

// `fileName` followed by ".INDEX" (for an INDEX above 0) and `extension`.
// When that is too long for the "A" functions (MAX_PATH) or for one name in
// a folder (255 characters), the file's own name is cut short before the
// additions, keeping its folder and as many of its first characters as fit.
// Empty when not one character of it fits.
std::string SiblingName(const char* fileName, int index, std::string_view extension);

}  // namespace stenvik::win32
