// A stenvik.exe without its dialog template: it says so in a box captioned
// "CreateDialog", "Error x" and the system's error code in lowercase hex,
// and ends with exit code 1 once the box is closed.

#include <gtest/gtest.h>

#include <regex>

#include "tests/win32/e2e/running_stenvik.h"
#include "tests/win32/program_path.h"
#include "tests/win32/scratch_folder.h"

namespace stenvik::win32::tests {
namespace {

// Copies stenvik.exe to `path` without any of its resources, the dialog
// template among them.
bool CopyWithoutResources(const std::string& path) {
    if (!::CopyFileA(ProgramPath().c_str(), path.c_str(), FALSE)) return false;
    const HANDLE update = ::BeginUpdateResourceA(path.c_str(), TRUE);
    return update != nullptr && ::EndUpdateResourceA(update, FALSE) != 0;
}

TEST(StartFailure, AMissingDialogIsReportedAndEndsWithCodeOne) {
    ScratchFolder folder;
    std::string path = folder.Path("utan-dialog.exe");
    ASSERT_TRUE(CopyWithoutResources(path));

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        ::CreateProcessA(path.c_str(), path.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND box = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (box = OwnedWindow(process.dwProcessId, nullptr)) != nullptr; }));
    if (box != nullptr) {
        EXPECT_EQ(TextOf(box), "CreateDialog");
        const HWND ok = ::GetDlgItem(box, IDOK);
        bool found = false;
        ::EnumChildWindows(
            box,
            [](HWND child, LPARAM data) -> BOOL {
                if (!std::regex_match(TextOf(child), std::regex("Error x[1-9a-f][0-9a-f]*"))) return TRUE;
                *reinterpret_cast<bool*>(data) = true;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        EXPECT_TRUE(found) << "no text \"Error x\" and a lowercase hexadecimal code";
        PostClick(ok);
    }
    DWORD code = 0;
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 99);
    ::GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 1u);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace stenvik::win32::tests
