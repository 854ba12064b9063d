#include "win32/sibling_name.h"

#include <windows.h>

namespace stenvik::win32 {

namespace {

constexpr std::size_t kMaxName = 255;

}  // namespace

std::string SiblingName(const char* fileName, int number, std::string_view extension) {
    std::string addition = number > 0 ? "." + std::to_string(number) : std::string();
    addition += extension;

    // Whole characters only: the system's code page may spend two bytes on
    // one, and the second may look like a backslash.
    const char* name = fileName;
    for (const char* c = fileName; *c != '\0'; c = ::CharNextA(c)) {
        if (*c == '\\' || *c == '/') name = c + 1;
    }
    const std::size_t room = kMaxName - addition.size();
    const char* end = name;
    while (*end != '\0') {
        const char* next = ::CharNextA(end);
        if (static_cast<std::size_t>(next - name) > room) break;
        end = next;
    }
    return std::string(fileName, end) + addition;
}

}  // namespace stenvik::win32
