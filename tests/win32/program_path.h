#pragma once
// stenvik.exe, which the build puts beside the test programs.

#include <windows.h>

#include <string>

namespace stenvik::win32::tests {

inline std::string ProgramPath() {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "stenvik.exe";
}

}  // namespace stenvik::win32::tests
