// The window as it opens: every control at its place, in its start state.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <set>

#include "core/codepage.h"
#include "core/rc.h"
#include "qt/dialog_units.h"
#include "tests/qt/qt_test_support.h"

namespace stenvik::qt::test {
namespace {

std::set<int> StartHidden() {
    std::set<int> hidden = {rc::kGenerate, rc::kSave, rc::kCompatible, rc::kStryktipset, rc::kItalienska};
    hidden.insert(rc::kHalfCovers.begin(), rc::kHalfCovers.end());
    hidden.insert(rc::kFullCovers.begin(), rc::kFullCovers.end());
    for (const auto& count : rc::kRowCounts) hidden.insert(count.id);
    return hidden;
}

TEST(QtWindow, OpensInTheStartState) {
    Program program;
    const std::set<int> hidden = StartHidden();
    const std::set<int> checked = {rc::kHalfCovers[0], rc::kFullCovers[0], rc::kRowCounts[0].id, rc::kStryktipset,
                                   rc::kKlassiskt};
    for (const auto& control : program.session.window.Controls()) {
        const int id = control.spec->id;
        SCOPED_TRACE(id);
        EXPECT_EQ(control.widget->isHidden(), hidden.contains(id));
        EXPECT_TRUE(control.widget->isEnabled());
        if (const auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
            EXPECT_EQ(button->isChecked(), checked.contains(id));
        }
    }
    EXPECT_EQ(program.session.window.RowsBox()->toPlainText(), QStringLiteral("Här kommer dina rader visas!"));
    // Windows gives the focus to the first tab stop.
    EXPECT_EQ(QApplication::focusWidget(), program.session.window.RowsBox());
}

TEST(QtWindow, PlacesEveryControlByDialogUnits) {
    Program program;
    const DialogWindow& window = program.session.window;
    const BaseUnits units = window.Units();
    ASSERT_EQ(window.Controls().size(), dialog::kControls.size());
    for (std::size_t i = 0; i < dialog::kControls.size(); ++i) {
        EXPECT_EQ(window.Controls()[i].widget->geometry(), ToPixels(dialog::kControls[i].rect, units)) << i;
        EXPECT_EQ(window.Controls()[i].spec, &dialog::kControls[i]);
    }
    const QSize size = ToPixels(dialog::kFrame.rect, units).size();
    EXPECT_EQ(window.minimumSize(), size);
    EXPECT_EQ(window.maximumSize(), size);
}

TEST(QtWindow, IsAFixedWindowThatOnlyMinimisesAndCloses) {
    Program program;
    const DialogWindow& window = program.session.window;
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.windowTitle().toStdString(), dialog::CaptionUtf8());
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(48, 48)));
}

// Tahoma at 8 points on a 96 dpi screen is 11 pixels high, as on Windows,
// which measures it at 6 by 13 base units: the dialog is 735 by 455 pixels.
TEST(QtWindow, UsesTahomaWithTheBaseUnitsOfWindows) {
    if (!QFileInfo::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) GTEST_SKIP() << "no Tahoma here";
    Program program;
    EXPECT_EQ(program.session.window.font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(program.session.window.font().pixelSize(), 11);
    EXPECT_EQ(program.session.window.Units().x, 6);
    EXPECT_EQ(program.session.window.Units().y, 13);
    EXPECT_EQ(program.session.window.size(), QSize(735, 455));
}

TEST(DialogUnits, RoundLikeWindows) {
    constexpr BaseUnits tahoma{6, 13};
    EXPECT_EQ(ToPixels({185, 73, 300, 200}, tahoma), QRect(278, 119, 450, 325));
    EXPECT_EQ(ToPixels({7, 5, 60, 15}, tahoma), QRect(11, 8, 90, 24));
    EXPECT_EQ(ToPixels({187, 15, 21, 12}, tahoma), QRect(281, 24, 32, 20));
    EXPECT_EQ(ToPixels({0, 0, 0, 0}, tahoma), QRect(0, 0, 0, 0));
}

// Kept as pictures to look at, not compared pixel by pixel: fonts change.
TEST(QtWindow, Screenshots) {
    const QString folder = qEnvironmentVariable("STENVIK_SCREENSHOTS", QStringLiteral("screenshots"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Program program;
    const QPixmap start = program.session.window.grab();
    EXPECT_EQ(start.size(), program.session.window.size());
    EXPECT_TRUE(start.save(folder + QStringLiteral("/linux.png")));

    Click(program, rc::kEnkelrader);
    Click(program, rc::kRowCounts[4].id);
    Click(program, rc::kGenerate);
    EXPECT_TRUE(program.session.window.grab().save(folder + QStringLiteral("/linux-rows.png")));
}

}  // namespace
}  // namespace stenvik::qt::test
