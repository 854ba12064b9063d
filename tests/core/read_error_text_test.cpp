// Where a coupon text stops being one, in the words of stenvik-cli and of
// the windows. Where each kind is found is the reader's test.

#include "core/read_error_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "core/codepage.h"

namespace stenvik::coupon {
namespace {

// Every kind in both languages: stenvik-cli's English, the windows' Swedish.
TEST(ReadErrorText, EveryKindReadsInEnglishAndInSwedish) {
    const struct {
        ReadError error;
        const char* english;
        std::u8string_view swedish;
    } cases[] = {
        {{1, 1, Expected::GameOrFirstMatch},
         "line 1, column 1: expected the game's name or Match 1:",
         u8"Rad 1, kolumn 1: förväntade spelets namn eller Match 1:"},
        {{3, 12, Expected::Sign},
         "line 3, column 12: expected 1, X or 2",
         u8"Rad 3, kolumn 12: förväntade 1, X eller 2"},
        {{2, 16, Expected::SignsInOrder},
         "line 2, column 16: expected each sign once, in the order 1, X, 2",
         u8"Rad 2, kolumn 16: förväntade varje tecken en gång, i ordningen 1, X, 2"},
        {{2, 14, Expected::Blank},
         "line 2, column 14: expected a blank",
         u8"Rad 2, kolumn 14: förväntade ett mellanslag"},
        {{1, 14, Expected::Signs, 1}, "line 1, column 14: expected 1 sign", u8"Rad 1, kolumn 14: förväntade 1 tecken"},
        {{2, 26, Expected::Signs, 13},
         "line 2, column 26: expected 13 signs",
         u8"Rad 2, kolumn 26: förväntade 13 tecken"},
        {{2, 8, Expected::Match, 2}, "line 2, column 8: expected Match 2:", u8"Rad 2, kolumn 8: förväntade Match 2:"},
        {{4, 2, Expected::SeparatorOrMatch, 4},
         "line 4, column 2: expected a separator or Match 4:",
         u8"Rad 4, kolumn 2: förväntade en skiljelinje eller Match 4:"},
        {{4, 2, Expected::AnySeparator},
         "line 4, column 2: expected a separator of 23 hyphens or 17 + 4 per row",
         u8"Rad 4, kolumn 2: förväntade en skiljelinje med 23 bindestreck eller 17 + 4 per rad"},
        {{8, 2, Expected::Separator, 25},
         "line 8, column 2: expected a separator of 25 hyphens",
         u8"Rad 8, kolumn 2: förväntade en skiljelinje med 25 bindestreck"},
        {{1, 12, Expected::Stryktipset},
         "line 1, column 12: expected Stryktipset",
         u8"Rad 1, kolumn 12: förväntade Stryktipset"},
        {{1, 13, Expected::CommaOrLineEnd},
         "line 1, column 13: expected a comma or the end of the line",
         u8"Rad 1, kolumn 13: förväntade ett kommatecken eller radens slut"},
        {{2, 2, Expected::Comma},
         "line 2, column 2: expected a comma",
         u8"Rad 2, kolumn 2: förväntade ett kommatecken"},
        {{4, 28, Expected::LineEnd},
         "line 4, column 28: expected the end of the line",
         u8"Rad 4, kolumn 28: förväntade radens slut"},
        {{17, 2, Expected::TextEnd},
         "line 17, column 2: expected the end of the text",
         u8"Rad 17, kolumn 2: förväntade textens slut"},
        {{3, 2, Expected::UploadRow}, "line 3, column 2: expected E,", u8"Rad 3, kolumn 2: förväntade E,"},
        {{2, 15, Expected::Text}, "line 2, column 15: expected text", u8"Rad 2, kolumn 15: förväntade text"},
    };
    std::set<Expected> kinds;
    for (const auto& c : cases) {
        EXPECT_EQ(InEnglish(c.error), c.english);
        EXPECT_EQ(InSwedish(c.error), std::string(AsChars(c.swedish))) << c.english;
        kinds.insert(c.error.expected);
    }
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(Expected::Text) + 1);  // Text is the last
}

}  // namespace
}  // namespace stenvik::coupon
