// Opens stenvik.exe as the README's screenshot shows it, single rows with
// two sure signs, and keeps it so until the picture has been taken.
//   screenshot_pose READY_FILE DONE_FILE
// Writes READY_FILE when the dialog is ready, then waits (at most a minute)
// for DONE_FILE and closes the program.

#include <cstdio>
#include <exception>
#include <fstream>

#include "rc.h"
#include "running_stenvik.h"

using namespace stenvik;
using namespace stenvik::win32::tests;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: screenshot_pose READY_FILE DONE_FILE\n", stderr);
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
        std::ofstream ready(argv[1]);  // the sign that the window is ready: an empty file
        ready.close();
        const bool done = WaitUntil([&] { return ::GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES; }, 60s);
        return done ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screenshot_pose: %s\n", e.what());
        return 1;
    }
}
