// The player's toolkit as a user runs it: info, expand and check on the texts
// the program writes and on hand-edited ones, system --upload, rows with
// --percent and --unique, and every way a text or an argument is refused.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_test_support.h"
#include "tests/posix/unprivileged.h"

namespace stenvik::cli::test {
namespace {

using nlohmann::json;
using posix::test::GiveToUnprivileged;
using posix::test::Unprivileged;
using Args = std::vector<std::string>;

// A system of 3 half and 2 full covers, seed 1: 72 rows.
const Args kSystem72 = {"system", "--half", "3", "--full", "2", "--seed", "1"};

Args With(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// A system's rows by the rule: match 1 varies slowest, each cell's signs in
// the order 1, X, 2.
std::vector<std::string> ExpandedByHand(const std::vector<std::string>& cells) {
    std::vector<std::string> rows{""};
    for (const auto& cell : cells) {
        std::vector<std::string> longer;
        for (const auto& row : rows) {
            for (const char sign : std::string("1X2")) {
                if (cell.find(sign) != std::string::npos) longer.push_back(row + sign);
            }
        }
        rows = longer;
    }
    return rows;
}

// check's summary counted row by row, for a result such as "1X2-...".
std::vector<int> HitsByHand(const std::vector<std::string>& rows, const std::string& result) {
    std::vector<int> hits;
    for (const auto& row : rows) {
        int correct = 0;
        for (std::size_t match = 0; match < row.size(); ++match) correct += result[match] == row[match] ? 1 : 0;
        hits.push_back(correct);
    }
    return hits;
}

std::string Joined(const Args& args) {
    std::string line;
    for (const auto& arg : args) line += " " + arg;
    return line;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

std::vector<std::string> UploadRows(const std::string& raw) { return support::ReadUpload(raw).value().rows; }

TEST(Info, TheSystemOfSeventyTwoRows) {
    const auto grid = Invoke(With(kSystem72, {"--raw"})).out;
    const auto info = Invoke({"info"}, grid);
    EXPECT_EQ(info.code, 0);
    EXPECT_EQ(info.out, "kind: system\ngame: none\nrows: 72\nprice: 72 kr\nrepeated: 0\nfits one upload file: yes\n");
    EXPECT_EQ(info.err, "");

    const auto priced = Invoke({"info", "--price", "2", "--json", "-"}, grid);
    EXPECT_EQ(priced.code, 0);
    EXPECT_EQ(priced.out,
              "{\n  \"kind\": \"system\",\n  \"game\": null,\n  \"rows\": 72,\n  \"price\": 144,\n"
              "  \"repeated\": 0,\n  \"fits_upload\": true\n}\n");
}

TEST(Info, RepeatsAndTheUploadLimitOfUploadTexts) {
    struct Case {
        std::size_t rows;
        std::string game;  // the game's line, when not Stryktipset
        std::string text;  // info's JSON, less the braces
    };
    const std::string row = "\r\nE,1,X,2,1,X,2,1,X,2,1,X,2,1";
    const std::vector<Case> cases = {
        {1, "", R"("kind":"upload","game":"stryktipset","rows":1,"price":1,"repeated":0,"fits_upload":true)"},
        {10'000, "",
         R"("kind":"upload","game":"stryktipset","rows":10000,"price":10000,"repeated":9999,)"
         R"("fits_upload":true)"},
        {10'001, "Italienska Stryktipset",
         R"("kind":"upload","game":"italienska","rows":10001,"price":10001,"repeated":10000,"fits_upload":false)"},
    };
    for (const auto& [rows, game, text] : cases) {
        SCOPED_TRACE(rows);
        std::string upload = game.empty() ? "Stryktipset" : game;
        for (std::size_t count = 0; count < rows; ++count) upload += row;
        const auto info = Invoke({"info", "--json"}, upload);
        EXPECT_EQ(info.code, 0);
        EXPECT_EQ(json::parse(info.out), json::parse("{" + text + "}"));
    }
}

TEST(Expand, TheSystemsRowsByTheRule) {
    const auto grid = Invoke(With(kSystem72, {"--raw"})).out;
    const auto cells = MatchCells(grid);
    const auto rows = UploadRows(Invoke({"expand", "--raw"}, grid).out);
    ASSERT_EQ(rows.size(), 72u);
    // Known answers, from the cells 1X, 1X2, 1X, 1X2, 1, 1X, 1, 1, 1, 1, X, 1, X.
    EXPECT_EQ(rows.front(), "1111111111X1X");
    EXPECT_EQ(rows.back(), "X2X21X1111X1X");
    EXPECT_EQ(rows, ExpandedByHand(cells));
    EXPECT_EQ(std::set(rows.begin(), rows.end()).size(), rows.size());

    // In one step, and from the text on the terminal.
    EXPECT_EQ(Invoke(With(kSystem72, {"--upload", "--raw"})).out, Invoke({"expand", "--raw"}, grid).out);
    EXPECT_EQ(Invoke({"expand", "--raw"}, Invoke(kSystem72).out).out, Invoke({"expand", "--raw"}, grid).out);
}

TEST(Expand, EveryOutputOfTheOtherCommands) {
    const TemporaryFolder folder;
    const auto grid = folder / "system.txt";
    WriteFile(grid, Invoke(With(kSystem72, {"--raw"})).out);
    const auto raw = Invoke({"expand", "--raw", grid.string()}).out;
    EXPECT_TRUE(raw.starts_with("Stryktipset\r\nE,1,1,1,"));
    EXPECT_FALSE(raw.ends_with("\r\n"));
    EXPECT_EQ(Invoke({"expand", "--output", "-", grid.string()}).out, raw);
    EXPECT_EQ(Invoke({"expand", grid.string()}).out, OnTerminal(raw));

    const auto saved = folder / "rader.txt";
    const auto save = Invoke({"expand", grid.string(), "--output", saved.string()});
    EXPECT_EQ(save.code, 0);
    EXPECT_EQ(save.out, "");
    EXPECT_EQ(ReadFile(saved), raw);

    // An upload text is written again as it is, and --game names another game.
    EXPECT_EQ(Invoke({"expand", "--raw", saved.string()}).out, raw);
    EXPECT_EQ(Invoke({"expand", "--raw", "--game", "italienska", saved.string()}).out,
              "Italienska Stryktipset" + raw.substr(std::string("Stryktipset").size()));
    const auto italienska = Invoke({"rows", "--count", "3", "--upload", "--game", "italienska", "--raw"}).out;
    EXPECT_EQ(Invoke({"expand", "--raw"}, italienska).out, italienska);
    EXPECT_EQ(Invoke({"expand", "--raw", "--game", "stryktipset"}, italienska).out.substr(0, 13), "Stryktipset\r\n");
}

TEST(Expand, MoreRowsThanAnUploadFileTakesAreRefused) {
    struct Case {
        Args system;
        std::string problem;  // empty when it fits
    };
    const std::vector<Case> cases = {
        {{"--half", "10", "--full", "2"}, ""},  // 9216 rows
        {{"--half", "7", "--full", "4"}, "stenvik-cli: 10368 rows: an upload file takes at most 10000\n"},
        {{"--full", "13"}, "stenvik-cli: 1594323 rows: an upload file takes at most 10000\n"},
    };
    for (const auto& [covers, problem] : cases) {
        SCOPED_TRACE(covers.back());
        const TemporaryFolder folder;
        const auto file = folder / "rader.txt";
        const auto grid = Invoke(With(With({"system"}, covers), {"--raw"})).out;
        for (const auto& args : {Args{"expand", "--output", file.string()},
                                 With(With({"system"}, covers), {"--upload", "--output", file.string()})}) {
            const auto expanded = Invoke(args, grid);
            EXPECT_EQ(expanded.code, problem.empty() ? 0 : 1);
            EXPECT_EQ(expanded.out, "");
            EXPECT_EQ(expanded.err, problem);
            EXPECT_EQ(folder.Names().size(), problem.empty() ? 1u : 0u);
        }
    }
    EXPECT_EQ(UploadRows(Invoke({"system", "--half", "10", "--full", "2", "--upload", "--raw"}).out).size(), 9216u);
}

TEST(Check, ASystemCountsAsItsRowsOneByOne) {
    const auto grid = Invoke(With(kSystem72, {"--raw"})).out;
    const auto rows = UploadRows(Invoke({"expand", "--raw"}, grid).out);
    for (const std::string result :
         {"1111111111X1X", "X2X21X1111X1X", "2222222222222", "1X21X21X21X21", "-------------", "1-X-2-1-X-2-1"}) {
        SCOPED_TRACE(result);
        const auto byHand = HitsByHand(rows, result);
        const auto check = json::parse(Invoke({"check", "--json", "--result", result}, grid).out);
        EXPECT_FALSE(check.contains("rows"));
        EXPECT_FALSE(check.contains("best_rows"));
        for (const int hits : {13, 12, 11, 10}) {
            EXPECT_EQ(check["hits"][std::to_string(hits)], std::count(byHand.begin(), byHand.end(), hits)) << hits;
        }
        EXPECT_EQ(check["best"], *std::max_element(byHand.begin(), byHand.end()));
        EXPECT_EQ(check["undecided"], std::count(result.begin(), result.end(), '-'));
    }
    EXPECT_EQ(json::parse(Invoke({"check", "--json", "--result", "1-X-2-1-X-2-1"}, grid).out)["undecided_matches"],
              json({2, 4, 6, 8, 10, 12}));
    // The first row's signs: the matches with a choice, two of 1X2 and three of
    // 1X, each hit once and miss twice or once, so (2 + x)^2 (1 + x)^3 counts
    // the rows by the hits they add to the eight sure ones.
    EXPECT_EQ(Invoke({"check", "--result", "1,1,1,1, 1,1,1,1, 1,1,x,1, X"}, grid).out,
              "13 correct: 1 row\n12 correct: 7 rows\n11 correct: 19 rows\n10 correct: 25 rows\nbest: 13 (1 row)\n"
              "undecided: 0\n");
}

TEST(Check, SingleRowsEachGetALine) {
    const auto grid = RowsGrid({"1111111111111", "1X21X21X21X21", "1111111111112"});
    const auto check = Invoke({"check", "--result", "111-11111111-"}, grid);
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.out,
              "row 1: 11 correct\nrow 2: 3 correct\nrow 3: 11 correct\n13 correct: 0 rows\n12 correct: 0 rows\n"
              "11 correct: 2 rows\n10 correct: 0 rows\nbest: 11 (rows 1, 3)\nundecided: 2 (matches 4, 13)\n");
    EXPECT_EQ(json::parse(Invoke({"check", "--result", "111-11111111-", "--json"}, grid).out),
              json::parse(R"({"rows": [11, 3, 11], "hits": {"13": 0, "12": 0, "11": 2, "10": 0}, "best": 11,
                              "undecided": 2, "best_rows": [1, 3], "undecided_matches": [4, 13]})"));
    // Past ten rows the line names the first ten.
    EXPECT_TRUE(Invoke({"check", "--result", "1111111111111"}, RowsGrid(std::vector<std::string>(12, "1111111111111")))
                    .out.ends_with("best: 13 (rows 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more)\nundecided: 0\n"));
}

TEST(RoundTrips, InfoAndCheckReadWhatTheCommandsWrite) {
    struct Case {
        Args args;
        std::string kind;
        json game;
        int rows;
    };
    const std::vector<Case> cases = {
        {{"rows", "--count", "10", "--seed", "1"}, "rows", nullptr, 10},
        {{"rows", "--count", "90", "--seed", "2", "--raw"}, "rows", nullptr, 90},
        {{"rows", "--count", "1", "--method", "statistical", "--raw"}, "rows", nullptr, 1},
        {{"rows", "--count", "5", "--upload", "--raw"}, "upload", "stryktipset", 5},
        {{"rows", "--count", "24", "--upload", "--game", "italienska"}, "upload", "italienska", 24},
        {With(kSystem72, {"--raw"}), "system", nullptr, 72},
        {{"system", "--half", "2", "--method", "statistical", "--sure", "4=X"}, "system", nullptr, 4},
        {{"system", "--full", "13", "--raw"}, "system", nullptr, 1594323},
        {{"system", "--raw"}, "system", nullptr, 1},
        {With(kSystem72, {"--upload", "--game", "italienska", "--raw"}), "upload", "italienska", 72},
        {With(kSystem72, {"--upload"}), "upload", "stryktipset", 72},
    };
    const TemporaryFolder folder;
    const auto file = folder / "rader.txt";
    for (const auto& [args, kind, game, rows] : cases) {
        SCOPED_TRACE(Joined(args));
        const auto text = Invoke(args).out;
        WriteFile(file, text);
        const auto info = json::parse(Invoke({"info", "--json", file.string()}).out);
        EXPECT_EQ(info["kind"], kind);
        EXPECT_EQ(info["game"], game);
        EXPECT_EQ(info["rows"], rows);
        EXPECT_EQ(info, json::parse(Invoke({"info", "--json"}, text).out));

        const auto check = json::parse(Invoke({"check", "--json", "--result", "1X21X21X21X21", file.string()}).out);
        EXPECT_EQ(check.contains("rows"), kind != "system");
        if (kind == "system") continue;
        const auto expanded = UploadRows(Invoke({"expand", "--raw", file.string()}).out);
        ASSERT_EQ(expanded.size(), static_cast<std::size_t>(rows));
        EXPECT_EQ(check["rows"], HitsByHand(expanded, "1X21X21X21X21"));
        const bool grid = kind == "rows" && text.find("\r\n") != std::string::npos;
        if (grid) {
            EXPECT_EQ(expanded, support::GridRows(text).value());
        }
    }
}

TEST(RoundTrips, HandEditedTextsReadAsTheProgramsOwn) {
    const std::vector<std::string> signs = {"X2121X221X1X1", "2112111X22211", "1X21X21X21X21"};
    const auto grid = RowsGrid(signs);
    std::string upload = "Stryktipset";
    for (const auto& row : signs) {
        upload += "\r\nE";
        for (const char sign : row) upload += std::string{',', sign};
    }
    struct Case {
        std::string name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"the grid as written", grid},
        {"the grid on a terminal", OnTerminal(grid)},
        {"a lower-case x in the grid", Replaced(grid, " Match 1:   X ", " Match 1:   x ")},
        {"upload rows as written", upload},
        {"more fields on the game line", Replaced(upload, "Stryktipset", "Stryktipset,Omg=4812,Insats=1")},
        {"upload rows on a terminal", OnTerminal(upload)},
        {"blanks around signs and a lower-case x", Replaced(upload, "E,X,2,1", "E, x ,2 , 1")},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        const auto expanded = Invoke({"expand", "--raw"}, text);
        EXPECT_EQ(expanded.code, 0) << expanded.err;
        EXPECT_EQ(expanded.out, upload);
        EXPECT_EQ(json::parse(Invoke({"info", "--json"}, text).out)["rows"], 3);
    }
}

// Sure signs for the matches from 1 to `last`.
Args SureUpTo(int last, const std::string& sign) {
    Args args;
    for (int match = 1; match <= last; ++match) args.insert(args.end(), {"--sure", std::to_string(match) + "=" + sign});
    return args;
}

TEST(UniqueRows, ASeedThatRepeatsGetsDifferentRowsEveryRun) {
    struct Case {
        Args args;
        std::size_t count;
    };
    const std::vector<Case> cases = {
        {With({"rows", "--count", "90", "--seed", "1"}, SureUpTo(6, "X")), 90},
        {With({"rows", "--count", "24", "--seed", "1"}, SureUpTo(10, "1")), 24},  // of the 27 there are
        {With({"rows", "--count", "6", "--seed", "1", "--percent", "11=50/50/0", "--percent", "12=0/0/100"},
              SureUpTo(10, "2")),
         6},  // all there are
    };
    for (const auto& [args, count] : cases) {
        SCOPED_TRACE(count);
        const auto plain = UploadRows(Invoke(With(args, {"--upload", "--raw"})).out);
        ASSERT_EQ(plain.size(), count);
        std::size_t firstRepeat = 0;
        while (std::find(plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(firstRepeat), plain[firstRepeat]) ==
               plain.begin() + static_cast<std::ptrdiff_t>(firstRepeat)) {
            ++firstRepeat;
        }
        ASSERT_LT(firstRepeat, count);

        const auto unique = Invoke(With(args, {"--upload", "--raw", "--unique"}));
        EXPECT_EQ(unique.code, 0);
        const auto rows = UploadRows(unique.out);
        ASSERT_EQ(rows.size(), count);
        EXPECT_EQ(std::set(rows.begin(), rows.end()).size(), count);
        EXPECT_EQ(Invoke(With(args, {"--upload", "--raw", "--unique"})).out, unique.out);
        // The rows before the first repeat are the press without --unique.
        EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(firstRepeat), rows.begin()));
        // Redrawn rows keep their sure signs.
        const auto sure = plain.front().substr(0, 6);
        EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [&](const auto& row) { return row.starts_with(sure); }));
        // The grid holds the same rows.
        EXPECT_EQ(support::GridRows(Invoke(With(args, {"--raw", "--unique"})).out).value().size(), count);
    }
}

