#include "core/rows_box_menu.h"

#include <algorithm>
#include <cstdint>
#include <variant>

#include "core/codepage.h"
#include "core/coupon_text.h"
#include "core/coupon_tools.h"
#include "core/read_error_text.h"
#include "core/reduction.h"

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

Outcome Told(std::string message) { return {.message = std::move(message), .replacement = {}, .error = false}; }
Outcome Refusal(std::string message) { return {.message = std::move(message), .replacement = {}, .error = true}; }

// The box's text as a coupon, or the message that says where it stops being one.
std::variant<coupon::Coupon, Outcome> Read(std::string_view text) {
    auto read = coupon::ReadCoupon(text);
    if (const auto* error = std::get_if<coupon::ReadError>(&read)) return Refusal(coupon::InSwedish(*error));
    return std::move(std::get<coupon::Coupon>(read));
}

std::string GameName(Game game) {
    return std::string(game == Game::Italienska ? coupon::kItalienska : coupon::kStryktipset);
}

// The coupon's kind as CountAndCost names it.
std::string KindName(coupon::Kind kind) {
    static constexpr std::array<std::u8string_view, 3> kKinds = {u8"enkelrader", u8"system", u8"uppladdningsrader"};
    return Utf8(kKinds[static_cast<std::size_t>(kind)]);
}

// Rows for upload take the game the text names, else the checked game box,
// else Stryktipset.
Game GameOf(const coupon::Coupon& coupon, const Request& request) {
    return coupon.game.value_or(request.checked.value_or(Game::Stryktipset));
}

std::string UploadLimit() { return Utf8(u8"En uppladdningsfil rymmer högst ") + Rows(coupon::kUploadRowLimit) + "."; }

// The row of `id` among `rows` and their submenus.
const MenuItem* Find(std::span<const MenuItem> rows, int id) {
    for (const auto& row : rows) {
        if (row.id == id && row.step != nullptr) return &row;
        if (const auto* found = Find(row.submenu, id)) return found;
    }
    return nullptr;
}

void Show(Access& access, const Outcome& outcome) {
    if (outcome.replacement) access.Replace(*outcome.replacement);
    if (!outcome.message.empty()) access.Tell({.title = kTitle, .text = outcome.message, .warning = outcome.error});
}

std::string Refused(const reduction::Refusal& refusal, const coupon::Coupon& system, reduction::Guarantee guarantee) {
    using Why = reduction::Refusal::Why;
    switch (refusal.why) {
        case Why::NotASystem:
            return Utf8(u8"Kupongen är inget system utan ") + KindName(system.kind) +
                   ". Bara ett system kan reduceras.";
        case Why::NoCovers: return Utf8(u8"Systemet har inga garderingar och kan inte reduceras.");
        case Why::TooManyRows: break;
    }
    return "Reducerat till " + std::to_string(static_cast<int>(guarantee)) + Utf8(u8" rätt blir systemet ") +
           Rows(refusal.rows) + ". " + UploadLimit() +
           (refusal.elevenRows != 0 ? Utf8(u8" Med 11 rätt ryms det.") : "");
}

Outcome ReduceTo(const Request& request, reduction::Guarantee guarantee) {
    auto read = Read(request.text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    const auto& system = std::get<coupon::Coupon>(read);
    const auto reduced = reduction::Reduce(system, guarantee, *request.random);
    if (const auto* refusal = std::get_if<reduction::Refusal>(&reduced)) {
        return Refusal(Refused(*refusal, system, guarantee));
    }
    const auto& [rows, systemRows, table] = std::get<reduction::Reduced>(reduced);
    const auto saved = (systemRows - rows.rows.size()) * coupon::kDefaultPrice;
    const auto with = [](std::uint32_t count, int hits) {
        return Rows(count) + Utf8(u8" med ") + std::to_string(hits) + Utf8(u8" rätt");
    };
    auto told = Rows(rows.rows.size()) + Utf8(u8" i stället för ") + Number(systemRows) + " (" + Number(saved) +
                " kr mindre). Garanti: " + std::to_string(static_cast<int>(guarantee)) +
                Utf8(u8" rätt om alla resultat finns bland systemets tecken.\n\nGarantitabell: 13 rätt i ") +
                Number(table.thirteen) + " av " + Number(table.outcomes) + Utf8(u8" utfall.\nI övriga utfall minst ") +
                with(table.fewest[0], 12) + ", " + with(table.fewest[1], 11) + " och " + with(table.fewest[2], 10) +
                ".";
    return {
        .message = std::move(told), .replacement = coupon::UploadText(rows, GameOf(system, request)), .error = false};
}

}  // namespace

