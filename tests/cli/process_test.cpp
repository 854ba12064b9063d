// The program itself, as a script starts it: exit codes and the streams of a
// real process.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "tests/cli/cli_test_support.h"

namespace stenvik::cli::test {
namespace {

struct ProcessResult {
    int code;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// `arguments` go to the shell as they are; `out` may name where stdout goes.
ProcessResult Start(const std::string& arguments, const std::string& out = "") {
    const TemporaryFolder folder;
    const auto outPath = out.empty() ? (folder / "out").string() : out;
    const auto command =
        Quoted(kCliProgram) + " " + arguments + " >" + Quoted(outPath) + " 2>" + Quoted((folder / "err").string());
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

TEST(Process, ACouponOnStandardInput) {
    const TemporaryFolder folder;
    const auto file = folder / "system.txt";
    WriteFile(file, Invoke({"system", "--half", "3", "--full", "2", "--raw"}).out);
    const auto info = Start("info <" + Quoted(file.string()));
    EXPECT_EQ(info.code, 0);
    EXPECT_NE(info.out.find("\nrows: 72\n"), std::string::npos) << info.out;
    const auto empty = Start("check --result 1X21X21X21X21 </dev/null");
    EXPECT_EQ(empty.code, 2);
    EXPECT_EQ(empty.out, "");
    EXPECT_TRUE(empty.err.starts_with("stenvik-cli: standard input: line 1, column 1: expected ")) << empty.err;
}

TEST(Process, AStdoutThatCannotBeWrittenIsAnError) {
    const auto full = Start("rows --count 90", "/dev/full");
    EXPECT_EQ(full.code, 1);
    EXPECT_EQ(full.err, "stenvik-cli: cannot write to standard output\n");
}

TEST(Process, RunsStartedTogetherDrawRowsOfTheirOwn) {
    constexpr int kRuns = 20;
    const TemporaryFolder folder;
    const auto command = "for run in $(seq " + std::to_string(kRuns) + "); do " + Quoted(kCliProgram) +
                         " rows --count 10 --upload --raw >" + Quoted((folder / "rows").string()) + "$run & done; wait";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::set<std::string> rows;
    for (int run = 1; run <= kRuns; ++run) rows.insert(ReadFile(folder / ("rows" + std::to_string(run))));
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(kRuns));
    EXPECT_FALSE(rows.contains(""));
}

// A shell's >> appends; standard output by any of its names must append too,
// never replace the file the shell opened.
TEST(Process, StandardOutputByEveryNameKeepsTheShellsAppend) {
    struct Case {
        const char* name;
        const char* redirection;
    };
    const std::vector<Case> cases = {
        {"-", ">>"},
        {"/dev/stdout", ">>"},
        {"/dev/fd/1", ">>"},
        {"/proc/self/fd/1", ">>"},
        {"/dev/stderr", "2>>"},
        {"/dev/fd/2", "2>>"},
        {"link", ">>"},  // a link to /dev/stdout in the folder the run starts in
    };
    for (const auto& [name, redirection] : cases) {
        SCOPED_TRACE(name);
        const TemporaryFolder folder;
        const auto log = folder / "logg.txt";
        WriteFile(log, "old\n");
        std::filesystem::create_symlink("/dev/stdout", folder / "link");
        struct stat before {};
        ::stat(log.c_str(), &before);
        const auto command = "cd " + Quoted(folder.path().string()) + " && " + Quoted(kCliProgram) +
                             " rows --count 10 --seed 1 --output " + name + " " + redirection + Quoted(log.string());
        EXPECT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(ReadFile(log), "old\n" + Invoke({"rows", "--count", "10", "--seed", "1", "--raw"}).out);
        struct stat after {};
        ::stat(log.c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
}

}  // namespace
}  // namespace stenvik::cli::test
