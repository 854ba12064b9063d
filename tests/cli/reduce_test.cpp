// reduce and system --reduce as a player runs them: the rows read back by
// check and info, the seed that repeats them, and every refusal.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "core/covering_catalogue.h"
#include "tests/cli/cli_test_support.h"

namespace stenvik::cli::test {
namespace {

using nlohmann::json;
using Args = std::vector<std::string>;

Args With(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::string> UploadRows(const std::string& raw) { return support::ReadUpload(raw).value().rows; }

// For every outcome of a system, check finds the guarantee among the reduced
// rows, and the garantitabell that the summary gives.
TEST(Reduce, CheckFindsTheGuaranteeForEveryOutcome) {
    struct Case {
        Args covers;
        std::string guarantee;
        bool inOneStep;  // system --reduce rather than reduce
    };
    const std::vector<Case> cases = {
        {{"--full", "4"}, "12", false},
        {{"--full", "4"}, "12", true},
        {{"--half", "1", "--full", "3", "--sure", "2=X"}, "12", false},
        {{"--full", "5"}, "12", true},
        {{"--half", "2", "--full", "3"}, "11", false},
    };
    for (const auto& [covers, guarantee, inOneStep] : cases) {
        SCOPED_TRACE(covers.back() + " " + guarantee + (inOneStep ? " in one step" : ""));
        const auto system = With(With({"system"}, covers), {"--seed", "5"});
        const auto grid = Invoke(With(system, {"--raw"})).out;
        const auto reduce =
            inOneStep ? With(system, {"--reduce", guarantee}) : Args{"reduce", "--guarantee", guarantee};
        const auto raw = Invoke(With(reduce, {"--raw"}), grid);
        ASSERT_EQ(raw.code, 0) << raw.err;
        const auto summary = json::parse(Invoke({"reduce", "--json", "--guarantee", guarantee}, grid).out);

        const auto info = json::parse(Invoke({"info", "--json"}, raw.out).out);
        EXPECT_EQ(info["kind"], "upload");
        EXPECT_EQ(info["rows"], summary["rows"]);
        EXPECT_EQ(info["repeated"], 0);

        const auto outcomes = UploadRows(Invoke({"expand", "--raw"}, grid).out);
        EXPECT_EQ(summary["outcomes"], outcomes.size());
        std::size_t thirteen = 0;
        std::vector<int> fewest{13, 13, 13};
        for (const auto& outcome : outcomes) {
            const auto check = json::parse(Invoke({"check", "--json", "--result", outcome}, raw.out).out);
            ASSERT_GE(check["best"], std::stoi(guarantee)) << outcome;
            if (check["best"] == 13) {
                ++thirteen;
                continue;
            }
            for (std::size_t index = 0; index < fewest.size(); ++index)
                fewest[index] = std::min(fewest[index], check["hits"][std::to_string(12 - index)].get<int>());
        }
        EXPECT_EQ(summary["with_13"], thirteen);
        EXPECT_EQ(summary["fewest"], json({{"12", fewest[0]}, {"11", fewest[1]}, {"10", fewest[2]}}));
    }
}

// R 4-0-9: the summary in full; the rows the same for one seed wherever
// they go, and others for another seed.
TEST(Reduce, TheSeedRepeatsTheRows) {
    const TemporaryFolder folder;
    const auto grid = folder / "system.txt";
    WriteFile(grid, Invoke({"system", "--full", "4", "--seed", "1", "--raw"}).out);
    const auto terminal = Invoke({"reduce", "--seed", "7", grid.string()});
    EXPECT_EQ(terminal.code, 0);
    EXPECT_EQ(terminal.err,
              "rows: 9\nprice: 9 kr\nsystem: 81 rows, 81 kr\n"
              "guarantee: 12 correct if every result is among the system's signs\n"
              "13 correct: in 9 of the 81 outcomes\nin the other 72, at least:\n"
              "  12 correct: 1 row\n  11 correct: 3 rows\n  10 correct: 3 rows\n");
    const auto raw = Invoke({"reduce", "--seed", "7", "--raw", grid.string()}).out;
    EXPECT_EQ(terminal.out, OnTerminal(raw));

    const auto saved = folder / "rader.txt";
    const auto save =
        Invoke({"reduce", "--seed", "7", "--game", "italienska", "--output", saved.string()}, ReadFile(grid));
    EXPECT_EQ(save.out, "");
    EXPECT_EQ(save.err, terminal.err);
    EXPECT_EQ(ReadFile(saved), "Italienska " + raw);
    const auto object = json::parse(Invoke({"reduce", "--seed", "7", "--json", grid.string()}).out);
    EXPECT_EQ(object["upload"], raw);
    EXPECT_EQ(object["system_price"], 81);

    EXPECT_NE(Invoke({"reduce", "--seed", "8", "--raw", grid.string()}).out, raw);
    const Args inOneStep = {"system", "--full", "4", "--seed", "1", "--reduce", "12", "--raw"};
    EXPECT_EQ(Invoke(inOneStep).out, Invoke(inOneStep).out);
    // The press drew first: its generator goes on from there.
    EXPECT_NE(Invoke(inOneStep).out, Invoke({"reduce", "--seed", "1", "--raw", grid.string()}).out);
    EXPECT_EQ(Invoke(inOneStep).err, terminal.err);
}

TEST(Reduce, RefusalsSayWhyWithTheirExitCodes) {
    // The catalogue's sizes, a cell it lacks reading as none.
    const auto size = [](int full, int radius) {
        const auto* entry = covering::Find({static_cast<std::uint8_t>(full), 0, static_cast<std::uint8_t>(radius)});
        return entry == nullptr ? std::string("none") : std::to_string(entry->rows);
    };
    const auto tooMany = [&](int full, const std::string& option) {
        return size(full, 1) + " rows to guarantee 12 correct: an upload file takes at most 10000; 11 correct takes " +
               size(full, 2) + " rows (" + option + " 11)";
    };
    struct Case {
        Args args;
        Args input;  // what makes standard input's text
        int code;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {{"reduce"},
         {"rows", "--count", "2"},
         2,
         "standard input: single rows, not a system: only a system's grid can be reduced"},
        {{"system", "--reduce", "11"}, {}, 2, "--reduce 11: a system of single signs only: there is nothing to reduce"},
        {{"reduce"}, {"system", "--full", "13"}, 1, tooMany(13, "--guarantee")},
        {{"system", "--full", "12", "--reduce", "12"}, {}, 1, tooMany(12, "--reduce")},
        {{"reduce", "--json", "--output", "-"}, {}, 2, "--json and --output - would both write to standard output"},
        // The summary tells of rows a player has, or of none.
        {{"reduce", "--output", "no/such/rader.txt"},
         {"system", "--full", "4"},
         1,
         "cannot write no/such/rader.txt: No such file or directory"},
    };
    for (const auto& [args, input, code, problem] : cases) {
        SCOPED_TRACE(problem);
        const auto result = Invoke(args, input.empty() ? "" : Invoke(With(input, {"--raw"})).out);
        EXPECT_EQ(result.code, code);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "stenvik-cli: " + problem + "\n");
    }
}

}  // namespace
}  // namespace stenvik::cli::test
