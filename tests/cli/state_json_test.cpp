// The dialog's state after replayed clicks, as the JSON that bug reports carry.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "tests/cli/cli_test_support.h"

namespace stenvik::cli::test {
namespace {

using nlohmann::json;

std::string Golden(const std::string& name) { return ReadFile(std::string(kGoldenFolder) + "/" + name); }

// The rows box is the only control a command can reach without changing
// anything, so 1039 shows the dialog as it opens.
TEST(State, TheFreshDialog) {
    const auto result = Invoke({"clicks", "--state", "1039"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, Golden("fresh-dialog.json"));
}

// Clicks on the hidden row count and generate button, and a command with a
// code other than a click, change nothing; then a system of 2 half and 1
// full cover.
TEST(State, ASystemAfterClicksThatDoNothing) {
    const auto result =
        Invoke({"clicks", "--seed", "1", "--state", "1041", "1007", "1002", "1012", "1024", "1007:1", "1007"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, Golden("system-after-hidden-clicks.json"));

    const auto state = json::parse(result.out);
    EXPECT_EQ(state["rows"], SystemGrid({" 1X ", " 1X2 ", " 1X ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", "   X ", " 1 ",
                                         "   X ", " 1 ", " 1 "}));
    EXPECT_EQ(state["status"], "D\xC3\xA5 g\xC3\xA5r vi vidare till SYSTEM generering.");
    EXPECT_EQ(state["controls"]["1041"]["visible"], false);
    EXPECT_EQ(state["controls"]["1041"]["checked"], false);
    EXPECT_EQ(state["controls"]["1008"], (json{{"visible", true}, {"enabled", true}}));
    EXPECT_EQ(state["globals"], (json{{"antal_enkelrader", 1},
                                      {"antal_halvgarderingar", 2},
                                      {"antal_helgarderingar", 1},
                                      {"antalsakra", 0},
                                      {"antal_enkeltecken", 10},
                                      {"sakra", 10},
                                      {"ir", 1}}));
}

TEST(State, CommandsAsTheyAreLeaveTheCheckMarksAlone) {
    // The handler of "statistiskt" clears "klassiskt"; only a click checks
    // the box itself.
    const auto sent = json::parse(Invoke({"clicks", "--state", "1073:0"}).out);
    EXPECT_EQ(sent["controls"]["1072"]["checked"], false);
    EXPECT_EQ(sent["controls"]["1073"]["checked"], false);
    EXPECT_EQ(sent["status"], nullptr);

    const auto clicked = json::parse(Invoke({"clicks", "--state", "1073"}).out);
    EXPECT_EQ(clicked["controls"]["1072"]["checked"], false);
    EXPECT_EQ(clicked["controls"]["1073"]["checked"], true);
}

TEST(State, EveryControlWithAnIdentifierOnce) {
    const auto state = json::parse(Invoke({"clicks", "--state", "1001", "1068"}).out);
    EXPECT_EQ(state["status"], "Svenska spel kompatibilitet.");
    EXPECT_EQ(state["controls"].size(), 107u);  // 126 less 6 group boxes and 13 labels
    for (const char* absent : {"1000", "1010", "1011", "65535"}) EXPECT_FALSE(state["controls"].contains(absent));
    EXPECT_FALSE(state["controls"]["1039"].contains("checked"));
    EXPECT_FALSE(state["controls"]["1009"].contains("checked"));
    EXPECT_EQ(state["controls"]["1069"], (json{{"visible", true}, {"enabled", true}, {"checked", true}}));
}

TEST(State, WithAnOutputFileTheFileGetsTheRows) {
    const TemporaryFolder folder;
    const auto file = folder / "rader.txt";
    const auto result = Invoke({"clicks", "--seed", "1", "--state", "--output", file.string(), "1001", "1007"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(ReadFile(file), RowsGrid({"X2121X221X1X1"}));
    EXPECT_EQ(json::parse(result.out)["rows"], ReadFile(file));
}

}  // namespace
}  // namespace stenvik::cli::test
