#pragma once
// The rows box's context menu, the same in both windows: the edit commands,
// then what the toolkit tells of the box's text. The front ends build the
// menu from kMenu, call these functions for the last three items and show
// what they return; the Controller plays no part in it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/coupon.h"
#include "core/rc.h"

namespace stenvik::rows_box {

// An item, with '&' before its access key; identifier 0 is a separator.
struct MenuItem {
    int id;
    std::u8string_view text;
};
inline constexpr int kSeparator = 0;

// The edit commands as a Swedish Windows names them, in its order.
inline constexpr auto kMenu = std::to_array<MenuItem>({
    {rc::menu::kUndo, u8"&Ångra"},
    {kSeparator, u8""},
    {rc::menu::kCut, u8"Klipp &ut"},
    {rc::menu::kCopy, u8"&Kopiera"},
    {rc::menu::kPaste, u8"Klistra &in"},
    {rc::menu::kDelete, u8"&Ta bort"},
    {kSeparator, u8""},
    {rc::menu::kSelectAll, u8"Markera &allt"},
    {kSeparator, u8""},
    {rc::menu::kCountAndCost, u8"Antal rader och &kostnad"},
    {rc::menu::kToUploadRows, u8"&Gör om till uppladdningsrader"},
    {rc::menu::kCheckResult, u8"&Rätta mot resultat…"},
});

// The title of every message box the menu shows.
inline constexpr std::u8string_view kTitle = u8"Stenvik";

// What "Rätta mot resultat…" asks for, in a dialog of its own.
inline constexpr std::u8string_view kResultTitle = u8"Rätta mot resultat";
inline constexpr std::u8string_view kResultPrompt =
    u8"Matchernas resultat, ett tecken för varje match:\n"
    u8"1, X eller 2, och - för en match som inte är avgjord.";

// The toolkit's items act on any text but an empty or blank one, as the
// edit commands grey out where they have nothing to act on.
bool CanAct(std::string_view text);

// What an item leaves behind. The box's text is read in Windows-1252 or
// UTF-8; a replacement is Windows-1252 with "\r\n" line breaks, the message
// UTF-8 with "\n".
struct Outcome {
    std::string message;                     // for a message box; empty for none
    std::optional<std::string> replacement;  // the box's new text; none keeps it
    bool error = false;                      // the message tells why nothing was done
};

// "Antal rader och kostnad": kind, game, rows, price, repeated rows, and
// whether one upload file takes them.
Outcome CountAndCost(std::string_view text);

// "Gör om till uppladdningsrader": the game the text names, else the
// checked game box, else Stryktipset.
Outcome ToUploadRows(std::string_view text, std::optional<Game> checked);

// "Rätta mot resultat…" asks for the results only of a text it can read:
// the refusal when the text is none, before the player types anything.
std::optional<Outcome> Unreadable(std::string_view text);

// "Rätta mot resultat…" with the results the player typed, in UTF-8.
Outcome CheckAgainst(std::string_view text, std::string_view results);

// "Rad 3, kolumn 12: väntade 1, X eller 2"
std::string SwedishMessage(const coupon::ReadError& error);

}  // namespace stenvik::rows_box
