#pragma once
// The rows box's whole text replaced through the edit's own editing, as one
// step, so that Undo brings the old text back; setPlainText would clear the
// undo history instead.

#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>

namespace stenvik::qt {

// As one edit of the player's would: the box reports the change, and the
// caret ends after the new text.
inline void ReplaceUndoably(QPlainTextEdit& box, const QString& text) {
    QTextCursor cursor = box.textCursor();
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    box.setTextCursor(cursor);
}

}  // namespace stenvik::qt
