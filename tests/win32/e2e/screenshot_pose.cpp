// Opens stenvik.exe as the README's screenshots show it, single rows with
// two sure signs, with --menu also the rows box's context menu, and keeps
// it so until the picture has been taken.
//   screenshot_pose READY_FILE DONE_FILE [--menu]
// Writes READY_FILE when the dialog is ready, then waits (at most a minute)
// for DONE_FILE and closes the program.

#include <cstdio>
#include <exception>
#include <fstream>
#include <string_view>

#include "core/rc.h"
#include "tests/win32/e2e/running_stenvik.h"

using namespace stenvik;
using namespace stenvik::win32::tests;

int main(int argc, char** argv) {
    const bool menu = argc == 4 && std::string_view(argv[3]) == "--menu";
    if (argc != 3 && !menu) {
        std::fputs("usage: screenshot_pose READY_FILE DONE_FILE [--menu]\n", stderr);
        return 2;
    }
    try {
        RunningStenvik program;
        if (!program.Started()) return 1;
        program.Click(rc::kEnkelrader);
        program.Click(rc::kRowCounts[5].id);  // 6 rows
        program.Click(rc::SureBox(1, 0));
        program.Click(rc::SureBox(7, 1));
        program.Click(rc::kGenerate);
        program.FocusControl(rc::kGenerate);
        program.Flush();
        if (menu) {
            // A right click in the rows box, where the menu hides none of the labels.
            const HWND rows = program.Control(rc::kRowsBox);
            RECT box{};
            ::GetWindowRect(rows, &box);
            ::PostMessageA(rows, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(rows),
                           MAKELPARAM(box.left + 60, box.top + 40));
            if (!WaitUntil([] { return ::IsWindowVisible(::FindWindowA("#32768", nullptr)) != 0; })) return 1;
        }
        std::ofstream ready(argv[1]);  // the sign that the window is ready: an empty file
        ready.close();
        const bool done = WaitUntil([&] { return ::GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES; }, 60s);
        return done ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screenshot_pose: %s\n", e.what());
        return 1;
    }
}
