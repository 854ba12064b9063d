#pragma once
// A new, empty folder in the temporary folder, removed with all its files
// at the end of a test.

#include <windows.h>

#include <set>
#include <string>
#include <string_view>

namespace stenvik::win32::tests {

class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // The full path of `name` in the folder.
    std::string Path(std::string_view name) const;
    // The names of the files in the folder.
    std::set<std::string> Files() const;

private:
    std::string _path;  // with a trailing backslash
};

// The file's bytes, or "(none)" when it cannot be read.
std::string Contents(const std::string& path);
void Put(const std::string& path, std::string_view bytes);

}  // namespace stenvik::win32::tests
