#include "qt/platform.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "core/dialog_manager.h"
#include "qt/rows_text.h"

namespace stenvik::qt {

ControlHandle QtPlatform::GetControl(int id) { return dialog::HandleOf(id); }

QWidget* QtPlatform::WidgetOf(ControlHandle control) const {
    const auto index = dialog::IndexOfHandle(control);
    return index ? _window.Controls()[*index].widget : nullptr;
}

void QtPlatform::SetVisible(ControlHandle control, bool visible) {
    if (auto* widget = WidgetOf(control)) widget->setVisible(visible);
}

void QtPlatform::SetEnabled(ControlHandle control, bool enabled) {
    if (auto* widget = WidgetOf(control)) widget->setEnabled(enabled);
}

void QtPlatform::SetFocus(ControlHandle control) {
    if (auto* widget = WidgetOf(control)) {
        widget->setFocus(Qt::OtherFocusReason);
    } else if (auto* focused = _window.focusWidget()) {
        focused->clearFocus();
    }
}

bool QtPlatform::IsChecked(ControlHandle control) {
    const auto* button = qobject_cast<QAbstractButton*>(WidgetOf(control));
    return button != nullptr && button->isChecked();
}

void QtPlatform::SetChecked(ControlHandle control, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(WidgetOf(control))) button->setChecked(checked);
}

// Only the buttons and the rows box have identifiers, so only they take texts.
void QtPlatform::SetText(ControlHandle control, std::string_view text) {
    QWidget* widget = WidgetOf(control);
    const QString shown = FromCp1252(text);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        // Undoable, as the player's own edits are; otherwise as a new text:
        // unreported, and shown from its start.
        const QSignalBlocker noChangeCommand(edit);
        ReplaceUndoably(*edit, shown);
        edit->moveCursor(QTextCursor::Start);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(shown);
    }
}

int QtPlatform::TextLength(ControlHandle control) {
    QWidget* widget = WidgetOf(control);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return Cp1252Length(edit->document()->toRawText());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return Cp1252Length(button->text());
    return 0;
}

}  // namespace stenvik::qt
