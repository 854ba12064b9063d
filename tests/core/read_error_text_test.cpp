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
        Expected expected;
        int count;
        const char* english;
        std::u8string_view swedish;
    } cases[] = {
        {Expected::GameOrFirstMatch, 0, "the game's name or Match 1:", u8"spelets namn eller Match 1:"},
        {Expected::Sign, 0, "1, X or 2", u8"1, X eller 2"},
        {Expected::SignsInOrder, 0, "each sign once, in the order 1, X, 2",
         u8"varje tecken en gång, i ordningen 1, X, 2"},
        {Expected::Blank, 0, "a blank", u8"ett mellanslag"},
        {Expected::Signs, 1, "1 sign", u8"1 tecken"},
        {Expected::Signs, 13, "13 signs", u8"13 tecken"},
        {Expected::Match, 2, "Match 2:", u8"Match 2:"},
        {Expected::SeparatorOrMatch, 4, "a separator or Match 4:", u8"en skiljelinje eller Match 4:"},
        {Expected::AnySeparator, 0, "a separator of 23 hyphens or 17 + 4 per row",
         u8"en skiljelinje med 23 bindestreck eller 17 + 4 per rad"},
        {Expected::Separator, 25, "a separator of 25 hyphens", u8"en skiljelinje med 25 bindestreck"},
        {Expected::Stryktipset, 0, "Stryktipset", u8"Stryktipset"},
        {Expected::CommaOrLineEnd, 0, "a comma or the end of the line", u8"ett kommatecken eller radens slut"},
        {Expected::Comma, 0, "a comma", u8"ett kommatecken"},
        {Expected::LineEnd, 0, "the end of the line", u8"radens slut"},
        {Expected::TextEnd, 0, "the end of the text", u8"textens slut"},
        {Expected::UploadRow, 0, "E,", u8"E,"},
        {Expected::Text, 0, "text", u8"text"},
    };
    std::set<Expected> kinds;
    for (const auto& c : cases) {
        const ReadError error{.line = 3, .column = 12, .expected = c.expected, .count = c.count};
        EXPECT_EQ(InEnglish(error), std::string("line 3, column 12: expected ") + c.english);
        EXPECT_EQ(InSwedish(error), std::string(AsChars(u8"Rad 3, kolumn 12: förväntade ")).append(AsChars(c.swedish)));
        kinds.insert(c.expected);
    }
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(Expected::Text) + 1);  // Text is the last
}

}  // namespace
}  // namespace stenvik::coupon
