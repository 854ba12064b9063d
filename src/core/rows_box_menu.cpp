#include "core/rows_box_menu.h"

#include <algorithm>
#include <cstdint>
#include <variant>

#include "core/codepage.h"
#include "core/coupon_text.h"
#include "core/coupon_tools.h"

namespace stenvik::rows_box {
namespace {

// The check's message names this many winning rows, then counts the rest.
constexpr std::size_t kRowsNamed = 20;

std::string Utf8(std::u8string_view text) { return std::string(AsChars(text)); }

// Swedish writes thousands apart: "10 000".
std::string Number(std::uint64_t value) {
    auto digits = std::to_string(value);
    if (digits.size() <= 4) return digits;
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(digits.begin() + at, ' ');
    return digits;
}

std::string Rows(std::uint64_t count) { return Number(count) + (count == 1 ? " rad" : " rader"); }

// What the reader expected, in Swedish. Names the text itself holds, such
// as "Match 3:" and the games, read the same in both languages.
std::string Swedish(std::string_view expected) {
    struct Phrase {
        std::string_view english;
        std::u8string_view swedish;
    };
    static constexpr auto kPhrases = std::to_array<Phrase>({
        {"the game's name or Match 1:", u8"spelets namn eller Match 1:"},
        {"1, X or 2", u8"1, X eller 2"},
        {"each sign once, in the order 1, X, 2", u8"varje tecken en gång, i ordningen 1, X, 2"},
        {"a blank", u8"ett mellanslag"},
        {"a comma or the end of the line", u8"ett kommatecken eller radens slut"},
        {"a comma", u8"ett kommatecken"},
        {"the end of the line", u8"radens slut"},
        {"the end of the text", u8"textens slut"},
        {"a separator of 23 hyphens or 17 + 4 per row", u8"en skiljelinje med 23 bindestreck eller 17 + 4 per rad"},
    });
    for (const auto& phrase : kPhrases) {
        if (expected == phrase.english) return Utf8(phrase.swedish);
    }
    constexpr std::string_view kSeparatorOr = "a separator or ";
    if (expected.starts_with(kSeparatorOr))
        return "en skiljelinje eller " + Swedish(expected.substr(kSeparatorOr.size()));
    constexpr std::string_view kSeparatorOf = "a separator of ";
    constexpr std::string_view kHyphens = " hyphens";
    if (expected.starts_with(kSeparatorOf) && expected.ends_with(kHyphens)) {
        const auto count =
            expected.substr(kSeparatorOf.size(), expected.size() - kSeparatorOf.size() - kHyphens.size());
        return "en skiljelinje med " + std::string(count) + " bindestreck";
    }
    for (const std::string_view signs : {" signs", " sign"}) {
        if (expected.ends_with(signs) && expected.size() > signs.size() &&
            std::all_of(expected.begin(), expected.end() - static_cast<std::ptrdiff_t>(signs.size()),
                        [](char c) { return c >= '0' && c <= '9'; })) {
            return std::string(expected.substr(0, expected.size() - signs.size())) + " tecken";
        }
    }
    return std::string(expected);
}

Outcome Told(std::string message) { return {.message = std::move(message), .replacement = {}, .error = false}; }
Outcome Refusal(std::string message) { return {.message = std::move(message), .replacement = {}, .error = true}; }

// The box's text as a coupon, or the message that says where it stops being one.
std::variant<coupon::Coupon, Outcome> Read(std::string_view text) {
    auto read = coupon::ReadCoupon(text);
    if (const auto* error = std::get_if<coupon::ReadError>(&read)) return Refusal(SwedishMessage(*error));
    return std::move(std::get<coupon::Coupon>(read));
}

std::string GameName(Game game) {
    return std::string(game == Game::Italienska ? coupon::kItalienska : coupon::kStryktipset);
}

std::string UploadLimit() { return Utf8(u8"En uppladdningsfil rymmer högst ") + Rows(coupon::kUploadRowLimit) + "."; }

}  // namespace

bool CanAct(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; });
}

std::string SwedishMessage(const coupon::ReadError& error) {
    return "Rad " + std::to_string(error.line) + ", kolumn " + std::to_string(error.column) + Utf8(u8": väntade ") +
           Swedish(error.expected);
}

Outcome CountAndCost(std::string_view text) {
    auto read = Read(text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    const auto& coupon = std::get<coupon::Coupon>(read);
    static constexpr std::array<std::u8string_view, 3> kKinds = {u8"enkelrader", u8"system", u8"uppladdningsrader"};
    const auto rows = coupon::RowCount(coupon);
    const bool fits = coupon::FitsUpload(rows);
    return Told("Slag: " + Utf8(kKinds[static_cast<std::size_t>(coupon.kind)]) +
                "\nSpel: " + (coupon.game ? GameName(*coupon.game) : "inget angivet") + "\nRader: " + Number(rows) +
                "\nPris: " + Number(rows * coupon::kDefaultPrice) +
                " kr\nUpprepade rader: " + Number(coupon::RepeatedRows(coupon)) +
                "\nRyms i en uppladdningsfil: " + (fits ? "ja" : "nej. " + UploadLimit()));
}

Outcome ToUploadRows(std::string_view text, std::optional<Game> checked) {
    auto read = Read(text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    const auto& coupon = std::get<coupon::Coupon>(read);
    if (const auto rows = coupon::RowCount(coupon); !coupon::FitsUpload(rows)) {
        return Refusal("Kupongen har " + Rows(rows) + ". " + UploadLimit());
    }
    const auto game = coupon.game.value_or(checked.value_or(Game::Stryktipset));
    return {.message = {}, .replacement = coupon::UploadText(coupon, game), .error = false};
}

std::optional<Outcome> Unreadable(std::string_view text) {
    auto read = Read(text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    return std::nullopt;
}

Outcome CheckAgainst(std::string_view text, std::string_view results) {
    auto read = Read(text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    const auto typed = coupon::ReadResult(results);
    if (const auto* error = std::get_if<coupon::ResultError>(&typed)) {
        if (!error->noSign.empty()) {
            return Refusal("\"" + std::string(error->noSign) + Utf8(u8"\" är inget tecken: skriv 1, X, 2 eller -."));
        }
        return Refusal(std::to_string(error->signs) + Utf8(u8" tecken: skriv 13, ett för varje match."));
    }
    const auto summary = coupon::Check(std::get<coupon::Coupon>(read), std::get<coupon::Result>(typed));
    std::string message;
    for (int hits = rc::kMatches; hits >= coupon::kWinningHits; --hits) {
        message +=
            std::to_string(hits) + Utf8(u8" rätt: ") + Rows(summary.rowsWith[static_cast<std::size_t>(hits)]) + "\n";
    }
    message += Utf8(u8"Bäst: ") + std::to_string(summary.best) + Utf8(u8" rätt\nEj avgjorda matcher: ") +
               std::to_string(summary.undecided);
    std::string named;
    std::size_t winning = 0;
    for (std::size_t row = 0; row < summary.correct.size(); ++row) {
        if (summary.correct[row] < coupon::kWinningHits || ++winning > kRowsNamed) continue;
        named += "\nRad " + std::to_string(row + 1) + ": " + std::to_string(summary.correct[row]) + Utf8(u8" rätt");
    }
    if (winning > kRowsNamed) named += Utf8(u8"\n… och ") + Rows(winning - kRowsNamed) + " till";
    if (!named.empty()) message += "\n" + named;
    return Told(std::move(message));
}

}  // namespace stenvik::rows_box
