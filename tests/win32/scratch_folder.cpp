#include "tests/win32/scratch_folder.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "win32/file_system.h"

namespace stenvik::win32::tests {

ScratchFolder::ScratchFolder() {
    static std::atomic<int> made = 0;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    // Process ids come round again, and an earlier test's folder may still
    // be there (a file that another process had open goes only once it is
    // closed, too late for its folder): a taken name gives way to the next.
    const std::string prefix = std::string(temp) + "stenvik-test-" + std::to_string(::GetCurrentProcessId()) + "-";
    do {
        _path = prefix + std::to_string(++made) + "\\";
        if (::CreateDirectoryA(_path.c_str(), nullptr)) return;
    } while (::GetLastError() == ERROR_ALREADY_EXISTS);
    throw std::runtime_error("cannot make " + _path);
}

ScratchFolder::~ScratchFolder() {
    // Names past MAX_PATH, as tests of long names leave, go only by the
    // wide functions.
    for (const auto& name : Files()) ::DeleteFileW(SystemPath(Path(name).c_str()).c_str());
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
