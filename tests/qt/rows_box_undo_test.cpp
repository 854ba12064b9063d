// Ångra after the menu's replacements and the program's own: the box is
// changed through the edit's own editing, as typing changes it.

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <string>

#include "core/rc.h"
#include "tests/qt/menu_support.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/box_texts.h"
#include "tests/support/own_replacements.h"

namespace stenvik::qt::test {
namespace {

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

}  // namespace
}  // namespace stenvik::qt::test