TEST(Percents, AMatchsOwnPercentsDrawOnlyItsSigns) {
    const auto rows =
        UploadRows(Invoke({"rows", "--count", "90", "--seed", "1", "--upload", "--raw", "--percent", "1=100/0/0",
                           "--percent", "7=0/100/0", "--percent", "13=0/0/100", "--percent", "2=50/0/50"})
                       .out);
    ASSERT_EQ(rows.size(), 90u);
    std::set<char> second;
    for (const auto& row : rows) {
        EXPECT_EQ(std::string({row[0], row[6], row[12]}), "1X2");
        second.insert(row[1]);
    }
    EXPECT_EQ(second, (std::set<char>{'1', '2'}));
    // Without --percent, the rows the window makes.
    EXPECT_EQ(Invoke({"rows", "--count", "10", "--seed", "1"}).out,
              ReadFile(std::string(kGoldenFolder) + "/rows-10-seed-1.txt"));
}

TEST(Reading, TextsThatAreNoCouponNameTheirLineAndColumn) {
    const std::vector<std::string> systemCells = {" 1X ", " 1X2 ", " 1X ", " 1X2 ", " 1 ", " 1X ", " 1 ",
                                                  " 1 ",  " 1 ",   " 1 ",  "   X ", " 1 ", "   X "};
    const auto system = SystemGrid(systemCells);
    const auto withoutLine = [&](std::size_t line) {
        auto lines = support::Lines(system);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line - 1));
        std::string text;
        for (const auto& each : lines) text += (text.empty() ? "" : "\r\n") + each;
        return text;
    };
    auto wrongSign = systemCells;
    wrongSign[2] = " Q ";
    struct Case {
        std::string name;
        std::string text;
        std::string where;  // "line L, column C: expected ..."
    };
    const std::vector<Case> cases = {
        {"a wrong sign", SystemGrid(wrongSign), "line 3, column 13: expected 1, X or 2"},
        {"a wrong sign in a row", RowsGrid({"1111111111111", "1Q11111111111"}), "line 2, column 16: expected"},
        {"a missing match", withoutLine(6), "line 6, column 8: expected Match 5:"},
        {"12 matches", withoutLine(16), "line 15, column 14: expected Match 13:"},
        {"14 matches", system + "\r\n Match 14:  1 ", "line 17, column 2: expected the end of the text"},
        {"a system's cell among rows", Replaced(RowsGrid({"1111111111111", "1111111111111"}), " 1  1 ", " 1X2  1 "),
         "line 1, column 14: expected"},
        {"upload rows after a grid", system + "\r\nE,1,X,2,1,X,2,1,X,2,1,X,2,1",
         "line 17, column 1: expected the end of the text"},
        {"12 signs in an upload row", "Stryktipset\r\nE,1,X,2,1,X,2,1,X,2,1,X,2",
         "line 2, column 26: expected 13 signs"},
        {"an empty file", "", "line 1, column 1: expected"},
        {"bytes that are not text", std::string("\0\x01\x02", 3), "line 1, column 1: expected text"},
        {"a picture", "\x89PNG\r\n\x1a\n", "line 1, column 1: expected"},
    };
    const TemporaryFolder folder;
    const auto file = folder /
                      "r\xC3\xA5"
                      "der\x1b.txt";
    for (const auto& [name, text, where] : cases) {
        SCOPED_TRACE(name);
        WriteFile(file, text);
        for (const auto& command : {Args{"info"}, Args{"expand"}, Args{"check", "--result", "1X21X21X21X21"}}) {
            const auto fromFile = Invoke(With(command, {file.string()}));
            EXPECT_EQ(fromFile.code, 2);
            EXPECT_EQ(fromFile.out, "");
            const auto shown = "stenvik-cli: " + folder.path().string() +
                               "/r\xC3\xA5"
                               "der\\x1b.txt: " +
                               where;
            EXPECT_TRUE(fromFile.err.starts_with(shown)) << fromFile.err;
            EXPECT_EQ(std::count(fromFile.err.begin(), fromFile.err.end(), '\n'), 1) << fromFile.err;

            const auto fromInput = Invoke(command, text);
            EXPECT_EQ(fromInput.code, 2);
            EXPECT_TRUE(fromInput.err.starts_with("stenvik-cli: standard input: " + where)) << fromInput.err;
        }
    }
}

