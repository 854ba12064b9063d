#include "core/read_error_text.h"

#include <string_view>

#include "core/codepage.h"
#include "core/coupon_text.h"

namespace stenvik::coupon {
namespace {

struct Words {
    std::string english;
    std::string swedish;
};

std::string Utf8(std::u8string_view text) { return std::string(AsChars(text)); }

// Each kind's words side by side, so that the compiler asks for both when a
// kind is added. Names the text itself holds, "Match 3:", "E," and the
// games, read the same in both languages.
Words Expectation(const ReadError& error) {
    const auto count = std::to_string(error.count);
    const auto match = "Match " + count + ":";
    switch (error.expected) {
        case Expected::GameOrFirstMatch: return {"the game's name or Match 1:", "spelets namn eller Match 1:"};
        case Expected::Sign: return {"1, X or 2", "1, X eller 2"};
        case Expected::SignsInOrder:
            return {"each sign once, in the order 1, X, 2", Utf8(u8"varje tecken en gång, i ordningen 1, X, 2")};
        case Expected::Blank: return {"a blank", "ett mellanslag"};
        case Expected::Signs: return {count + (error.count == 1 ? " sign" : " signs"), count + " tecken"};
        case Expected::Match: return {match, match};
        case Expected::SeparatorOrMatch: return {"a separator or " + match, "en skiljelinje eller " + match};
        case Expected::AnySeparator:
            return {"a separator of 23 hyphens or 17 + 4 per row",
                    "en skiljelinje med 23 bindestreck eller 17 + 4 per rad"};
        case Expected::Separator:
            return {"a separator of " + count + " hyphens", "en skiljelinje med " + count + " bindestreck"};
        case Expected::Stryktipset: return {std::string(kStryktipset), std::string(kStryktipset)};
        case Expected::CommaOrLineEnd: return {"a comma or the end of the line", "ett kommatecken eller radens slut"};
        case Expected::Comma: return {"a comma", "ett kommatecken"};
        case Expected::LineEnd: return {"the end of the line", "radens slut"};
        case Expected::TextEnd: return {"the end of the text", "textens slut"};
        case Expected::UploadRow: return {"E,", "E,"};
        case Expected::Text: return {"text", "text"};
    }
    return {};
}

}  // namespace

std::string InEnglish(const ReadError& error) {
    return "line " + std::to_string(error.line) + ", column " + std::to_string(error.column) + ": expected " +
           Expectation(error).english;
}

std::string InSwedish(const ReadError& error) {
    return "Rad " + std::to_string(error.line) + ", kolumn " + std::to_string(error.column) + Utf8(u8": förväntade ") +
           Expectation(error).swedish;
}

}  // namespace stenvik::coupon
