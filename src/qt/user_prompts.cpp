#include "qt/user_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace stenvik::qt {

namespace {

// Qt's dialog accepts a name in a folder that does not exist and leaves the
// failure to the save, after it has closed; the Windows one refuses the
// name and stays open, so the user can put it right.
class SaveFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty()) {
            const QFileInfo file(chosen.constFirst());
            if (!file.isDir() && !file.absoluteDir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                                         .arg(file.absolutePath()));
                return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent) {
    auto dialog = std::make_unique<SaveFileDialog>(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*.*)")});
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    return dialog;
}

std::unique_ptr<QInputDialog> MakeLineDialog(QWidget* parent, const QString& title, const QString& prompt) {
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setInputMode(QInputDialog::TextInput);
    return dialog;
}

std::optional<QString> UserPrompts::AskSaveFileName(QWidget* parent) {
    const auto dialog = MakeSaveFileDialog(parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> UserPrompts::AskLine(QWidget* parent, const QString& title, const QString& prompt,
                                            const QString& typed) {
    const auto dialog = MakeLineDialog(parent, title, prompt);
    dialog->setTextValue(typed);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return dialog->textValue();
}

void UserPrompts::Warn(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text);
}

void UserPrompts::Inform(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::information(parent, caption, text);
}

}  // namespace stenvik::qt
