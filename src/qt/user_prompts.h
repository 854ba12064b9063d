#pragma once
// The two things the program asks of the user outside its own window: a
// file name to save to, and the acknowledgement of a warning. Tests put
// their own answers here instead of QFileDialog and QMessageBox.

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace stenvik::qt {

// The save dialog as the user meets it, not yet shown. It is Qt's own, never
// the desktop's: a native dialog asks whether to replace "rader" and the
// ".txt" comes after, so the file replaced is not the one it asked about.
// Qt's adds the suffix first and asks about the very file to be written.
std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent);

class UserPrompts {
public:
    UserPrompts() = default;
    UserPrompts(const UserPrompts&) = delete;
    UserPrompts& operator=(const UserPrompts&) = delete;
    virtual ~UserPrompts() = default;

    // The name the user chose, or nullopt when the dialog was cancelled.
    // Nothing is proposed: no name, and no folder from an earlier save.
    virtual std::optional<QString> AskSaveFileName(QWidget* parent);
    // A warning with an OK button; a null parent gives a box of its own.
    virtual void Warn(QWidget* parent, const QString& caption, const QString& text);
};

}  // namespace stenvik::qt
