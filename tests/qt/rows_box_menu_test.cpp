// The rows box's context menu as a user meets it: the edit's commands in
// Swedish, then the toolkit's items, each acting on the box's text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "core/codepage.h"
#include "core/rc.h"
#include "core/rows_box_menu.h"
#include "tests/qt/menu_support.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/box_texts.h"
#include "tests/support/menu_texts.h"

namespace stenvik::qt::test {
namespace {

QString Qt8(std::u8string_view text) { return QString::fromUtf8(AsChars(text)); }

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

const std::string kGrid = support::MenuGrid();

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
    EXPECT_EQ(all.size() - first, std::ssize(rows_box::ToolkitRows(rows_box::kMenu)));
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
        for (const int id :
             {rc::menu::kCountAndCost, rc::menu::kToUploadRows, rc::menu::kCheckResult, rc::menu::kReduce}) {
            EXPECT_EQ(Item(*menu, id)->isEnabled(), c.toolkit) << id;
        }
        const auto tested = program.session.Menu().Make(support::kTestMenu);
        QAction* submenu = Item(*tested, support::kFirstTestItem + 1);
        for (const QAction* item :
             {Item(*tested, support::kFirstTestItem), submenu, Item(*submenu->menu(), support::kFirstTestItem + 2)}) {
            EXPECT_EQ(item->isEnabled(), c.toolkit) << item->data().toInt();
        }
        // Nothing selected, nothing done yet: the edit's own greying.
        for (const int id : {rc::menu::kUndo, rc::menu::kCut, rc::menu::kCopy, rc::menu::kDelete}) {
            EXPECT_FALSE(Item(*menu, id)->isEnabled()) << id;
        }
    }
}

// A table's submenu becomes one; GreysOutWhatCannotAct greys it.
TEST(RowsBoxMenu, BuildsASubmenuFromTheTable) {
    Program program;
    const auto menu = program.session.Menu().Make(support::kTestMenu);
    const auto items = Items(*menu);
    const int first = support::kFirstTestItem;
    EXPECT_EQ(std::vector(items.end() - 4, items.end()),
              (std::vector<std::pair<int, QString>>{{rows_box::kSeparator, QString()},
                                                    {first, QStringLiteral("&Antal")},
                                                    {rows_box::kSeparator, QString()},
                                                    {first + 1, QStringLiteral("Re&ducera")}}));
    QAction* submenu = Item(*menu, first + 1);
    ASSERT_NE(submenu->menu(), nullptr);
    EXPECT_EQ(Items(*submenu->menu()),
              (std::vector<std::pair<int, QString>>{{first + 2, Qt8(u8"12 rätt")}, {first + 3, Qt8(u8"11 rätt")}}));
}

// What the player sees is the core's outcome for the box's text, as the
// box holds it, and for the window's own generator of reductions; a refused
// result asks again, holding what was typed.
TEST(RowsBoxMenu, ItemsTellOrReplaceAndLeaveAnUnreadableTextAlone) {
    using namespace rows_box;
    using namespace rc::menu;
    const std::string valid = "X, 1, 1, 2, 1, 1, 1, 1, 2, X, X, 2, -";
    const std::string unreadable(support::kUnreadable);
    const std::string r409 = support::R409();
    const auto reduced = [](Outcome (*step)(const Request&), const std::string& text) {
        TRandomMersenne random(kReductionSeed);
        return step({.text = text, .random = &random});
    };
    const struct {
        const char* name;
        std::string box;
        int id;
        Outcome shown;
        std::vector<QString> typed;  // the answers to "Rätta mot resultat…"; then it is cancelled
        std::vector<QString> held;   // what each results dialog opened holding
    } cases[] = {
        {"count", kGrid, kCountAndCost, CountAndCost({.text = kGrid}), {}, {}},
        // The box holds "Match Î©": each letter is one column.
        {"count, two letters", "Match \xCE\xA9", kCountAndCost, CountAndCost({.text = AsChars(u8"Match Î©")}), {}, {}},
        {"upload", kGrid, kToUploadRows, ToUploadRows({.text = kGrid}), {}, {}},
        {"upload, unreadable", unreadable, kToUploadRows, ToUploadRows({.text = unreadable}), {}, {}},
        {"reduce to 12", r409, kReduceTo12, reduced(ReduceTo12, r409), {}, {}},
        {"reduce to 11", r409, kReduceTo11, reduced(ReduceTo11, r409), {}, {}},
        {"reduce, refused", kGrid, kReduceTo12, reduced(ReduceTo12, kGrid), {}, {}},
        {"check",
         kGrid,
         kCheckResult,
         CheckAgainst({.text = kGrid, .typed = valid}),
         {QString::fromStdString(valid)},
         {QString()}},
        {"check, a sign typed in Swedish, asked again",
         kGrid,
         kCheckResult,
         CheckAgainst({.text = kGrid, .typed = AsChars(u8"1X2å")}),
         {QStringLiteral("1X2å")},
         {QString(), QStringLiteral("1X2å")}},
        {"check, cancelled", kGrid, kCheckResult, {}, {}, {QString()}},
        {"check, unreadable: refused before asking",
         unreadable,
         kCheckResult,
         CheckAgainst({.text = unreadable}),
         {QString::fromStdString(valid)},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        Show(program, c.box);
        program.prompts.lines.assign(c.typed.begin(), c.typed.end());
        Choose(program, c.id);

        EXPECT_EQ(program.Rows(), c.shown.replacement.value_or(c.box));
        const auto& told = c.shown.error ? program.prompts.warnings : program.prompts.informed;
        const auto& silent = c.shown.error ? program.prompts.informed : program.prompts.warnings;
        EXPECT_TRUE(silent.empty());
        if (c.shown.message.empty()) {
            EXPECT_TRUE(told.empty());
        } else {
            ASSERT_EQ(told.size(), 1u);
            EXPECT_EQ(told[0].caption, Qt8(kTitle));
            EXPECT_EQ(told[0].text, QString::fromStdString(c.shown.message));
        }
        EXPECT_EQ(program.prompts.linesHeld, c.held);
        for (const auto& asked : program.prompts.linesAsked) {
            EXPECT_EQ(asked.caption, Qt8(kResultQuestion.title));
            EXPECT_EQ(asked.text, Qt8(kResultQuestion.prompt));
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
        EXPECT_EQ(program.Rows(), c.game + std::string(support::kMenuGridRows));
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
