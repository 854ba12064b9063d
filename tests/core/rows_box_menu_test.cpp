// What the rows box's context menu says and does with a text, as the player
// reads it in Swedish: known answers written out by hand.

#include "core/rows_box_menu.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/codepage.h"
#include "tests/support/box_texts.h"
#include "tests/support/menu_texts.h"

namespace stenvik::rows_box {
namespace {

std::string Utf8(std::u8string_view text) { return std::string(AsChars(text)); }

const std::string kGrid = support::MenuGrid();
const std::string kLargeSystem = support::LargeSystem();
const std::string kSmallSystem = support::SystemGrid(
    {" 1X ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", "   X2 "});
const std::string kUpload = "Italienska Stryktipset\r\nE,1,X,2,1,X,2,1,X,2,1,X,2,1";
const std::string kUnreadable(support::kUnreadable);
const std::string kR409 = support::R409();
std::string WithLine(const std::string& text, std::size_t number, const std::string& line) {
    auto lines = support::Lines(text);
    lines.at(number - 1) = line;
    std::string joined;
    for (const auto& each : lines) joined += (joined.empty() ? "" : "\r\n") + each;
    return joined;
}

TEST(RowsBoxMenu, CountAndCostTellsKindGameRowsPriceRepeatsAndUpload) {
    const struct {
        const char* name;
        std::string text;
        std::u8string_view message;
    } cases[] = {
        {"rows with a repeat", kGrid,
         u8"Slag: enkelrader\nSpel: inget angivet\nRader: 3\nPris: 3 kr\nUpprepade rader: 1\n"
         u8"Ryms i en uppladdningsfil: ja"},
        {"a system too large to upload", kLargeSystem,
         u8"Slag: system\nSpel: inget angivet\nRader: 19 683\nPris: 19 683 kr\nUpprepade rader: 0\n"
         u8"Ryms i en uppladdningsfil: nej. En uppladdningsfil rymmer högst 10 000 rader."},
        {"upload rows name their game", kUpload,
         u8"Slag: uppladdningsrader\nSpel: Italienska Stryktipset\nRader: 1\nPris: 1 kr\nUpprepade rader: 0\n"
         u8"Ryms i en uppladdningsfil: ja"},
    };
    for (const auto& c : cases) {
        const auto outcome = CountAndCost({.text = c.text});
        EXPECT_EQ(outcome.message, Utf8(c.message)) << c.name;
        EXPECT_FALSE(outcome.error) << c.name;
        EXPECT_EQ(outcome.replacement, std::nullopt) << c.name;
    }
}

TEST(RowsBoxMenu, UploadRowsTakeTheTextsGameThenTheCheckedOneThenStryktipset) {
    const std::string rows(support::kMenuGridRows);
    const struct {
        const char* name;
        std::string text;
        std::optional<Game> checked;
        std::string replacement;
    } cases[] = {
        {"no game box", kGrid, std::nullopt, "Stryktipset" + rows},
        {"the checked box", kGrid, Game::Italienska, "Italienska Stryktipset" + rows},
        {"the text's own game", kUpload, Game::Stryktipset, kUpload},
        {"a system, match 13 varying fastest", kSmallSystem, std::nullopt,
         "Stryktipset\r\nE,1,1,1,1,1,1,1,1,1,1,1,1,X\r\nE,1,1,1,1,1,1,1,1,1,1,1,1,2"
         "\r\nE,X,1,1,1,1,1,1,1,1,1,1,1,X\r\nE,X,1,1,1,1,1,1,1,1,1,1,1,2"},
    };
    for (const auto& c : cases) {
        const auto outcome = ToUploadRows({.text = c.text, .checked = c.checked});
        EXPECT_EQ(outcome.replacement, c.replacement) << c.name;
        EXPECT_EQ(outcome.message, "") << c.name;
    }
}

// R 4-0-9 reduced to upload rows for the checked game, and what the rows
// save and guarantee.
TEST(RowsBoxMenu, ReducesASystemToUploadRowsAndTellsWhatTheyGuarantee) {
    const struct {
        Outcome (*step)(const Request&);
        std::optional<Game> checked;
        const char* game;
        std::size_t rows;
        std::u8string_view message;  // its start
    } cases[] = {
        {ReduceTo12, std::nullopt, "Stryktipset", 9,
         u8"9 rader i stället för 81 (72 kr mindre). Garanti: 12 rätt om alla resultat finns bland systemets tecken."
         u8"\n\nGarantitabell: 13 rätt i 9 av 81 utfall.\nI övriga utfall minst 1 rad med 12 rätt, 3 rader med 11 "
         u8"rätt och 3 rader med 10 rätt."},
        {ReduceTo11, Game::Italienska, "Italienska Stryktipset", 3,
         u8"3 rader i stället för 81 (78 kr mindre). Garanti: 11 rätt om alla resultat finns bland systemets tecken."},
    };
    for (const auto& c : cases) {
        TRandomMersenne random(1);
        const auto outcome = c.step({.text = kR409, .checked = c.checked, .random = &random});
        const auto upload = support::ReadUpload(outcome.replacement.value_or(""));
        ASSERT_TRUE(upload) << c.game;
        EXPECT_EQ(upload->game, c.game);
        EXPECT_EQ(upload->rows.size(), c.rows) << c.game;
        EXPECT_TRUE(outcome.message.starts_with(Utf8(c.message))) << outcome.message;
        EXPECT_FALSE(outcome.error) << c.game;
    }
}

// Only typed results that are none are asked for again; an unreadable text
// is refused before anything is asked.
TEST(RowsBoxMenu, RefusalsSayWhyInSwedishAndReplaceNothing) {
    TRandomMersenne random(1);
    const auto reduce = [&random](Outcome (*step)(const Request&), const std::string& text) {
        return step({.text = text, .random = &random});
    };
    const struct {
        const char* name;
        Outcome outcome;
        std::u8string_view message;
        bool askAgain = false;
    } cases[] = {
        {"count, unreadable", CountAndCost({.text = kUnreadable}), u8"Rad 2, kolumn 3: förväntade 1, X eller 2"},
        {"upload, unreadable", ToUploadRows({.text = kUnreadable}), u8"Rad 2, kolumn 3: förväntade 1, X eller 2"},
        {"upload, too many rows", ToUploadRows({.text = kLargeSystem}),
         u8"Kupongen har 19 683 rader. En uppladdningsfil rymmer högst 10 000 rader."},
        {"check, unreadable", CheckAgainst({.text = kUnreadable, .typed = "1111111111111"}),
         u8"Rad 2, kolumn 3: förväntade 1, X eller 2"},
        {"check, no sign", CheckAgainst({.text = kGrid, .typed = "1X2 1X2 1Y2 1X2 1"}),
         u8"\"Y\" är inget tecken: skriv 1, X, 2 eller -.", true},
        {"check, a letter of two bytes", CheckAgainst({.text = kGrid, .typed = Utf8(u8"1X2å")}),
         u8"\"å\" är inget tecken: skriv 1, X, 2 eller -.", true},
        {"check, too few", CheckAgainst({.text = kGrid, .typed = "1X2-1X2-1X2-"}),
         u8"12 tecken: skriv 13, ett för varje match.", true},
        {"reduce, single rows", reduce(ReduceTo12, kGrid),
         u8"Kupongen är inget system utan enkelrader. Bara ett system kan reduceras."},
        {"reduce, upload rows", reduce(ReduceTo11, kUpload),
         u8"Kupongen är inget system utan uppladdningsrader. Bara ett system kan reduceras."},
        {"reduce, no covers", reduce(ReduceTo11, support::AllMatches(" X ")),
         u8"Systemet har inga garderingar och kan inte reduceras."},
        {"reduce, too many rows for 12 right", reduce(ReduceTo12, support::AllMatches(" 1X2 ")),
         u8"Reducerat till 12 rätt blir systemet 59 049 rader. En uppladdningsfil rymmer högst 10 000 rader. "
         u8"Med 11 rätt ryms det."},
        {"a separator's hyphens", CountAndCost({.text = WithLine(kGrid, 8, " " + std::string(23, '-'))}),
         u8"Rad 8, kolumn 2: förväntade en skiljelinje med 29 bindestreck"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.outcome.message, Utf8(c.message)) << c.name;
        EXPECT_TRUE(c.outcome.error) << c.name;
        EXPECT_EQ(c.outcome.replacement, std::nullopt) << c.name;
        EXPECT_EQ(c.outcome.askAgain, c.askAgain) << c.name;
    }
}

TEST(RowsBoxMenu, CheckCountsWinningRowsAndNamesThem) {
    // Row 1 and its repeat have all 13 right, row 3 has 3 of 12 decided.
    const auto outcome = CheckAgainst({.text = kGrid, .typed = "X, 1, 1, 2, 1, 1, 1, 1, 2, X, X, 2, -"});
    EXPECT_EQ(outcome.message, Utf8(u8"13 rätt: 0 rader\n12 rätt: 2 rader\n11 rätt: 0 rader\n10 rätt: 0 rader\n"
                                    u8"Bäst: 12 rätt\nEj avgjorda matcher: 1\n\nRad 1: 12 rätt\nRad 2: 12 rätt"));
    EXPECT_FALSE(outcome.error);

    // A system has no rows to name; its counts come per match.
    EXPECT_EQ(CheckAgainst({.text = kSmallSystem, .typed = "1111111111111"}).message,
              Utf8(u8"13 rätt: 0 rader\n12 rätt: 2 rader\n11 rätt: 2 rader\n10 rätt: 0 rader\n"
                   u8"Bäst: 12 rätt\nEj avgjorda matcher: 0"));
}

TEST(RowsBoxMenu, ManyWinningRowsAreNamedUpToTwenty) {
    std::vector<std::string> rows(25, "1111111111111");
    const auto message = CheckAgainst({.text = support::RowsGrid(rows), .typed = "1111111111111"}).message;
    EXPECT_NE(message.find("Rad 20: 13 r"), std::string::npos);
    EXPECT_EQ(message.find("Rad 21:"), std::string::npos);
    EXPECT_TRUE(message.ends_with(Utf8(u8"\n… och 5 rader till"))) << message;
}

TEST(RowsBoxMenu, ToolkitItemsActOnAnyTextButABlankOne) {
    for (const std::string_view blank : {"", " ", "\r\n", " \t\r\n "})
        EXPECT_FALSE(CanAct(blank)) << '"' << blank << '"';
    for (const std::string_view text : {"x", " \r\n1", kGrid.c_str()}) EXPECT_TRUE(CanAct(text)) << text;
}

// Submenus' items are listed after their submenu.
TEST(RowsBoxMenu, MenuHasTheEditCommandsThenTheToolkitAndNoIdTwice) {
    std::vector<MenuItem> rows;
    for (const auto& item : kMenu) {
        rows.push_back(item);
        rows.insert(rows.end(), item.submenu.begin(), item.submenu.end());
    }
    std::vector<int> ids;
    for (const auto& item : rows) {
        if (item.id == kSeparator) continue;
        EXPECT_EQ(std::count(ids.begin(), ids.end(), item.id), 0) << item.id;
        EXPECT_GT(item.id, rc::kLastCommand);
        ids.push_back(item.id);
    }
    EXPECT_EQ(ids, (std::vector<int>{rc::menu::kUndo, rc::menu::kCut, rc::menu::kCopy, rc::menu::kPaste,
                                     rc::menu::kDelete, rc::menu::kSelectAll, rc::menu::kCountAndCost,
                                     rc::menu::kToUploadRows, rc::menu::kCheckResult, rc::menu::kReduce,
                                     rc::menu::kReduceTo12, rc::menu::kReduceTo11}));
    EXPECT_EQ(ToolkitRows(kMenu).data(), &kMenu[kMenu.size() - 4]);
    EXPECT_EQ(ToolkitRows(support::kTestMenu).size(), support::kTestMenu.size());
}

// A window as the handler sees it: the box's text, the checked game, the
// player's answers (none cancels), and a log of what it was asked to do.
class FakeWindow final : public Access {
public:
    FakeWindow(std::string text, std::optional<Game> checked, std::vector<std::optional<std::string>> answers)
        : _text(std::move(text)), _checked(checked), _answers(std::move(answers)) {}