TEST(Reading, AFileThatCannotBeReadIsExitOneWithTheReason) {
    const TemporaryFolder folder;
    const auto locked = folder / "locked.txt";
    WriteFile(locked, RowsGrid({"1111111111111"}));
    ::chmod(locked.c_str(), 0);
    struct Case {
        std::string file;
        std::string message;
    };
    const auto unreadable = [](const std::string& file, const std::string& reason) {
        return Case{file, "stenvik-cli: cannot read " + file + ": " + reason + "\n"};
    };
    const std::vector<Case> cases = {
        unreadable((folder / "rader.txt").string(), "No such file or directory"),
        unreadable(folder.path().string(), "Is a directory"),
        unreadable("/dev/zero", "File too large"),
        unreadable(locked.string(), "Permission denied"),
    };
    // Root reads any file, so root's run reads as nobody.
    for (const auto& path : {folder.path(), locked}) ASSERT_TRUE(GiveToUnprivileged(path));
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file);
        const auto result = Unprivileged([&, file = file] {
            const auto [code, out, err] = Invoke({"info", file});
            return std::to_string(code).append(" [").append(out).append("] ").append(err);
        });
        EXPECT_EQ(result, "1 [] " + message);
    }
}

// A read that fails midway, as a disk may, is a file that cannot be read.
TEST(Reading, AFailedReadIsExitOne) {
    class FailingRead final : public posix::PosixFiles {
    public:
        ssize_t Read(int, void*, size_t) override {
            errno = EIO;
            return -1;
        }
    };
    const TemporaryFolder folder;
    const auto file = folder / "rader.txt";
    WriteFile(file, RowsGrid({"1111111111111"}));
    const std::vector<const char*> argv = {"stenvik-cli", "info", file.c_str()};
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    FailingRead files;
    EXPECT_EQ(RunCli(argv, in, out, err, files), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "stenvik-cli: cannot read " + file.string() + ": Input/output error\n");
}

