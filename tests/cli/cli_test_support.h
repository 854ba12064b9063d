#pragma once
// Running stenvik-cli in the tests: in-process as a whole invocation, and the
// texts the known answers are written in.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/cli/test_paths.h"
#include "tests/posix/temporary_folder.h"
#include "tests/support/box_texts.h"

namespace stenvik::cli::test {

struct Result {
    int code;
    std::string out;
    std::string err;
};

// `input` is what the run finds on standard input.
inline Result Invoke(const std::vector<std::string>& args, const std::string& input = "") {
    std::vector<const char*> argv{"stenvik-cli"};
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    posix::PosixFiles files;
    const int code = RunCli(argv, in, out, err, files);
    return {code, out.str(), err.str()};
}

using posix::test::ReadFile;
using posix::test::TemporaryFolder;
using posix::test::WriteFile;

// The coupon texts the known answers are written in.
using support::MatchCells;
using support::RowsGrid;
using support::SystemGrid;

// What a terminal shows of a Windows-1252-free text: "\n" breaks, a final one.
inline std::string OnTerminal(std::string text) {
    for (auto pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n", pos)) text.erase(pos, 1);
    return text + "\n";
}

}  // namespace stenvik::cli::test
