// The names a save's files go by: the copies' names derived from the file's,
// cut to fit one name in a folder, and the paths past MAX_PATH that only the
// extended-length form reaches.

#include <gtest/gtest.h>

#include <string>

#include "win32/file_system.h"
#include "win32/sibling_name.h"

namespace stenvik::win32 {
namespace {

TEST(SiblingName, AddsNumberAndExtensionAndCutsTheNameToFit) {
    const std::string folder = "C:\\Users\\anna\\Dokument\\";
    const std::string longest(255, 'n');  // as long as one name in a folder may be
    const std::string deepFolder = "C:\\" + std::string(300, 'f') + "\\";
    struct Case {
        std::string fileName;
        int number;
        const char* extension;
        std::string expected;
    };
    const Case cases[] = {
        {folder + "rader.txt", 0, ".new", folder + "rader.txt.new"},
        {folder + "rader.txt", 1, ".bak", folder + "rader.txt.1.bak"},
        {"rader.txt", 12, ".new", "rader.txt.12.new"},
        {"C:/tips/rader", 0, ".bak", "C:/tips/rader.bak"},
        {folder + longest, 0, ".new", folder + longest.substr(0, 251) + ".new"},
        {folder + longest, 3, ".bak", folder + longest.substr(0, 249) + ".3.bak"},
        {deepFolder + "rader.txt", 2, ".new", deepFolder + "rader.txt.2.new"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SiblingName(c.fileName.c_str(), c.number, c.extension), c.expected)
            << c.fileName << " " << c.number << c.extension;
    }
}

TEST(SystemPath, PathsFromMaxPathOnTakeTheExtendedForm) {
    const std::string name(MAX_PATH, 'r');
    const std::wstring wide(name.begin(), name.end());
    struct Case {
        std::string path;
        std::wstring expected;
    };
    const Case cases[] = {
        {"C:\\tips\\rader.txt", L"C:\\tips\\rader.txt"},
        {"C:\\tips/../tips/" + name.substr(17), L"C:\\tips/../tips/" + wide.substr(17)},
        {"C:\\tips/../spel/" + name, L"\\\\?\\C:\\spel\\" + wide},
        {"\\\\server\\delat\\" + name, L"\\\\?\\UNC\\server\\delat\\" + wide},
        {"\\\\?\\C:\\" + name, L"\\\\?\\C:\\" + wide},
    };
    for (const auto& c : cases) EXPECT_EQ(SystemPath(c.path.c_str()), c.expected) << c.path;
}

}  // namespace
}  // namespace stenvik::win32
