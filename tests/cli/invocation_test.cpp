// Whole invocations of stenvik-cli against known answers: seeded rows and
// systems in both formats, the saved bytes, refusals and bad arguments.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli/cli_test_support.h"

namespace stenvik::cli::test {
namespace {

const std::string kRefusalUtf8 =
    "Du har valt f\xC3\xB6r m\xC3\xA5nga sakra matcher f\xC3\xB6r ditt \xC3\xB6nskade system!";

// Seed 1, freshly seeded, classic: the rows of the generator's known answers.
TEST(Rows, OneUploadRowForStryktipset) {
    const auto raw = Invoke({"rows", "--upload", "--seed", "1", "--raw"});
    EXPECT_EQ(raw.code, 0);
    EXPECT_EQ(raw.out, "Stryktipset\r\nE,X,2,1,2,1,X,2,2,1,X,1,X,1");
    EXPECT_EQ(raw.err, "");
    EXPECT_EQ(Invoke({"rows", "--upload", "--seed=1"}).out, "Stryktipset\nE,X,2,1,2,1,X,2,2,1,X,1,X,1\n");
}

TEST(Rows, TwoRowsDrawMatchByMatchInTheGridAndRowByRowForUpload) {
    const auto grid = RowsGrid({"X11211112XX21", "22X2XX2112221"});
    EXPECT_EQ(Invoke({"rows", "--count", "2", "--seed", "1", "--raw"}).out, grid);
    EXPECT_EQ(Invoke({"rows", "--count", "2", "--seed", "1"}).out, OnTerminal(grid));
    EXPECT_EQ(Invoke({"rows", "--count", "2", "--seed", "1", "--upload", "--raw"}).out,
              "Stryktipset\r\nE,X,2,1,2,1,X,2,2,1,X,1,X,1\r\nE,2,1,1,2,1,X,2,X,2,2,2,1,1");
}

TEST(Rows, OneStatisticalRowIsTheSameInBothFormats) {
    // Drawn values 62,116,52,114,15,63,85,107,3,69,53,68,6.
    EXPECT_EQ(Invoke({"rows", "--method", "statistical", "--seed", "1", "--upload", "--raw"}).out,
              "Stryktipset\r\nE,X,2,1,2,1,X,2,2,1,X,1,X,1");
    EXPECT_EQ(Invoke({"rows", "--method", "statistical", "--seed", "1", "--raw"}).out, RowsGrid({"X2121X221X1X1"}));
}

// Seed 5 draws 3,2,1,5,5,3,5,2,3,3,3,2,4 from 1..6 and, from the same outputs,
// 57,36,15,80,92,45,82,20,50,58,54,22,65 from 1..117: matches 1, 4, 7 and 10
// fall between the methods' bounds.
TEST(Rows, TheMethodsGiveOtherSignsFromOneStream) {
    const struct {
        const char* method;
        const char* signs;
        const char* upload;
    } cases[] = {{"classic", "111221211111X", "E,1,1,1,2,2,1,2,1,1,1,1,1,X"},
                 {"statistical", "X11X21X11X11X", "E,X,1,1,X,2,1,X,1,1,X,1,1,X"}};
    for (const auto& [method, signs, upload] : cases) {
        EXPECT_EQ(Invoke({"rows", "--method", method, "--seed", "5", "--raw"}).out, RowsGrid({signs}));
        EXPECT_EQ(Invoke({"rows", "--method", method, "--seed", "5", "--upload", "--raw"}).out,
                  std::string("Stryktipset\r\n") + upload);
    }
}

TEST(Rows, TextLengths) {
    struct Case {
        std::vector<std::string> args;
        std::size_t length;
    };
    const std::vector<Case> cases = {
        {{"rows", "--raw"}, 223 + 51},
        {{"rows", "--count", "10", "--raw"}, 223 + 51 * 10},
        {{"rows", "--count", "90", "--raw"}, 4813},
        {{"rows", "--count", "90", "--upload", "--raw"}, 2621},
        {{"rows", "--count", "90", "--upload", "--game", "italienska", "--raw"}, 2632},
    };
    for (const auto& [args, length] : cases) EXPECT_EQ(Invoke(args).out.size(), length);
}

TEST(Rows, ItalienskaNamesTheGame) {
    const auto out = Invoke({"rows", "--upload", "--game", "italienska", "--seed", "1"}).out;
    EXPECT_EQ(out, "Italienska Stryktipset\nE,X,2,1,2,1,X,2,2,1,X,1,X,1\n");
}

TEST(Rows, ASureSignStandsInEveryRow) {
    const auto upload = Invoke({"rows", "--count", "24", "--sure", "7=x", "--upload", "--raw"}).out;
    std::size_t rows = 0;
    for (auto pos = upload.find("\r\nE"); pos != std::string::npos; pos = upload.find("\r\nE", pos + 1), ++rows) {
        EXPECT_EQ(upload.substr(pos + 3 + std::size_t{2} * 6, 2), ",X");
    }
    EXPECT_EQ(rows, 24u);

    const auto grid = Invoke({"rows", "--count", "3", "--sure", "7=X", "--raw"}).out;
    EXPECT_NE(grid.find(" Match 7:   X  X  X \r\n"), std::string::npos);
}

TEST(Rows, SameSeedSameBytes) {
    const auto first = Invoke({"rows", "--count", "10", "--seed", "1"});
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.out, ReadFile(std::string(kGoldenFolder) + "/rows-10-seed-1.txt"));
    EXPECT_EQ(Invoke({"rows", "--count", "10", "--seed", "1"}).out, first.out);
    EXPECT_NE(Invoke({"rows", "--count", "10", "--seed", "2"}).out, first.out);
}

TEST(Systems, SeededSystemsGiveTheirKnownCells) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> cells;
        std::size_t length;
    };
    const std::vector<Case> cases = {
        {{"system", "--half", "2", "--full", "1", "--seed", "1", "--raw"},
         {" 1X ", " 1X2 ", " 1X ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", "   X ", " 1 ", "   X ", " 1 ", " 1 "},
         288},
        {{"system", "--half", "2", "--full", "1", "--method", "statistical", "--seed", "1", "--raw"},
         {" 1X ", " 1X2 ", " 1X ", " X ", " X ", " 2 ", " 1 ", " X ", " 1 ", " 1 ", " 1 ", " 2 ", " 2 "},
         284},
        {{"system", "--half", "4", "--full", "2", "--sure", "3=X", "--sure", "13=2", "--seed", "1", "--raw"},
         {" 1X ", " 1X2 ", " X ", " 1X ", " 1X2 ", " 1 ", " 1X ", "   X2 ", " 1 ", " 1 ", " 1 ", " 1 ", " 2 "},
         290},
        {{"system", "--full", "13", "--raw"}, std::vector<std::string>(13, " 1X2 "), 306},
    };
    for (const auto& [args, cells, length] : cases) {
        const auto result = Invoke(args);
        EXPECT_EQ(result.code, 0);
        EXPECT_EQ(result.out, SystemGrid(cells));
        EXPECT_EQ(result.out.size(), length);
    }
}

