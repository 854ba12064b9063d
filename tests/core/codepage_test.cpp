#include <gtest/gtest.h>

#include <string>

#include "core/codepage.h"

namespace stenvik {
namespace {

TEST(Codepage, SwedishLettersAreOneByteEach) {
    constexpr Cp1252Text text{u8"Här åäö ÅÄÖ"};
    EXPECT_EQ(text.view(), std::string_view("H\xE4r \xE5\xE4\xF6 \xC5\xC4\xD6"));
}

TEST(Codepage, EveryByteRoundTrips) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Codepage, TheHighControlsMapToTheirLetters) {
    EXPECT_EQ(Cp1252ToUtf8("\x80\x8A\x9F"), "\xE2\x82\xAC\xC5\xA0\xC5\xB8");  // euro, S and Y with marks
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), std::string("\x80"));
}

TEST(Codepage, RefusesWhatItCannotHold) {
    struct Case {
        const char* name;
        std::string utf8;
    };
    const Case cases[] = {
        {"outside the code page", "\xE4\xB8\xAD"},
        {"emoji", "\xF0\x9F\x98\x80"},
        {"truncated sequence", "\xC3"},
        {"stray continuation", "\x80"},
        {"overlong slash", "\xC0\xAF"},
        {"surrogate", "\xED\xA0\x80"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), std::nullopt) << c.name;
}

}  // namespace
}  // namespace stenvik
