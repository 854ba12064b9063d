// The Qt program's own arguments, read before any window exists.

#include <gtest/gtest.h>

#include <vector>

#include "qt/command_line.h"

namespace stenvik::qt::test {
namespace {

TEST(CommandLine, HelpAndVersionAreAnsweredWhereverTheyStand) {
    const struct {
        std::vector<const char*> arguments;
        EarlyAnswer answer;
    } cases[] = {
        {{}, EarlyAnswer::None},
        {{"--help"}, EarlyAnswer::Help},
        {{"-h"}, EarlyAnswer::Help},
        {{"--version"}, EarlyAnswer::Version},
        {{"-V"}, EarlyAnswer::Version},
        {{"-style", "fusion", "--version", "--help"}, EarlyAnswer::Version},
        {{"-platform", "offscreen"}, EarlyAnswer::None},
        // The value of a Qt option is not a request, whatever it says.
        {{"-qwindowtitle", "--help"}, EarlyAnswer::None},
        {{"--qwindowtitle", "-V", "-h"}, EarlyAnswer::Help},
        {{"-style=--help"}, EarlyAnswer::None},
        {{"--", "--help"}, EarlyAnswer::None},
        {{"--helpful"}, EarlyAnswer::None},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const char* argument : c.arguments) shown += std::string(argument) + ' ';
        EXPECT_EQ(AskedBeforeStart(c.arguments), c.answer) << shown;
    }
}

TEST(CommandLine, WhatQtLeavesIsAOneLineComplaint) {
    EXPECT_EQ(LeftOver({}), std::nullopt);
    const std::vector<const char*> left = {"--bogus", "x"};
    EXPECT_EQ(LeftOver(left), "stenvik: unknown argument '--bogus'; try 'stenvik --help'\n");
}

TEST(CommandLine, HelpIsLaidOutForAManPage) {
    const std::string help = HelpText();
    EXPECT_TRUE(help.starts_with("Usage: stenvik [OPTION]... [QT-OPTION]...\n")) << help;
    for (const char* option : {"\n  -h, --help ", "\n  -V, --version ", "-platform", "-style", "-session"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    EXPECT_TRUE(VersionText().starts_with("stenvik ")) << VersionText();
    EXPECT_TRUE(VersionText().ends_with("\n"));
}

}  // namespace
}  // namespace stenvik::qt::test