TEST(Systems, ChoicesThatDoNotFitAreRefusedWithNothingWritten) {
    const TemporaryFolder folder;
    const auto file = folder / "system.txt";
    const auto refused = Invoke({"system", "--half", "5", "--full", "6", "--sure", "1=1", "--sure", "2=X", "--sure",
                                 "3=2", "--output", file.string()});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "stenvik-cli: " + kRefusalUtf8 + "\n");
    EXPECT_TRUE(folder.Names().empty());

    // Thirteen in all fit: every match is sure or covered.
    const auto fits =
        Invoke({"system", "--half", "5", "--full", "5", "--sure", "1=1", "--sure", "2=X", "--sure", "3=2", "--raw"});
    EXPECT_EQ(fits.code, 0);
    const auto cells = MatchCells(fits.out);
    EXPECT_EQ(std::vector(cells.begin(), cells.begin() + 3), (std::vector<std::string>{" 1 ", " X ", " 2 "}));
    const auto half = std::count_if(cells.begin(), cells.end(), [](const auto& cell) {
        return cell == " 1X " || cell == "   X2 " || cell == " 1  2 ";
    });
    EXPECT_EQ(half, 5);
    EXPECT_EQ(std::count(cells.begin(), cells.end(), " 1X2 "), 5);
}

TEST(Clicks, ReplayTheRowsOfTheSameChoices) {
    EXPECT_EQ(Invoke({"clicks", "--seed", "1", "1001", "1041", "1007"}).out,
              Invoke({"rows", "--count", "2", "--seed", "1"}).out);
}

