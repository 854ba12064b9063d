// The rows box's context menu as a user meets it: the edit's commands in
// Swedish, then the toolkit's items, each acting on the box's text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "core/codepage.h"
#include "core/rc.h"
#include "core/rows_box_menu.h"
#include "qt/rows_text.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/box_texts.h"
#include "tests/support/own_replacements.h"

namespace stenvik::qt::test {
namespace {

QString Qt8(std::u8string_view text) { return QString::fromUtf8(AsChars(text)); }

QAction* Item(const QMenu& menu, int id) {
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->data() == id) return action;
    }
    return nullptr;
}

constexpr int kNoId = -1;

// The items' identifiers and texts, without the shortcut Qt writes after a tab.
std::vector<std::pair<int, QString>> Items(const QMenu& menu) {
    std::vector<std::pair<int, QString>> items;
    for (const QAction* action : menu.actions()) {
        const int id = action->isSeparator()      ? rows_box::kSeparator
                       : action->data().isValid() ? action->data().toInt()
                                                  : kNoId;
        items.emplace_back(id, action->text().section('\t', 0, 0));
    }
    return items;
}

void Show(Program& program, const std::string& cp1252) {
    program.session.window.RowsBox()->setPlainText(FromCp1252(cp1252));
}

// Chooses the item as a click on it would.
void Choose(Program& program, int id) {
    const auto menu = program.session.Menu().Make();
    QAction* item = Item(*menu, id);
    ASSERT_NE(item, nullptr) << id;
    ASSERT_TRUE(item->isEnabled()) << id;
    item->trigger();
}

const std::string kGrid = support::RowsGrid({"X11211112XX21", "X11211112XX21", "22X2XX2112221"});
const std::string kGridRows =
    "\r\nE,X,1,1,2,1,1,1,1,2,X,X,2,1\r\nE,X,1,1,2,1,1,1,1,2,X,X,2,1\r\nE,2,2,X,2,X,X,2,1,1,2,2,2,1";
// Nine full covers: 3^9 = 19 683 rows, more than an upload file takes.
const std::string kLargeSystem = support::SystemGrid(
    {" 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1 ", " 1 ", " 1 ", " 1 "});

TEST(RowsBoxMenu, HasTheEditCommandsInSwedishThenTheToolkit) {
    Program program;
    const auto menu = program.session.Menu().Make();
    std::vector<std::pair<int, QString>> shown;
    for (const auto& item : Items(*menu)) {
        if (item.first != rows_box::kSeparator) shown.push_back(item);
    }
    // Qt's menu also has Redo, which the Windows one lacks.
    std::vector<std::pair<int, QString>> expected = {{kNoId, QStringLiteral("&Gör om")}};
    for (const auto& item : rows_box::kMenu) {
        if (item.id != rows_box::kSeparator) expected.emplace_back(item.id, Qt8(item.text));
    }
    std::swap(expected[0], expected[1]);  // Undo, then Redo
    EXPECT_EQ(shown, expected);

    const auto all = menu->actions();
    const auto first = all.indexOf(Item(*menu, rc::menu::kCountAndCost));
    ASSERT_GT(first, 0);
    EXPECT_TRUE(all[first - 1]->isSeparator());
    EXPECT_EQ(all.size() - first, 3);
}

TEST(RowsBoxMenu, GreysOutWhatCannotAct) {
    const struct {
        const char* name;
        QString text;
        bool toolkit;
    } cases[] = {
        {"empty", QString(), false},
        {"blank", QStringLiteral(" \n\t "), false},
        {"a word", QStringLiteral("x"), true},
    };
    Program program;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        program.session.window.RowsBox()->setPlainText(c.text);
        const auto menu = program.session.Menu().Make();
        for (const int id : {rc::menu::kCountAndCost, rc::menu::kToUploadRows, rc::menu::kCheckResult}) {
            EXPECT_EQ(Item(*menu, id)->isEnabled(), c.toolkit) << id;
        }
        // Nothing selected, nothing done yet: the edit's own greying.
        for (const int id : {rc::menu::kUndo, rc::menu::kCut, rc::menu::kCopy, rc::menu::kDelete}) {
            EXPECT_FALSE(Item(*menu, id)->isEnabled()) << id;
        }
    }
}

