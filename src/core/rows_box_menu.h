#pragma once
// The rows box's context menu, the same in both windows: the edit commands,
// then what the toolkit tells of the box's text. A window builds the menu
// from kMenu, carries out the edit commands itself and hands every other
// item to Act, lending it the box and its dialogs through Access; the
// Controller plays no part in it.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/coupon.h"
#include "core/randomc.h"
#include "core/rc.h"

namespace stenvik::rows_box {

// The title of every message box the menu shows.
inline constexpr std::u8string_view kTitle = u8"Stenvik";

// A small dialog's question: a title and a prompt over one line to type.
struct Question {
    std::u8string_view title;
    std::u8string_view prompt;
};

// What "Rätta mot resultat…" asks for.
inline constexpr Question kResultQuestion{
    .title = u8"Rätta mot resultat",
    .prompt =
        u8"Matchernas resultat, ett tecken för varje match:\n"
        u8"1, X eller 2, och - för en match som inte är avgjord.",
};

// A message box with an OK button. The text is UTF-8 with "\n".
struct Message {
    std::u8string_view title;
    std::string text;
    bool warning = false;  // it tells why nothing was done
};

// What a window lends an item: its rows box, its game boxes and its dialogs.
class Access {
public:
    Access() = default;
    Access(const Access&) = delete;
    Access& operator=(const Access&) = delete;
    virtual ~Access() = default;

    // The box's text, in Windows-1252 or UTF-8.
    virtual std::string Text() const = 0;
    // The box's text replaced by `cp1252` (Windows-1252, "\r\n") so that
    // Ångra brings the old one back.
    virtual void Replace(const std::string& cp1252) = 0;
    virtual void Tell(const Message& message) = 0;
    // The line typed into the question's dialog, which opens holding
    // `typed`; none when the player cancels. Both in UTF-8.
    virtual std::optional<std::string> Ask(const Question& question, const std::string& typed) = 0;
    virtual std::optional<Game> CheckedGame() const = 0;
    // The generator a reduction draws from: the window's own, seeded once at
    // start, never the one the press's rows come from.
    virtual TRandomMersenne& Random() = 0;
};

// What an item acts on: the box's text (Windows-1252 or UTF-8), the checked
// game box, what the player typed when the item asks, and the generator of
// an item that draws.
struct Request {
    std::string_view text{};
    std::optional<Game> checked{};
    std::string_view typed{};
    TRandomMersenne* random = nullptr;
};

// What an item leaves behind. A replacement is Windows-1252 with "\r\n"
// line breaks, the message UTF-8 with "\n".
struct Outcome {
    std::string message;                     // for a message box; empty for none
    std::optional<std::string> replacement;  // the box's new text; none keeps it
    bool error = false;                      // the message tells why nothing was done
    bool askAgain = false;                   // what was typed is refused: the dialog opens again with it
};

// "Antal rader och kostnad": kind, game, rows, price, repeated rows, and
// whether one upload file takes them.
Outcome CountAndCost(const Request& request);

// "Gör om till uppladdningsrader": the game the text names, else the
// checked game box, else Stryktipset.
Outcome ToUploadRows(const Request& request);

// "Rätta mot resultat…" with the results the player typed, in UTF-8.
Outcome CheckAgainst(const Request& request);

// "Reducera till R-system": a system replaced by the upload rows of a
// reduction that keeps 12 (or 11) right, for the game as upload rows take
// it, and told in rows, the price saved and the garantitabell. It draws
// from request.random, which it needs.
Outcome ReduceTo12(const Request& request);
Outcome ReduceTo11(const Request& request);

inline constexpr int kSeparator = 0;

// A row of the menu. Its kind follows from what it holds: a separator
// holds nothing, an edit command only its identifier and text, a toolkit
// item its step too, and a submenu its rows. An item that `asks` is backed
// by a dialog: it asks once the text has been read, and its step is given
// what the player typed.
struct MenuItem {
    int id = kSeparator;
    std::u8string_view text;
    Outcome (*step)(const Request&) = nullptr;
    const Question* asks = nullptr;
    std::span<const MenuItem> submenu{};
};
enum class Row { Separator, Edit, Toolkit, Submenu };
Row KindOf(const MenuItem& item);

inline constexpr auto kReduceMenu = std::to_array<MenuItem>({
    {.id = rc::menu::kReduceTo12, .text = u8"&12 rätt", .step = ReduceTo12},
    {.id = rc::menu::kReduceTo11, .text = u8"1&1 rätt", .step = ReduceTo11},
});

// The edit commands as a Swedish Windows names them, in its order, then the
// toolkit's items, each with an '&' before its access key.
inline constexpr auto kMenu = std::to_array<MenuItem>({
    {.id = rc::menu::kUndo, .text = u8"&Ångra"},
    {},
    {.id = rc::menu::kCut, .text = u8"Klipp &ut"},
    {.id = rc::menu::kCopy, .text = u8"&Kopiera"},
    {.id = rc::menu::kPaste, .text = u8"Klistra &in"},
    {.id = rc::menu::kDelete, .text = u8"&Ta bort"},
    {},
    {.id = rc::menu::kSelectAll, .text = u8"Markera &allt"},
    {},
    {.id = rc::menu::kCountAndCost, .text = u8"Antal rader och &kostnad", .step = CountAndCost},
    {.id = rc::menu::kToUploadRows, .text = u8"&Gör om till uppladdningsrader", .step = ToUploadRows},
    {.id = rc::menu::kCheckResult, .text = u8"&Rätta mot resultat…", .step = CheckAgainst, .asks = &kResultQuestion},
    {.id = rc::menu::kReduce, .text = u8"Re&ducera till R-system", .submenu = kReduceMenu},
});

// The rows from the first toolkit item or submenu on, for a window whose
// edit brings its own edit commands.
std::span<const MenuItem> ToolkitRows(std::span<const MenuItem> rows);

// The toolkit's items and submenus act on any text but an empty or blank
// one, as the edit commands grey out where they have nothing to act on.
bool CanAct(std::string_view text);

// Carries out the toolkit item `id` of kMenu: false for any other
// identifier. A text it cannot read is refused before anything is asked.
bool Act(int id, Access& access);

}  // namespace stenvik::rows_box
