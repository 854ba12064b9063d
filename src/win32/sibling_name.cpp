#include "sibling_name.h"

#include <windows.h>

#include <algorithm>

namespace stenvik::win32 {

namespace {

// The longest path the "A" functions take, and the longest name in a folder.
constexpr std::size_t kMaxPath = MAX_PATH - 1;
constexpr std::size_t kMaxName = 255;

}  // namespace

std::string SiblingName(const char* fileName, int index, std::string_view extension) {
    const std::string addition = (index > 0 ? "." + std::to_string(index) : std::string()) + std::string(extension);

    // Whole characters only: the system's code page may spend two bytes on
    // one, and the second may look like a backslash.
    const char* name = fileName;
    for (const char* c = fileName; *c != '\0'; c = ::CharNextA(c)) {
        if (*c == '\\' || *c == '/') name = c + 1;
    }
    const auto folder = static_cast<std::size_t>(name - fileName);
    const std::size_t room = std::min(kMaxName, kMaxPath - std::min(folder, kMaxPath));
    if (room <= addition.size()) return {};
    const std::size_t keep = room - addition.size();
    const char* end = name;
    while (*end != '\0') {
        const char* next = ::CharNextA(end);
        if (static_cast<std::size_t>(next - name) > keep) break;
        end = next;
    }
    if (end == name) return {};
    return std::string(fileName, end) + addition;
}

}  // namespace stenvik::win32