    std::string Text() const override { return _text; }
    void Replace(const std::string& cp1252) override {
        _text = cp1252;
        log.push_back("replace " + cp1252);
    }
    void Tell(const Message& message) override {
        EXPECT_EQ(message.title, kTitle);
        log.push_back((message.warning ? "warn " : "inform ") + message.text);
    }
    std::optional<std::string> Ask(const Question& question, const std::string& typed) override {
        EXPECT_EQ(question.title, kResultQuestion.title);
        log.push_back("ask " + typed);
        if (_next == _answers.size()) return std::nullopt;
        return _answers[_next++];
    }
    std::optional<Game> CheckedGame() const override { return _checked; }
    TRandomMersenne& Random() override { return random; }

    std::vector<std::string> log;
    TRandomMersenne random{1};

private:
    std::string _text;
    std::optional<Game> _checked;
    std::vector<std::optional<std::string>> _answers;
    std::size_t _next = 0;
};

// Each step in its order: a refusal before any question, the results
// dialog opened again with what was typed until it is read or cancelled,
// and a replacement that Ångra can take back.
TEST(RowsBoxMenu, ActAsksTellsAndReplacesInItsOrder) {
    const std::string valid = "X, 1, 1, 2, 1, 1, 1, 1, 2, X, X, 2, -";
    TRandomMersenne seedOne(1);
    const auto reduced = ReduceTo12({.text = kR409, .checked = Game::Italienska, .random = &seedOne});
    const std::vector<std::string> reducedLog = {"replace " + *reduced.replacement, "inform " + reduced.message};
    const auto refused = [](std::string_view typed) {
        return "warn " + CheckAgainst({.text = kGrid, .typed = typed}).message;
    };
    const struct {
        const char* name;
        std::string text;
        int id;
        std::vector<std::optional<std::string>> answers;
        std::vector<std::string> log;
    } cases[] = {
        {"count", kGrid, rc::menu::kCountAndCost, {}, {"inform " + CountAndCost({.text = kGrid}).message}},
        {"upload rows for the checked game",
         kGrid,
         rc::menu::kToUploadRows,
         {},
         {"replace Italienska Stryktipset" + std::string(support::kMenuGridRows)}},
        {"reduce, seed 1", kR409, rc::menu::kReduceTo12, {}, reducedLog},
        {"check, unreadable: refused before asking",
         kUnreadable,
         rc::menu::kCheckResult,
         {valid},
         {Utf8(u8"warn Rad 2, kolumn 3: förväntade 1, X eller 2")}},
        {"check, cancelled", kGrid, rc::menu::kCheckResult, {std::nullopt}, {"ask "}},
        {"check, asked again holding what was typed, until it reads",
         kGrid,
         rc::menu::kCheckResult,
         {"1X2", Utf8(u8"1X2å"), valid},
         {"ask ", refused("1X2"), "ask 1X2", refused(Utf8(u8"1X2å")), Utf8(u8"ask 1X2å"),
          "inform " + CheckAgainst({.text = kGrid, .typed = valid}).message}},
        {"check, asked again until cancelled",
         kGrid,
         rc::menu::kCheckResult,
         {"1", std::nullopt},
         {"ask ", refused("1"), "ask 1"}},
    };
    for (const auto& c : cases) {
        FakeWindow window(c.text, Game::Italienska, c.answers);
        EXPECT_TRUE(Act(c.id, window)) << c.name;
        EXPECT_EQ(window.log, c.log) << c.name;
    }
    // The edit commands are the window's own, and an unknown item nobody's.
    for (const int id : {rc::menu::kUndo, rc::menu::kSelectAll, kSeparator, support::kFirstTestItem}) {
        FakeWindow window(kGrid, std::nullopt, {});
        EXPECT_FALSE(Act(id, window)) << id;
        EXPECT_TRUE(window.log.empty()) << id;
    }
}

}  // namespace
}  // namespace stenvik::rows_box