TEST(Clicks, ARefusedSystemIsOrdinaryText) {
    // SYSTEM, 6 half covers, 7 full covers, a sure sign: 14 matches.
    const auto result = Invoke({"clicks", "1002", "1016", "1030", "1074", "1007"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, kRefusalUtf8 + "\n");
}

TEST(Clicks, HiddenControlsAndOtherCodesDoNothing) {
    // The dialog opens with the generate button and the row counts hidden.
    const auto untouched = Invoke({"clicks", "--seed", "1", "1041", "1007", "1001", "1007:1", "1041:0"});
    EXPECT_EQ(untouched.out, "H\xC3\xA4r kommer dina rader visas!\n");
    EXPECT_EQ(Invoke({"clicks", "--seed", "1", "1001", "1007:0"}).out, OnTerminal(RowsGrid({"X2121X221X1X1"})));
}

TEST(Instructions, TheHelpTextInBothEncodings) {
    const auto text = Invoke({"instructions"}).out;
    EXPECT_TRUE(text.starts_with("S\xC3\xA5 har anvander du detta program:\n"));
    EXPECT_TRUE(text.ends_with("\nLycka till!\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 23);

    const auto raw = Invoke({"instructions", "--raw"}).out;
    EXPECT_TRUE(raw.starts_with("S\xE5 har anvander du detta program:\r\n"));
    EXPECT_TRUE(raw.ends_with("\r\nLycka till!"));
}

TEST(Output, TheFileGetsTheSavedBytesAndStdoutStaysEmpty) {
    const TemporaryFolder folder;
    const auto file = folder / "rader.txt";
    WriteFile(file, "an older coupon, longer than the new one will be and then some more of it to be sure");
    const auto saved = Invoke({"rows", "--count", "2", "--seed", "1", "--output", file.string()});
    EXPECT_EQ(saved.code, 0);
    EXPECT_EQ(saved.out, "");
    EXPECT_EQ(saved.err, "");
    EXPECT_EQ(ReadFile(file), RowsGrid({"X11211112XX21", "22X2XX2112221"}));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.txt"});

    const auto instructions = folder / "instruktioner.txt";
    EXPECT_EQ(Invoke({"instructions", "--output=" + instructions.string()}).code, 0);
    EXPECT_EQ(ReadFile(instructions), Invoke({"instructions", "--raw"}).out);
}

TEST(Output, ADashIsStandardOutputWithTheSavedBytes) {
    const auto dash = Invoke({"rows", "--count", "2", "--seed", "1", "--upload", "--output", "-"});
    EXPECT_EQ(dash.code, 0);
    EXPECT_EQ(dash.out, Invoke({"rows", "--count", "2", "--seed", "1", "--upload", "--raw"}).out);
    EXPECT_EQ(Invoke({"instructions", "--output=-"}).out, Invoke({"instructions", "--raw"}).out);
    EXPECT_FALSE(std::filesystem::exists("-"));
}

TEST(Output, AFileThatCannotBeWrittenIsAnErrorAndChangesNothing) {
    const TemporaryFolder folder;
    const auto missing = Invoke({"rows", "--output", (folder / "no-such-folder/rader.txt").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("cannot write"), std::string::npos);
    EXPECT_NE(missing.err.find("no-such-folder/rader.txt"), std::string::npos);

    std::filesystem::create_directory(folder / "rader.txt");
    const auto directory = Invoke({"rows", "--output", (folder / "rader.txt").string()});
    EXPECT_EQ(directory.code, 1);
    EXPECT_EQ(directory.out, "");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "rader.txt"));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.txt"});
}

TEST(Arguments, BadArgumentsExitWithTwoAndOneLine) {
    struct Case {
        std::vector<std::string> args;
        std::string problem;  // part of the message
    };
    const std::vector<Case> cases = {
        {{"frob"}, "unknown command \"frob\""},
        {{"--bogus"}, "unknown option \"--bogus\""},
        {{"rows", "--bogus"}, "--bogus"},
        {{"rows", "extra"}, "extra"},
        {{"rows", "--output"}, "--output"},
        {{"rows", "--count", "25"}, "--count \"25\""},
        {{"rows", "--count=0"}, "--count \"0\""},
        {{"rows", "--count", "2", "--count", "3"}, "--count is given more than once"},
        {{"rows", "--seed", "1", "--seed=1"}, "--seed is given more than once"},
        {{"system", "--half", "14"}, "--half \"14\""},
        {{"system", "--full", "-1"}, "--full \"-1\""},
        {{"system", "--half", "7", "--full", "7"}, "at most 13"},
        {{"system", "--game", "italienska"}, "--game requires --upload"},
        {{"rows", "--sure", "14=1"}, "the match must be 1 to 13"},
        {{"rows", "--sure", "1=3"}, "the sign must be 1, X or 2"},
        {{"rows", "--sure", "1=1", "2=X"}, "2=X"},
        {{"system", "--sure", "4=1", "--sure", "4=X"}, "match 4 is given more than once"},
        {{"rows", "--method", "random"}, "--method \"random\""},
        {{"rows", "--game", "italienska"}, "--game requires --upload"},
        {{"rows", "--upload", "--game", "svenska"}, "--game \"svenska\""},
        {{"rows", "--seed", "2147483648"}, "--seed \"2147483648\""},
        {{"system", "--seed", "-2147483649"}, "--seed \"-2147483649\""},
        {{"clicks"}, "EVENT is required"},
        {{"clicks", "1007:x"}, "event \"1007:x\""},
        {{"clicks", "65536"}, "event \"65536\""},
        {{"clicks", "--state", "--raw", "1007"}, "excludes"},
        {{"rows", "--raw", "--output", "rader.txt"}, "excludes"},
        {{"instructions", "--seed", "1"}, "--seed"},
        // An option or nothing taken for a file name.
        {{"rows", "--count", "5", "--output", "--upload"}, "write ./--upload"},
        {{"rows", "--output=", "--raw"}, "write ./--raw"},
        {{"rows", "--output=-x"}, "write ./-x"},
        {{"rows", "--output", ""}, "such as ./"},
        {{"clicks", "--state", "--output", "-", "1007"}, "both write to standard output"},
    };
    for (const auto& [args, problem] : cases) {
        const auto result = Invoke(args);
        SCOPED_TRACE(problem);
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("stenvik-cli: ")) << result.err;
        EXPECT_NE(result.err.find(problem), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    for (const char* name : {"rader.txt", "--upload", "--raw", "-x"}) EXPECT_FALSE(std::filesystem::exists(name));
}

TEST(Arguments, AMistypedNameGetsTheNearestKnownOne) {
    struct Case {
        std::vector<std::string> args;
        std::string suggestion;  // the message's end; empty for none
    };
    const std::vector<Case> cases = {
        {{"rows", "--cuont", "5"}, "; did you mean --count?"},
        {{"rows", "--cuotn", "5"}, "; did you mean --count?"},  // two swaps are two edits
        {{"rows", "--coun=3"}, "; did you mean --count?"},
        {{"clicks", "--sate", "1007"}, "; did you mean --state?"},
        {{"chek"}, "; did you mean check?"},
        {{"in"}, "; did you mean info?"},  // it begins two commands: the nearer
        {{"--verison"}, "; did you mean --version?"},
        {{"frob"}, ""},
        {{""}, ""},
        {{"rows", "-c", "3"}, ""},
        {{"instructions", "--count", "1"}, ""},  // another command's option
    };
    for (const auto& [args, suggestion] : cases) {
        SCOPED_TRACE(args.front() + " " + args.back());
        const auto result = Invoke(args);
        EXPECT_EQ(result.code, 2);
        if (suggestion.empty()) {
            EXPECT_EQ(result.err.find("did you mean"), std::string::npos) << result.err;
        } else {
            EXPECT_TRUE(result.err.ends_with(suggestion + "\n")) << result.err;
        }
    }
}

TEST(Arguments, MessagesShowWhatWasTypedOnOneLineAndShort) {
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string shown;  // part of the message
    };
    const std::string huge(1 << 20, '9');
    const std::vector<Case> cases = {
        {{"rows", "--count", "\x1b[31m9"}, 2, "--count \"\\x1b[31m9\""},
        {{"rows", "--sure", "1=\xC2\x9B"}, 2, "--sure \"1=\\xc2\\x9b\""},
        {{"rows", "extra\x1b]0;title\x07"}, 2, "extra\\x1b]0;title\\x07"},
        {{"rows", "a\nstenvik-cli: forged"}, 2, "a\\nstenvik-cli: forged"},
        {{"fr\xFFob"}, 2, "unknown command \"fr\\xffob\""},
        {{"rows", "--count", huge}, 2, "--count \"" + huge.substr(0, 60) + "\xE2\x80\xA6\""},
        {{"rows", "--bogus=" + huge}, 2, "--bogus=" + huge.substr(0, 52) + "\xE2\x80\xA6"},
        {{"rows", "--output",
          "saknas/r\xC3\xA5"
          "d\x1b\n.txt"},
         1,
         "cannot write saknas/r\xC3\xA5"
         "d\\x1b\\n.txt: "},
    };
    for (const auto& [args, code, shown] : cases) {
        SCOPED_TRACE(shown.substr(0, 80));
        const auto result = Invoke(args);
        EXPECT_EQ(result.code, code);
        EXPECT_NE(result.err.find(shown), std::string::npos) << result.err;
        EXPECT_LT(result.err.size(), 300u);
        EXPECT_TRUE(result.err.ends_with("\n"));
        const auto control = std::find_if(result.err.begin(), result.err.end() - 1,
                                          [](char byte) { return static_cast<unsigned char>(byte) < 0x20; });
        EXPECT_EQ(control, result.err.end() - 1) << result.err;
    }
}

// Each command listed, and each option's help ending in an example, which
// may wrap onto the next line.
TEST(Arguments, HelpShowsEveryCommandAndOptionWithAnExample) {
    const auto help = Invoke({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("\n  -V,--version "), std::string::npos);
    EXPECT_NE(help.out.find("\n\nCommands for scripts:\n  clicks "), std::string::npos) << help.out;
    const std::vector<std::pair<std::string, std::vector<std::string>>> commands = {
        {"rows",
         {"--count", "--method", "--sure", "--upload", "--game", "--percent", "--unique", "--seed", "--output",
          "--raw"}},
        {"system", {"--half", "--full", "--upload", "--reduce", "--game"}},
        {"clicks", {"--state"}},
        {"instructions", {}},
        {"info", {"--price 2"}},
        {"expand", {}},
        {"check", {"--result"}},
        {"reduce", {"--guarantee", "--game", "--seed", "--output", "--raw", "--json"}},
    };
    for (const auto& [command, options] : commands) {
        EXPECT_NE(help.out.find("\n  " + command + " "), std::string::npos) << command;
        const auto own = Invoke({command, "--help"});
        EXPECT_EQ(own.code, 0);
        EXPECT_NE(own.out.find("Example:\n  stenvik-cli " + command), std::string::npos) << command;
        for (const auto& option : options) {
            EXPECT_TRUE(std::regex_search(own.out, std::regex("e\\.g\\.\\s+" + option))) << command << " " << option;
        }
    }
}

TEST(Arguments, RunBareShowsTheHelpAsAMistake) {
    const auto bare = Invoke({});
    EXPECT_EQ(bare.code, 2);
    EXPECT_EQ(bare.out, "");
    EXPECT_EQ(bare.err, Invoke({"--help"}).out +
                            "stenvik-cli: expected a command: rows, system, clicks, instructions, info, expand, "
                            "check or reduce\n");
}

// The short options, the program named in every usage line, and notes that
// stay out of the option column, where they would read as part of a value.
TEST(Arguments, HelpFollowsTheCommandLinesConventions) {
    EXPECT_EQ(Invoke({"-V"}).out, Invoke({"--version"}).out);
    const std::vector<std::vector<std::string>> commands = {
        {}, {"rows"}, {"system"}, {"clicks"}, {"instructions"}, {"info"}, {"expand"}, {"check"}, {"reduce"},
    };
    for (const auto& command : commands) {
        auto args = command;
        args.emplace_back("-h");
        const auto help = Invoke(args);
        SCOPED_TRACE(args.front());
        EXPECT_EQ(help.code, 0);
        args.back() = "--help";
        EXPECT_EQ(help.out, Invoke(args).out);
        const std::string usage = "Usage: stenvik-cli" + (command.empty() ? "" : " " + command.front()) + " [OPTIONS]";
        EXPECT_NE(help.out.find("\n" + usage), std::string::npos) << help.out;
        std::istringstream lines(help.out);
        for (std::string line; std::getline(lines, line);) {
            if (line.find("Needs:") != std::string::npos || line.find("Excludes:") != std::string::npos) {
                EXPECT_TRUE(line.starts_with(std::string(30, ' ') + "Needs: --") ||
                            line.starts_with(std::string(30, ' ') + "Excludes: --"))
                    << line;
            }
        }
    }
    EXPECT_NE(
        Invoke({"rows", "--help"}).out.find("e.g. --game italienska\n" + std::string(30, ' ') + "Needs: --upload\n"),
        std::string::npos);
}

TEST(Arguments, VersionIsTheProjectsVersion) {
    const auto version = Invoke({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("stenvik-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
}

}  // namespace
}  // namespace stenvik::cli::test
