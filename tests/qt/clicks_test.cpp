// Real clicks on the widgets reach the Controller with the platform's rules
// of Windows, and the program's own changes never come back as commands.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/rc.h"
#include "memory/session.h"
#include "qt/dialog_font.h"
#include "qt/platform.h"
#include "qt/rows_text.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/platform_contract.h"

namespace stenvik::qt::test {
namespace {

using namespace support;

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

bool TakesClicks(const DialogControl& control) {
    return control.spec->kind != dialog::Kind::GroupBox && control.spec->kind != dialog::Kind::Label;
}

// Windows puts the earlier of two overlapping controls on top, and group
// boxes and labels let clicks through to what lies under them.
TEST(QtClicks, WhereControlsOverlapTheEarlierTakesTheClick) {
    DialogWindow window{DialogFont()};
    for (const auto& control : window.Controls()) control.widget->show();
    int overlaps = 0;
    const auto& controls = window.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i].widget->geometry();
        if (!TakesClicks(controls[i])) {
            const QWidget* under = window.childAt(place.center());
            EXPECT_NE(under, controls[i].widget) << i;
            continue;
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QRect both = place & controls[j].widget->geometry();
            if (both.isEmpty() || !TakesClicks(controls[j])) continue;
            ++overlaps;
            EXPECT_EQ(window.childAt(both.center()), controls[i].widget) << i << " over " << j;
        }
    }
    // Three boxes in each of nine pairs of sure-match rows, and the cover counts.
    EXPECT_GE(overlaps, 27);
}

// At 96 dpi in Tahoma these are the rows y = 163 to 165.
TEST(QtClicks, AClickWhereTwoSureMatchRowsOverlapTogglesTheUpperOne) {
    Program program;
    QAbstractButton* one = program.Button(rc::SureBox(1, 0));
    QAbstractButton* two = program.Button(rc::SureBox(2, 0));
    const int x = AimAt(&program.session.window, one).x();
    ASSERT_LE(two->geometry().top(), one->geometry().bottom());
    for (int y = two->geometry().top(); y <= one->geometry().bottom(); ++y) {
        SCOPED_TRACE(y);
        const bool before = one->isChecked();
        QTest::mouseClick(program.session.window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        EXPECT_NE(one->isChecked(), before);
        EXPECT_FALSE(two->isChecked());
    }
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

// A window of its own, so that every command it sends can be seen: the
// rules every platform layer keeps, over the widgets.
struct QtLayer {
    QtLayer() {
        window.SetCommandHandler([this](int id, int code) { commands.emplace_back(id, code); });
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }

    static constexpr std::array kAbsent{rc::kStatus, rc::kEdit, rc::kClear, 1004, rc::kNoId};
    Platform& Dialog() { return platform; }
    bool Visible(int id) const { return window.Widget(id)->isVisible(); }
    bool Enabled(int id) const { return window.Widget(id)->isEnabled(); }
    bool Checked(int id) const {
        const auto* button = qobject_cast<QAbstractButton*>(window.Widget(id));
        return button != nullptr && button->isChecked();
    }
    std::string Text(int id) const {
        return ToCp1252(qobject_cast<QPlainTextEdit*>(window.Widget(id))->document()->toRawText()).value();
    }
    std::optional<int> Focus() const {
        const QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) return std::nullopt;
        const auto& controls = window.Controls();
        const auto control = std::ranges::find(controls, focused, &DialogControl::widget);
        return control == controls.end() ? dialog::kNoId : control->spec->id;
    }
    std::vector<std::pair<int, int>> Commands() const { return commands; }

    DialogWindow window{DialogFont()};
    QtPlatform platform{window};
    std::vector<std::pair<int, int>> commands;
};
INSTANTIATE_TYPED_TEST_SUITE_P(QtPlatformRules, PlatformContract, QtLayer);

// Typing is the user's, unlike the program's own changes: the box reports it.
TEST(QtPlatformRules, TypingInTheRowsBoxSendsItsChange) {
    QtLayer bare;
    bare.window.RowsBox()->setFocus();
    QTest::keyClick(bare.window.RowsBox(), Qt::Key_Z);
    EXPECT_EQ(bare.commands, (std::vector<std::pair<int, int>>{{rc::kRowsBox, kEditChanged}}));
}

}  // namespace
}  // namespace stenvik::qt::test