TEST(Arguments, BadValuesOfTheToolkitsOptions) {
    struct Case {
        Args args;
        std::string problem;  // the whole message, less "stenvik-cli: " and the line break
    };
    Args tenSure = {"rows", "--count", "36", "--unique"};
    for (int match = 1; match <= 10; ++match) tenSure.insert(tenSure.end(), {"--sure", std::to_string(match) + "=1"});
    const std::vector<Case> cases = {
        {{"info", "--price", "0"}, "--price \"0\": expected whole kronor a row, 1 to 1000000"},
        {{"info", "--price", "-1"}, "--price \"-1\": expected whole kronor a row, 1 to 1000000"},
        {{"info", "--price", "abc"}, "--price \"abc\": expected whole kronor a row, 1 to 1000000"},
        {{"info", "--price", "1000001"}, "--price \"1000001\": expected whole kronor a row, 1 to 1000000"},
        {{"info", "--price", "1", "--price", "2"}, "--price is given more than once"},
        {{"info", "a.txt", "b.txt"}, "The following argument was not expected: b.txt"},
        {{"check"}, "--result is required"},
        {{"check", "--result", "1X21X21X21X2"}, "--result \"1X21X21X21X2\": 12 signs: expected 13, one for each match"},
        {{"check", "--result", "1X21X21X21X2-2"},
         "--result \"1X21X21X21X2-2\": 14 signs: expected 13, one for each match"},
        {{"check", "--result", "1X21X21X2;1X21"},
         "--result \"1X21X21X2;1X21\": \";\" is no sign: expected 1, X, 2 or - (not yet decided)"},
        {{"check", "--result",
          "1X21X21X2\xC3\xB6"
          "1X21"},
         "--result \"1X21X21X2\xC3\xB6"
         "1X21\": \"\xC3\xB6\" is no sign: expected 1, X, 2 or - (not yet decided)"},
        {{"check", "--result", "1X21X21X21X2\x1b"},
         "--result \"1X21X21X21X2\\x1b\": \"\\x1b\" is no sign: expected 1, X, 2 or - (not yet decided)"},
        {{"rows", "--percent", "5=50/30/30"}, "--percent \"5=50/30/30\": the percents add up to 110, not 100"},
        {{"rows", "--percent", "5=50/50"},
         "--percent \"5=50/50\": expected three whole percents from 0 to 100, such as 5=50/30/20"},
        {{"rows", "--percent", "5=101/0/-1"},
         "--percent \"5=101/0/-1\": expected three whole percents from 0 to 100, such as 5=50/30/20"},
        {{"rows", "--percent", "14=50/30/20"}, "--percent \"14=50/30/20\": the match must be 1 to 13"},
        {{"rows", "--percent", "50/30/20"}, "--percent \"50/30/20\": expected MATCH=P1/PX/P2, such as 5=50/30/20"},
        {{"rows", "--percent", "5=50/30/20", "--percent", "5=20/30/50"}, "--percent: match 5 is given more than once"},
        {{"rows", "--sure", "5=X", "--percent", "5=0/100/0"},
         "--percent: match 5 also has a sure sign, which leaves nothing to draw"},
        {{"system", "--percent", "5=50/30/20"}, "The following arguments were not expected: 5=50/30/20 --percent"},
        {tenSure, "--unique: the sure signs leave 27 different rows, fewer than --count 36"},
        {With(tenSure, {"--percent", "11=50/50/0"}),
         "--unique: the sure signs and --percent leave 18 different rows, fewer than --count 36"},
        {{"expand", "--game", "svenska"}, "--game \"svenska\": expected stryktipset or italienska"},
        {{"expand", "--raw", "--output", "x.txt"}, "--output excludes --raw"},
        {{"system", "--game", "italienska"}, "--game requires --upload or --reduce"},
    };
    for (const auto& [args, problem] : cases) {
        SCOPED_TRACE(problem);
        const auto result = Invoke(args);
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "stenvik-cli: " + problem + "\n");
    }
}

}  // namespace
}  // namespace stenvik::cli::test
