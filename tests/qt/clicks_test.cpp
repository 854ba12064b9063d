// Real clicks on the widgets reach the Controller with the platform's rules
// of Windows, and the program's own changes never come back as commands.

#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>
#include <array>

#include "dialog_font.h"
#include "memory_session.h"
#include "qt_platform.h"
#include "qt_test_support.h"
#include "rc.h"
#include "rows_text.h"

namespace stenvik::qt::test {
namespace {

bool Checked(const Program& program, int id) { return program.Button(id)->isChecked(); }
bool Shown(const Program& program, int id) { return !program.session.window.Widget(id)->isHidden(); }

TEST(QtClicks, ACheckBoxTogglesBeforeItsCommandArrives) {
    Program program;
    Click(program, rc::kSystem);
    // The mode rule saw its box checked: it showed the system's counts.
    EXPECT_TRUE(Checked(program, rc::kSystem));
    EXPECT_TRUE(Shown(program, rc::kHalfCovers[3]));
    EXPECT_TRUE(Shown(program, rc::kGenerate));

    Click(program, rc::kEnkelrader);
    EXPECT_TRUE(Checked(program, rc::kEnkelrader));
    EXPECT_FALSE(Checked(program, rc::kSystem));
    EXPECT_TRUE(Shown(program, rc::kRowCounts[4].id));
    EXPECT_FALSE(Shown(program, rc::kHalfCovers[3]));
}

TEST(QtClicks, ARadioButtonClearsOnlyTheVisibleOnesOfItsGroup) {
    Program program;
    Click(program, rc::kEnkelrader);
    Click(program, 1044);  // 5 rows
    EXPECT_TRUE(Checked(program, 1044));
    EXPECT_FALSE(Checked(program, rc::kRowCounts[0].id));
    EXPECT_EQ(program.session.state.antal_enkelrader, 5);
    // The half covers share the group but are hidden: "0" keeps its mark.
    EXPECT_TRUE(Checked(program, rc::kHalfCovers[0]));

    Click(program, 1044);  // a marked radio button stays marked
    EXPECT_TRUE(Checked(program, 1044));
    Click(program, 1054);  // the identifier of 72 rows, between 14 and 15
    EXPECT_FALSE(Checked(program, 1044));
    EXPECT_EQ(program.session.state.antal_enkelrader, 72);
}

TEST(QtClicks, HiddenOrDisabledControlsCannotBeClicked) {
    Program program;
    Click(program, rc::kGenerate);
    Click(program, 1044);
    EXPECT_FALSE(Checked(program, 1044));
    EXPECT_EQ(program.session.state.antal_enkelrader, 1);
    EXPECT_EQ(program.session.window.RowsBox()->toPlainText(), QStringLiteral("Här kommer dina rader visas!"));

    program.Button(rc::kSystem)->setEnabled(false);
    Click(program, rc::kSystem);
    EXPECT_FALSE(Checked(program, rc::kSystem));
    EXPECT_FALSE(Shown(program, rc::kGenerate));
}

TEST(QtClicks, ASureMatchKeepsOneSign) {
    Program program;
    const int matchFiveX = rc::SureBox(5, 1);
    const int matchFiveOne = rc::SureBox(5, 0);
    Click(program, matchFiveX);
    EXPECT_TRUE(Checked(program, matchFiveX));
    Click(program, matchFiveOne);
    EXPECT_TRUE(Checked(program, matchFiveOne));
    EXPECT_FALSE(Checked(program, matchFiveX));
}

// The signs of the one row, match by match: the last cell of each match line.
QStringList Signs(const QString& grid) {
    QStringList signs;
    for (const QString& line : grid.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("Match"))) signs << line.at(line.size() - 2);
    }
    return signs;
}

TEST(QtClicks, GeneratesTheKnownRowOfSeedOne) {
    Program program(1);
    Click(program, rc::kEnkelrader);
    Click(program, rc::kGenerate);

    const QString shown = program.session.window.RowsBox()->toPlainText();
    EXPECT_EQ(Signs(shown), QString("X,2,1,2,1,X,2,2,1,X,1,X,1").split(QLatin1Char(',')));
    EXPECT_EQ(Cp1252Length(shown), 274);
    EXPECT_TRUE(Shown(program, rc::kSave));

    // The same clicks in the in-memory dialog give the same bytes.
    MemorySession memory(1);
    memory.Click(rc::kEnkelrader);
    memory.Click(rc::kGenerate);
    EXPECT_EQ(program.Rows(), memory.Rows());
}

struct Command {
    int id;
    int code;
    bool operator==(const Command&) const = default;
};

// A window of its own, so that every command it sends can be seen.
struct BareWindow {
    BareWindow() {
        window.SetCommandHandler([this](int id, int code) { commands.push_back({id, code}); });
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    DialogWindow window{DialogFont()};
    QtPlatform platform{window};
    std::vector<Command> commands;
};

TEST(QtPlatformRules, TheProgramsOwnChangesSendNoCommands) {
    BareWindow bare;
    QtPlatform& platform = bare.platform;
    const ControlHandle rows = platform.GetControl(rc::kRowsBox);
    const ControlHandle system = platform.GetControl(rc::kSystem);
    const ControlHandle radio = platform.GetControl(rc::kHalfCovers[2]);

    platform.SetChecked(system, true);
    platform.SetChecked(radio, true);
    platform.SetChecked(platform.GetControl(rc::kHalfCovers[3]), true);
    platform.SetVisible(system, false);
    platform.SetVisible(system, true);
    platform.SetEnabled(radio, false);
    platform.SetFocus(system);
    platform.SetText(rows, "a\r\nb\xE5");
    EXPECT_TRUE(bare.commands.empty());

    // Marking from code clears nothing, unlike a user's click.
    EXPECT_TRUE(platform.IsChecked(radio));
    EXPECT_TRUE(platform.IsChecked(platform.GetControl(rc::kHalfCovers[3])));
    EXPECT_EQ(bare.window.RowsBox()->toPlainText(), QStringLiteral("a\nbå"));
    EXPECT_EQ(platform.TextLength(rows), 5);

    // Typing is the user's: the box reports its change.
    bare.window.RowsBox()->setFocus();
    QTest::keyClick(bare.window.RowsBox(), Qt::Key_Z);
    EXPECT_EQ(bare.commands, (std::vector<Command>{{rc::kRowsBox, kEditChanged}}));
}

TEST(QtPlatformRules, AnAbsentControlTakesEverythingAndDoesNothing) {
    BareWindow bare;
    QtPlatform& platform = bare.platform;
    for (const int id : {rc::kStatus, rc::kEdit, rc::kClear, 1004, dialog::kNoId}) {
        EXPECT_EQ(platform.GetControl(id), ControlHandle::none) << id;
    }
    const ControlHandle none = ControlHandle::none;
    platform.SetVisible(none, false);
    platform.SetEnabled(none, false);
    platform.SetChecked(none, true);
    platform.SetText(none, "lost");
    EXPECT_FALSE(platform.IsChecked(none));
    EXPECT_EQ(platform.TextLength(none), 0);

    bare.window.RowsBox()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), bare.window.RowsBox());
    platform.SetFocus(none);  // takes the focus away from every control
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(bare.commands.empty());
}

}  // namespace
}  // namespace stenvik::qt::test
