#pragma once
// What the program asks of the user outside its own window: a file name to
// save to, a line of text, and the acknowledgement of a message. Tests put
// their own answers here instead of the dialogs.

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QInputDialog;
class QWidget;

namespace stenvik::qt {

// The save dialog as the user meets it, not yet shown. It is Qt's own, never
// the desktop's: a native dialog asks whether to replace "rader" and the
// ".txt" comes after, so the file replaced is not the one it asked about.
// Qt's adds the suffix first and asks about the very file to be written.
// A name in a folder that does not exist is refused while it is open.
std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent);

// A small dialog asking for one line: the prompt, a line edit, OK and Cancel.
std::unique_ptr<QInputDialog> MakeLineDialog(QWidget* parent, const QString& title, const QString& prompt);

class UserPrompts {
public:
    UserPrompts() = default;
    UserPrompts(const UserPrompts&) = delete;
    UserPrompts& operator=(const UserPrompts&) = delete;
    virtual ~UserPrompts() = default;

    // The name the user chose, or nullopt when the dialog was cancelled.
    // Nothing is proposed: no name, and no folder from an earlier save.
    virtual std::optional<QString> AskSaveFileName(QWidget* parent);
    // The line the user typed into a dialog that opened holding `typed`, or
    // nullopt when the dialog was cancelled.
    virtual std::optional<QString> AskLine(QWidget* parent, const QString& title, const QString& prompt,
                                           const QString& typed);
    // A message with an OK button; a null parent gives a box of its own.
    virtual void Warn(QWidget* parent, const QString& caption, const QString& text);
    virtual void Inform(QWidget* parent, const QString& caption, const QString& text);
};

}  // namespace stenvik::qt
