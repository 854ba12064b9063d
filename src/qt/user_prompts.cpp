#include "user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace stenvik::qt {

std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*.*)")});
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    return dialog;
}

std::optional<QString> UserPrompts::AskSaveFileName(QWidget* parent) {
    const auto dialog = MakeSaveFileDialog(parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

void UserPrompts::Warn(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text);
}

}  // namespace stenvik::qt
