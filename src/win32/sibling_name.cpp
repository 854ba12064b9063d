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
    const std::string_view path(fileName);
    const std::string addition = (index > 0 ? "." + std::to_string(index) : std::string()) + std::string(extension);
    const auto separator = path.find_last_of("\\/");
    const std::size_t folder = separator == std::string_view::npos ? 0 : separator + 1;
    const std::size_t room = std::min(kMaxName, kMaxPath - std::min(folder, kMaxPath));
    if (room <= addition.size()) return {};

    // Whole characters only: the system's code page may spend two bytes on one.
    const std::size_t keep = room - addition.size();
    const char* const name = fileName + folder;
    const char* end = name;
    while (*end != '\0') {
        const char* next = ::CharNextA(end);
        if (static_cast<std::size_t>(next - name) > keep) break;
        end = next;
    }
    if (end == name) return {};
    return std::string(path.substr(0, static_cast<std::size_t>(end - fileName))) + addition;
}

}  // namespace stenvik::win32
