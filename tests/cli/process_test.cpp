// The program itself, as a script starts it: exit codes and the streams of a
// real process.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "cli_test_support.h"

namespace stenvik::cli::test {
namespace {

struct ProcessResult {
    int code;
    std::string out;
    std::string err;
};

// `arguments` go to the shell as they are; `out` may name where stdout goes.
ProcessResult Start(const std::string& arguments, const std::string& out = "") {
    const TemporaryFolder folder;
    const auto outPath = out.empty() ? (folder / "out").string() : out;
    const auto quoted = [](const std::string& path) { return "'" + path + "'"; };
    const auto command =
        quoted(kCliProgram) + " " + arguments + " >" + quoted(outPath) + " 2>" + quoted((folder / "err").string());
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out.empty() ? ReadFile(outPath) : "",
            ReadFile(folder / "err")};
}

TEST(Process, TenSeededRowsAreTheSameOnEveryRun) {
    const auto first = Start("rows --count 10 --seed 1");
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.out, ReadFile(std::string(kGoldenFolder) + "/rows-10-seed-1.txt"));
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(Start("rows --count 10 --seed 1").out, first.out);
}

TEST(Process, ExitCodes) {
    EXPECT_EQ(Start("system --half 2 --full 1").code, 0);
    EXPECT_EQ(Start("system --half 7 --full 6 --sure 1=1").code, 1);
    const auto bad = Start("rows --count 25");
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "stenvik-cli: --count \"25\": expected 1 to 24, 36, 48, 60, 72 or 90\n");
}

TEST(Process, AStdoutThatCannotBeWrittenIsAnError) {
    const auto full = Start("rows --count 90", "/dev/full");
    EXPECT_EQ(full.code, 1);
    EXPECT_EQ(full.err, "stenvik-cli: cannot write to standard output\n");
}

}  // namespace
}  // namespace stenvik::cli::test
