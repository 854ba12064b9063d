// The keys a Windows user knows from the dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTest>
#include <QTextCursor>

#include "core/rc.h"
#include "tests/qt/qt_test_support.h"

namespace stenvik::qt::test {
namespace {

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QWidget* Focused() { return QApplication::focusWidget(); }

const QString kTemplateText = QStringLiteral("Här kommer dina rader visas!");

TEST(QtKeyboard, EscapeNeverClosesTheWindow) {
    Program program;
    Press(Qt::Key_Escape);  // in the rows box
    program.Button(rc::kInstructions)->setFocus();
    Press(Qt::Key_Escape);
    Click(program, rc::kSystem);
    Press(Qt::Key_Escape);
    EXPECT_TRUE(program.session.window.isVisible());
    EXPECT_TRUE(program.session.HasController());
}

// The whole text is selected at start, as on Windows: the first key replaces it.
TEST(QtKeyboard, EnterInTheRowsBoxStartsANewLine) {
    Program program;
    ASSERT_EQ(Focused(), program.session.window.RowsBox());
    QTest::keyClicks(Focused(), QStringLiteral("ab"));
    Press(Qt::Key_Return);
    QTest::keyClicks(Focused(), QStringLiteral("c"));
    EXPECT_EQ(program.session.window.RowsBox()->toPlainText(), QStringLiteral("ab\nc"));
    EXPECT_EQ(program.Rows().substr(0, 5), "ab\r\nc");
    EXPECT_FALSE(program.Button(rc::kGenerate)->isVisible());
}

class PushButtonKey : public testing::TestWithParam<Qt::Key> {};

TEST_P(PushButtonKey, PressesTheFocusedPushButton) {
    Program program;
    program.Button(rc::kInstructions)->setFocus();
    Press(GetParam());
    EXPECT_TRUE(program.session.window.RowsBox()->toPlainText().startsWith(QStringLiteral("Så har anvander du")));
}

INSTANTIATE_TEST_SUITE_P(EnterOrSpace, PushButtonKey, testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space),
                         [](const testing::TestParamInfo<Qt::Key>& key) {
                             return QKeySequence(key.param).toString().toStdString();
                         });

TEST(QtKeyboard, EnterOnACheckBoxChangesNothing) {
    Program program;
    Click(program, rc::kStatistiskt);
    ASSERT_EQ(Focused(), program.Button(rc::kStatistiskt));
    Press(Qt::Key_Return);
    EXPECT_TRUE(program.Button(rc::kStatistiskt)->isChecked());
    EXPECT_FALSE(program.Button(rc::kKlassiskt)->isChecked());
    EXPECT_EQ(program.session.window.RowsBox()->toPlainText(), kTemplateText);
}

TEST(QtKeyboard, TabVisitsOnlyTheRowsBoxAndTheVisiblePushButtons) {
    Program program;
    QWidget* rows = program.session.window.RowsBox();
    QWidget* generate = program.Button(rc::kGenerate);
    QWidget* save = program.Button(rc::kSave);
    QWidget* instructions = program.Button(rc::kInstructions);

    // At start the generate and save buttons are hidden.
    ASSERT_EQ(Focused(), rows);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), instructions);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), rows);

    Click(program, rc::kEnkelrader);
    Click(program, rc::kGenerate);
    // A clicked check box has the focus; Tab leaves it for the next tab stop.
    Click(program, rc::kStatistiskt);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), rows);
    for (QWidget* next : {generate, save, instructions, rows}) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), next);
    }
    for (QWidget* previous : {instructions, save, generate, rows}) {
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), previous);
    }
}

// The dialog manager's arrow keys: the focus moves through the group, and a
// radio button it reaches unchecked is clicked, so the Controller hears of it.
TEST(QtKeyboard, ArrowKeysMoveThroughTheGroupAndClickRadioButtons) {
    const struct {
        const char* name;
        int from;
        Qt::Key key;
        int to;
        int rows;  // single rows afterwards
    } cases[] = {
        {"down", rc::RowCountId(1), Qt::Key_Down, rc::RowCountId(2), 2},
        {"right", rc::RowCountId(1), Qt::Key_Right, rc::RowCountId(2), 2},
        {"up", rc::RowCountId(3), Qt::Key_Up, rc::RowCountId(2), 2},
        {"left", rc::RowCountId(3), Qt::Key_Left, rc::RowCountId(2), 2},
        {"a check box only takes the focus", rc::RowCountId(90), Qt::Key_Down, rc::kCompatible, 90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        Click(program, rc::kEnkelrader);
        Click(program, c.from);
        const bool compatible = program.Button(rc::kCompatible)->isChecked();
        Press(c.key);
        EXPECT_EQ(Focused(), program.session.window.Widget(c.to));
        EXPECT_TRUE(program.Button(c.to)->isChecked() || c.to == rc::kCompatible);
        EXPECT_EQ(program.Button(c.from)->isChecked(), c.to == rc::kCompatible);
        EXPECT_EQ(program.Button(rc::kCompatible)->isChecked(), compatible);
        EXPECT_EQ(program.session.state.antal_enkelrader, c.rows);
    }
}

// Round the group past the last sure box: the label "Match 13:" takes the
// focus and passes the next press on to the rows box, its text selected.
TEST(QtKeyboard, ArrowKeysPassThroughALabelToTheRowsBox) {
    Program program;
    Click(program, rc::SureBox(rc::kMatches, 2));
    Press(Qt::Key_Down);
    const auto* label = qobject_cast<QLabel*>(Focused());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Match 13:"));
    Press(Qt::Key_Down);
    ASSERT_EQ(Focused(), program.session.window.RowsBox());
    EXPECT_EQ(program.session.window.RowsBox()->textCursor().selectedText(), kTemplateText);
}

TEST(QtKeyboard, TheRowsBoxSelectsItsWholeTextAtStartAndWhenTabReachesIt) {
    Program program;
    QPlainTextEdit* rows = program.session.window.RowsBox();
    ASSERT_EQ(Focused(), rows);
    EXPECT_EQ(rows->textCursor().selectedText(), kTemplateText);

    for (const Qt::Key tab : {Qt::Key_Tab, Qt::Key_Backtab}) {
        rows->moveCursor(QTextCursor::Start);
        ASSERT_FALSE(rows->textCursor().hasSelection());
        const auto modifiers = tab == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        Press(tab, modifiers);
        ASSERT_NE(Focused(), rows);
        Press(tab, modifiers);
        ASSERT_EQ(Focused(), rows);
        EXPECT_EQ(rows->textCursor().selectedText(), kTemplateText);
    }

    // A click puts the caret where it lands, as on Windows.
    program.Button(rc::kInstructions)->setFocus();
    rows->moveCursor(QTextCursor::Start);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(Focused(), rows);
    EXPECT_FALSE(rows->textCursor().hasSelection());
}

}  // namespace
}  // namespace stenvik::qt::test