struct Told {
    bool warning;
    std::u8string_view message;  // empty: nothing told
};

TEST(RowsBoxMenu, ItemsTellOrReplaceAndLeaveAnUnreadableTextAlone) {
    const struct {
        const char* name;
        std::string box;
        int id;
        std::optional<QString> typed;  // the answer to "Rätta mot resultat…"
        Told told;
        std::optional<std::string> after;  // the box's new text; none keeps it
    } cases[] = {
        {"count",
         kGrid,
         rc::menu::kCountAndCost,
         {},
         {false,
          u8"Slag: enkelrader\nSpel: inget angivet\nRader: 3\nPris: 3 kr\nUpprepade rader: 1\n"
          u8"Ryms i en uppladdningsfil: ja"},
         {}},
        {"count, a character Windows-1252 lacks",
         "Match \xCE\xA9",
         rc::menu::kCountAndCost,
         {},
         {true, u8"Rad 1, kolumn 7: väntade Match 1:"},
         {}},
        {"upload", kGrid, rc::menu::kToUploadRows, {}, {false, u8""}, "Stryktipset" + kGridRows},
        {"upload, unreadable",
         "hej",
         rc::menu::kToUploadRows,
         {},
         {true, u8"Rad 1, kolumn 1: väntade spelets namn eller Match 1:"},
         {}},
        {"upload, too many rows",
         kLargeSystem,
         rc::menu::kToUploadRows,
         {},
         {true, u8"Kupongen har 19 683 rader. En uppladdningsfil rymmer högst 10 000 rader."},
         {}},
        {"check",
         kGrid,
         rc::menu::kCheckResult,
         QStringLiteral("X, 1, 1, 2, 1, 1, 1, 1, 2, X, X, 2, -"),
         {false,
          u8"13 rätt: 0 rader\n12 rätt: 2 rader\n11 rätt: 0 rader\n10 rätt: 0 rader\n"
          u8"Bäst: 12 rätt\nEj avgjorda matcher: 1\n\nRad 1: 12 rätt\nRad 2: 12 rätt"},
         {}},
        {"check, a sign typed in Swedish",
         kGrid,
         rc::menu::kCheckResult,
         QStringLiteral("1X2å"),
         {true, u8"\"å\" är inget tecken: skriv 1, X, 2 eller -."},
         {}},
        {"check, cancelled", kGrid, rc::menu::kCheckResult, QString(), {false, u8""}, {}},
        {"check, unreadable: refused before asking",
         "hej",
         rc::menu::kCheckResult,
         {},
         {true, u8"Rad 1, kolumn 1: väntade spelets namn eller Match 1:"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        Show(program, c.box);
        if (c.typed) program.prompts.lines.push_back(*c.typed);
        Choose(program, c.id);

        EXPECT_EQ(program.Rows(), c.after.value_or(c.box));
        const auto& told = c.told.warning ? program.prompts.warnings : program.prompts.informed;
        const auto& silent = c.told.warning ? program.prompts.informed : program.prompts.warnings;
        EXPECT_TRUE(silent.empty());
        if (c.told.message.empty()) {
            EXPECT_TRUE(told.empty());
        } else {
            ASSERT_EQ(told.size(), 1u);
            EXPECT_EQ(told[0].caption, QStringLiteral("Stenvik"));
            EXPECT_EQ(told[0].text, Qt8(c.told.message));
        }
        if (c.id == rc::menu::kCheckResult && c.typed) {
            ASSERT_EQ(program.prompts.linesAsked.size(), 1u);
            EXPECT_EQ(program.prompts.linesAsked[0].caption, Qt8(rows_box::kResultTitle));
            EXPECT_EQ(program.prompts.linesAsked[0].text, Qt8(rows_box::kResultPrompt));
        } else {
            EXPECT_TRUE(program.prompts.linesAsked.empty());
        }
    }
}

TEST(RowsBoxMenu, UploadRowsTakeTheCheckedGameBox) {
    const struct {
        bool stryktipset;
        bool italienska;
        const char* game;
    } cases[] = {
        {false, false, "Stryktipset"},
        {true, false, "Stryktipset"},
        {false, true, "Italienska Stryktipset"},
        {true, true, "Stryktipset"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game + std::string(c.stryktipset ? " stryk" : "") + (c.italienska ? " ital" : ""));
        Program program;
        program.Button(rc::kStryktipset)->setChecked(c.stryktipset);
        program.Button(rc::kItalienska)->setChecked(c.italienska);
        Show(program, kGrid);
        Choose(program, rc::menu::kToUploadRows);
        EXPECT_EQ(program.Rows(), c.game + kGridRows);
    }
}

// The text is replaced through the edit's own editing, so Ångra brings the
// old one back, and the box reports the change as typing does.
TEST(RowsBoxMenu, UndoBringsBackTheTextBeforeUploadRows) {
    Program program;
    Click(program, rc::kEnkelrader);
    Click(program, rc::kRowCounts[2].id);
    Click(program, rc::kGenerate);
    const std::string generated = program.Rows();
    Choose(program, rc::menu::kToUploadRows);
    ASSERT_TRUE(program.Rows().starts_with("Stryktipset\r\nE,")) << program.Rows();
    EXPECT_EQ(support::Lines(program.Rows()).size(), 4u);

    Choose(program, rc::menu::kUndo);
    EXPECT_EQ(program.Rows(), generated);
}

// So do the program's own replacements; the new text is shown from its
// start, as it always was.
TEST(RowsBoxMenu, UndoBringsBackTheTextBeforeEachOfTheProgramsReplacements) {
    Program program;
    QPlainTextEdit& box = *program.session.window.RowsBox();
    for (const auto& c : support::kOwnReplacements) {
        SCOPED_TRACE(c.what);
        Show(program, "egen rad");
        box.moveCursor(QTextCursor::End);
        QTest::keyClick(&box, Qt::Key_2);
        ASSERT_EQ(program.Rows(), "egen rad2");
        for (const int id : c.clicks) Click(program, id);
        EXPECT_GT(program.Rows().size(), 30u);
        EXPECT_EQ(box.textCursor().position(), 0);
        EXPECT_EQ(box.verticalScrollBar()->value(), 0);
        Choose(program, rc::menu::kUndo);
        EXPECT_EQ(program.Rows(), "egen rad2");
    }
}

// A right click in the box, the menu key and Shift+F10 all open it; the popup is read
// and closed once it is there.
TEST(RowsBoxMenu, OpensOnARightClickAndOnTheMenuKey) {
    const std::vector<std::pair<const char*, std::function<void(Program&)>>> ways = {
        {"right click",
         [](Program& program) {
             QWidget* viewport = program.session.window.RowsBox()->viewport();
             QTest::mouseClick(program.session.window.windowHandle(), Qt::RightButton, Qt::NoModifier,
                               viewport->mapTo(&program.session.window, viewport->rect().center()));
         }},
        {"menu key",
         [](Program& program) {
             QPlainTextEdit* box = program.session.window.RowsBox();
             QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1), box->mapToGlobal(QPoint(1, 1)));
             QApplication::sendEvent(box, &key);
         }},
        {"Shift+F10",
         [](Program& program) { QTest::keyClick(program.session.window.RowsBox(), Qt::Key_F10, Qt::ShiftModifier); }},
    };
    for (const auto& [name, open] : ways) {
        SCOPED_TRACE(name);
        Program program;
        std::vector<std::pair<int, QString>> seen;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr || !menu->isVisible()) return;
            seen = Items(*menu);
            menu->close();
        });
        reader.start(5);
        open(program);
        reader.stop();
        EXPECT_EQ(seen, Items(*program.session.Menu().Make()));
        EXPECT_FALSE(seen.empty());
    }
}

}  // namespace
}  // namespace stenvik::qt::test
