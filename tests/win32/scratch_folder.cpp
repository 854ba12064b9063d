#include "scratch_folder.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace stenvik::win32::tests {

ScratchFolder::ScratchFolder() {
    static std::atomic<int> made = 0;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    _path = std::string(temp) + "stenvik-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(++made) + "\\";
    if (!::CreateDirectoryA(_path.c_str(), nullptr)) throw std::runtime_error("cannot make " + _path);
}

ScratchFolder::~ScratchFolder() {
    for (const auto& name : Files()) ::DeleteFileA(Path(name).c_str());
    ::RemoveDirectoryA(_path.c_str());
}

std::string ScratchFolder::Path(std::string_view name) const { return _path + std::string(name); }

std::set<std::string> ScratchFolder::Files() const {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA(Path("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.insert(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "(none)";
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void Put(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace stenvik::win32::tests
