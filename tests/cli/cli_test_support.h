#pragma once
// Running stenvik-cli in the tests: in-process as a whole invocation, and the
// texts the known answers are written in.

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/cli/test_paths.h"
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

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh, empty folder for one test, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "stenvik-cli-test-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr)
            throw std::filesystem::filesystem_error("mkdtemp", name, {errno, std::generic_category()});
        _path = name;
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::permissions(_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(_path, ignored);
    }

    const std::filesystem::path& path() const { return _path; }
    std::filesystem::path operator/(const std::string& name) const { return _path / name; }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(_path)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path _path;
};

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
