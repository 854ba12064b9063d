#pragma once
// The two things the program asks of the user outside its own window: a
// file name to save to, and the acknowledgement of a warning. Tests put
// their own answers here instead of QFileDialog and QMessageBox.

#include <QString>
#include <optional>

class QWidget;

namespace stenvik::qt {

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
