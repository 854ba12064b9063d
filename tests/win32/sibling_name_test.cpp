// The names of a save's copies beside the file, cut to fit where the file's
// own name leaves no room for the additions.

#include "sibling_name.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace stenvik::win32 {
namespace {

TEST(SiblingName, AddsNumberAndExtensionAndCutsTheNameToFit) {
    const std::string folder = "C:\\Users\\anna\\Dokument\\";
    // A name that fills the MAX_PATH of the "A" functions, and one that is as
    // long as a name in a folder may be.
    const std::string fills(MAX_PATH - 1 - folder.size(), 'r');
    const std::string longest(255, 'n');
    // A folder that leaves room for five characters.
    const std::string deepFolder = std::string(253, 'f') + "\\";
    struct Case {
        std::string fileName;
        int index;
        const char* extension;
        std::string expected;
    };
    const Case cases[] = {
        {folder + "rader.txt", 0, ".new", folder + "rader.txt.new"},
        {folder + "rader.txt", 1, ".bak", folder + "rader.txt.1.bak"},
        {"rader.txt", 12, ".new", "rader.txt.12.new"},
        {"C:/tips/rader", 0, ".bak", "C:/tips/rader.bak"},
        {folder + fills, 0, ".new", folder + fills.substr(0, fills.size() - 4) + ".new"},
        {folder + fills, 3, ".bak", folder + fills.substr(0, fills.size() - 6) + ".3.bak"},
        {"C:\\" + longest, 0, ".new", "C:\\" + longest.substr(0, 251) + ".new"},
        {deepFolder + "abcd", 0, ".new", deepFolder + "a.new"},
        {deepFolder + "abcd", 1, ".new", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SiblingName(c.fileName.c_str(), c.index, c.extension), c.expected)
            << c.fileName << " " << c.index << c.extension;
    }
}

}  // namespace
}  // namespace stenvik::win32
