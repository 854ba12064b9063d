// Everything Qt shows around the window speaks Swedish, in the window's
// font, while the texts the program has always shown stay as they are.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "qt/user_prompts.h"
#include "tests/qt/qt_test_support.h"

namespace stenvik::qt::test {
namespace {

QStringList ButtonTexts(const QDialogButtonBox& buttons) {
    QStringList texts;
    for (const QAbstractButton* button : buttons.buttons()) texts << button->text();
    texts.sort();
    return texts;
}

QString LabelText(const QWidget& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

TEST(Swedish, TheSaveDialog) {
    Program program;
    const auto dialog = MakeSaveFileDialog(&program.session.window);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Spara som"));
    EXPECT_EQ(LabelText(*dialog, "lookInLabel"), QStringLiteral("Leta i:"));
    EXPECT_EQ(LabelText(*dialog, "fileNameLabel"), QStringLiteral("Fil&namn:"));
    EXPECT_EQ(LabelText(*dialog, "fileTypeLabel"), QStringLiteral("Filer av typen:"));
    const auto* buttons = dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(ButtonTexts(*buttons), (QStringList{QStringLiteral("&Spara"), QStringLiteral("Avbryt")}));
    // The filter names are the Windows program's own, which it shows in English.
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*.*)")}));
    EXPECT_EQ(dialog->font(), program.session.window.font());
}

TEST(Swedish, MessageBoxButtons) {
    Program program;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Stenvik"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Save,
                    &program.session.window);
    const auto* buttons = box.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(ButtonTexts(*buttons),
              (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nej"), QStringLiteral("Avbryt"),
                           QStringLiteral("OK"), QStringLiteral("Spara")}));
    EXPECT_EQ(box.font(), program.session.window.font());
}

TEST(Swedish, TheResultDialogAndItsLineEditsMenu) {
    Program program;
    const auto dialog =
        MakeLineDialog(&program.session.window, QStringLiteral("Rätta mot resultat"), QStringLiteral("?"));
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Rätta mot resultat"));
    const auto* buttons = dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(ButtonTexts(*buttons), (QStringList{QStringLiteral("Avbryt"), QStringLiteral("OK")}));
    EXPECT_EQ(dialog->font(), program.session.window.font());

    auto* edit = dialog->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << action->text().section('\t', 0, 0);
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Ångra"), QStringLiteral("&Gör om"), QStringLiteral("Klipp &ut"),
                                  QStringLiteral("&Kopiera"), QStringLiteral("Klistra &in"), QStringLiteral("&Ta bort"),
                                  QStringLiteral("Markera &allt")}));
}

}  // namespace
}  // namespace stenvik::qt::test
