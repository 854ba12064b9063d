// The values the options and events take, and the clicks a choice becomes.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/shown.h"
#include "cli/values.h"
#include "memory/scripted_user.h"

namespace stenvik::cli {
namespace {

TEST(ArgumentValues, SeedsSpanSigned32Bits) {
    EXPECT_EQ(ParseSeed("1"), 1);
    EXPECT_EQ(ParseSeed("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseSeed("2147483647"), INT32_MAX);
    for (const char* bad : {"2147483648", "-2147483649", "", "+1", " 1", "1 ", "0x10", "1e3", "one"}) {
        EXPECT_THROW(ParseSeed(bad), BadArgument) << bad;
    }
}

TEST(ArgumentValues, RowCountsAreTheWindowsButtons) {
    for (const int count : {1, 2, 14, 15, 24, 36, 48, 60, 72, 90}) {
        EXPECT_EQ(ParseRowCount(std::to_string(count)), count);
    }
    for (const char* bad : {"0", "25", "35", "37", "91", "-1", "", "10x"}) {
        EXPECT_THROW(ParseRowCount(bad), BadArgument) << bad;
    }
}

TEST(ArgumentValues, CoverCountsRunFromZeroToThirteen) {
    EXPECT_EQ(ParseCoverCount("--half", "0"), 0);
    EXPECT_EQ(ParseCoverCount("--full", "13"), 13);
    EXPECT_THROW(ParseCoverCount("--half", "14"), BadArgument);
    EXPECT_THROW(ParseCoverCount("--half", "-1"), BadArgument);
    try {
        ParseCoverCount("--full", "x");
        FAIL();
    } catch (const BadArgument& error) {
        EXPECT_EQ(std::string(error.what()), "--full \"x\": expected 0 to 13");
    }
}

TEST(ArgumentValues, SureSignsNameAMatchAndASign) {
    struct Case {
        const char* text;
        int match;
        int signIndex;
    };
    for (const auto& [text, match, signIndex] :
         std::vector<Case>{{"1=1", 1, 0}, {"5=X", 5, 1}, {"5=x", 5, 1}, {"13=2", 13, 2}}) {
        const auto sign = ParseSure(text);
        EXPECT_EQ(sign.match, match) << text;
        EXPECT_EQ(sign.signIndex, signIndex) << text;
    }
    for (const char* bad : {"0=1", "14=1", "5", "5=", "=1", "5=3", "5=XX", "5:1", "5=1=1", "a=1"}) {
        EXPECT_THROW(ParseSure(bad), BadArgument) << bad;
    }
}

TEST(ArgumentValues, EachMatchIsFixedOnce) {
    EXPECT_NO_THROW(CheckDistinctMatches({{1, 0}, {2, 0}, {13, 2}}));
    EXPECT_THROW(CheckDistinctMatches({{4, 0}, {7, 1}, {4, 0}}), BadArgument);
    EXPECT_THROW(CheckDistinctMatches({{4, 0}, {4, 2}}), BadArgument);
}

TEST(ArgumentValues, EventsAreClicksOrCommands) {
    EXPECT_EQ(ParseEvent("1007"), Event(Click{1007}));
    EXPECT_EQ(ParseEvent("0"), Event(Click{0}));
    EXPECT_EQ(ParseEvent("65535"), Event(Click{65535}));
    EXPECT_EQ(ParseEvent("1007:0"), Event(Send{1007, 0}));
    EXPECT_EQ(ParseEvent("1010:768"), Event(Send{1010, 768}));
    for (const char* bad : {"", "65536", "-1", "1007:", ":0", "1007:65536", "1007:-1", "1007:0:0", "x", "1007 "}) {
        EXPECT_THROW(ParseEvent(bad), BadArgument) << bad;
    }
}

TEST(ArgumentValues, PercentsNameAMatchAndThreeSharesOfAHundred) {
    struct Case {
        const char* text;
        int match;
        int one, cross, two;
    };
    for (const auto& [text, match, one, cross, two] : std::vector<Case>{{"1=100/0/0", 1, 100, 0, 0},
                                                                        {"7=0/100/0", 7, 0, 100, 0},
                                                                        {"13=0/0/100", 13, 0, 0, 100},
                                                                        {"5=50/30/20", 5, 50, 30, 20},
                                                                        {"05=34/33/33", 5, 34, 33, 33}}) {
        const auto [parsedMatch, percent] = ParsePercent(text);
        EXPECT_EQ(parsedMatch, match) << text;
        EXPECT_EQ(std::vector({percent.one, percent.cross, percent.two}), std::vector({one, cross, two})) << text;
    }
    for (const char* bad :
         {"0=100/0/0", "14=100/0/0", "5", "5=", "=50/30/20", "5=50/30", "5=50/30/20/0", "5=50/30/20/", "5=50//50",
          "5=-10/60/50", "5=110/0/-10", "5=50/30/19", "5=50/30/21", "5=50 /30/20", "5=+50/30/20", "5:50/30/20"}) {
        EXPECT_THROW(ParsePercent(bad), BadArgument) << bad;
    }
}

TEST(ArgumentValues, PricesAreWholeKronorAboveNothing) {
    EXPECT_EQ(ParsePrice("1"), 1u);
    EXPECT_EQ(ParsePrice("1000000"), 1'000'000u);
    for (const char* bad : {"0", "-1", "1000001", "", "abc", "1.5", " 2", "2kr", "18446744073709551617"}) {
        EXPECT_THROW(ParsePrice(bad), BadArgument) << bad;
    }
}

TEST(ArgumentValues, ResultsAreThirteenSignsOrUndecided) {
    const coupon::Result known = {'1', 'X', '2', std::nullopt, '1', 'X', '2', '1', 'X', '2', '1', 'X', '2'};
    for (const char* text : {"1X2-1X21X21X2", "1x2-1x21x21x2", "1,X,2,-,1,X,2,1,X,2,1,X,2", " 1X2 - 1X2\t1X2, 1X2 "}) {
        EXPECT_EQ(ParseResult(text), known) << text;
    }
    EXPECT_EQ(ParseResult("-------------"), coupon::Result{});
    for (const char* bad : {"", "1X21X21X21X2", "1X21X21X21X211", "1X21X21X21X2Y", "1X21X21X21X20", "1X2;1X21X21X21",
                            "1X21X21X21X2\xC3\xB6", "1/X/2/1/X/2/1/X/2/1/X/2/1"}) {
        EXPECT_THROW(ParseResult(bad), BadArgument) << bad;
    }
}

TEST(ShownText, PrintableUtf8StaysTheRestIsEscapedAndLongTextsEnd) {
    const std::string ellipsis = "\xE2\x80\xA6";
    struct Case {
        std::string text;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"rader.txt", "rader.txt"},
        {"s\xC3\xA4kra m\xC3\xA5l \xE2\x82\xAC \xF0\x9F\x8E\xB2",
         "s\xC3\xA4kra m\xC3\xA5l \xE2\x82\xAC \xF0\x9F\x8E\xB2"},
        {"\x1b[2J", "\\x1b[2J"},
        {"a\nb\r\tc", "a\\nb\\r\\tc"},
        {std::string("\0\x7f", 2), "\\x00\\x7f"},
        {"\xC2\x9B"
         "1m",
         "\\xc2\\x9b1m"},                              // C1 control CSI
        {"\xFF\xFE", "\\xff\\xfe"},                    // not UTF-8
        {"\xE2\x80", "\\xe2\\x80"},                    // cut short
        {"\xC0\xAF", "\\xc0\\xaf"},                    // overlong "/"
        {"\xED\xA0\x80", "\\xed\\xa0\\x80"},           // a surrogate
        {"\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},  // beyond U+10FFFF
        {std::string(60, 'r'), std::string(60, 'r')},
        {std::string(61, 'r'), std::string(60, 'r') + ellipsis},
        {std::string(70, '\n'),
         [] {
             std::string shown;
             for (int character = 0; character < 60; ++character) shown += "\\n";
             return shown;
         }() +
             ellipsis},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(Shown(text), shown) << shown;
    EXPECT_EQ(Quoted("a\tb"), "\"a\\tb\"");
}

TEST(UserClicks, RowsClickAsAUserInTheWindowWould) {
    EXPECT_EQ(UserClicks(RowsRequest{}), (std::vector<Event>{Click{1001}, Click{1007}}));

    RowsRequest request;
    request.count = 72;  // control 1054, between the buttons for 14 and 15
    request.method = Method::Statistical;
    request.sure = {{7, 1}, {1, 0}};
    request.upload = true;
    request.game = Game::Italienska;
    EXPECT_EQ(UserClicks(request), (std::vector<Event>{Click{1001}, Click{1054}, Click{1068}, Click{1070}, Click{1073},
                                                       Click{1093}, Click{1074}, Click{1007}}));
}

TEST(UserClicks, SystemsClickAsAUserInTheWindowWould) {
    EXPECT_EQ(UserClicks(SystemRequest{}), (std::vector<Event>{Click{1002}, Click{1007}}));

    SystemRequest request;
    request.half = 1;  // control 1003, not in the order of the others
    request.full = 12;
    request.sure = {{13, 2}};
    EXPECT_EQ(UserClicks(request),
              (std::vector<Event>{Click{1002}, Click{1003}, Click{1035}, Click{1112}, Click{1007}}));
}

}  // namespace
}  // namespace stenvik::cli