Row KindOf(const MenuItem& item) {
    if (!item.submenu.empty()) return Row::Submenu;
    if (item.step != nullptr) return Row::Toolkit;
    return item.id == kSeparator ? Row::Separator : Row::Edit;
}

std::span<const MenuItem> ToolkitRows(std::span<const MenuItem> rows) {
    const auto first = std::find_if(rows.begin(), rows.end(), [](const MenuItem& row) {
        return KindOf(row) == Row::Toolkit || KindOf(row) == Row::Submenu;
    });
    return {first, rows.end()};
}

bool CanAct(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; });
}

bool Act(int id, Access& access) {
    const auto* item = Find(kMenu, id);
    if (item == nullptr) return false;
    const auto text = access.Text();
    Request request{.text = text, .checked = access.CheckedGame(), .typed = {}, .random = &access.Random()};
    if (item->asks == nullptr) {
        Show(access, item->step(request));
        return true;
    }
    // Nothing is asked of the player about a text that cannot be read.
    if (auto read = Read(text); const auto* refusal = std::get_if<Outcome>(&read)) {
        Show(access, *refusal);
        return true;
    }
    // A refused answer comes back in the dialog, for the player to put right.
    std::string typed;
    for (;;) {
        auto answer = access.Ask(*item->asks, typed);
        if (!answer) return true;
        typed = std::move(*answer);
        request.typed = typed;
        const auto outcome = item->step(request);
        Show(access, outcome);
        if (!outcome.askAgain) return true;
    }
}

Outcome CountAndCost(const Request& request) {
    auto read = Read(request.text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    const auto& coupon = std::get<coupon::Coupon>(read);
    const auto rows = coupon::RowCount(coupon);
    const bool fits = coupon::FitsUpload(rows);
    return Told("Slag: " + KindName(coupon.kind) +
                "\nSpel: " + (coupon.game ? GameName(*coupon.game) : "inget angivet") + "\nRader: " + Number(rows) +
                "\nPris: " + Number(rows * coupon::kDefaultPrice) +
                " kr\nUpprepade rader: " + Number(coupon::RepeatedRows(coupon)) +
                "\nRyms i en uppladdningsfil: " + (fits ? "ja" : "nej. " + UploadLimit()));
}

Outcome ToUploadRows(const Request& request) {
    auto read = Read(request.text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    const auto& coupon = std::get<coupon::Coupon>(read);
    if (const auto rows = coupon::RowCount(coupon); !coupon::FitsUpload(rows)) {
        return Refusal("Kupongen har " + Rows(rows) + ". " + UploadLimit());
    }
    return {.message = {}, .replacement = coupon::UploadText(coupon, GameOf(coupon, request)), .error = false};
}

Outcome CheckAgainst(const Request& request) {
    auto read = Read(request.text);
    if (auto* refusal = std::get_if<Outcome>(&read)) return std::move(*refusal);
    const auto typed = coupon::ReadResult(request.typed);
    if (const auto* error = std::get_if<coupon::ResultError>(&typed)) {
        auto refusal =
            Refusal(error->noSign.empty()
                        ? std::to_string(error->signs) + Utf8(u8" tecken: skriv 13, ett för varje match.")
                        : "\"" + std::string(error->noSign) + Utf8(u8"\" är inget tecken: skriv 1, X, 2 eller -."));
        refusal.askAgain = true;
        return refusal;
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

Outcome ReduceTo12(const Request& request) { return ReduceTo(request, reduction::Guarantee::Twelve); }
Outcome ReduceTo11(const Request& request) { return ReduceTo(request, reduction::Guarantee::Eleven); }

}  // namespace stenvik::rows_box
