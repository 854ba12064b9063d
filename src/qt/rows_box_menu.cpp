#include "qt/rows_box_menu.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <array>
#include <string_view>

#include "core/codepage.h"
#include "core/rows_box_menu.h"
#include "qt/rows_text.h"

namespace stenvik::qt {

namespace {

QString FromUtf8(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
QString FromUtf8(std::u8string_view utf8) { return FromUtf8(AsChars(utf8)); }

// The edit's own actions, by the names Qt gives them, under the identifiers
// the Windows menu uses for the same commands.
struct StandardAction {
    const char* objectName;
    int id;
};
constexpr auto kStandardActions = std::to_array<StandardAction>({
    {"edit-undo", rc::menu::kUndo},
    {"edit-cut", rc::menu::kCut},
    {"edit-copy", rc::menu::kCopy},
    {"edit-paste", rc::menu::kPaste},
    {"edit-delete", rc::menu::kDelete},
    {"select-all", rc::menu::kSelectAll},
});

bool IsToolkitItem(int id) { return id >= rc::menu::kCountAndCost; }

}  // namespace

RowsBoxMenu::RowsBoxMenu(DialogWindow& window, UserPrompts& prompts) : _window(window), _prompts(prompts) {
    // A right click reaches the viewport, the menu key the edit itself.
    window.RowsBox()->installEventFilter(this);
    window.RowsBox()->viewport()->installEventFilter(this);
}

std::unique_ptr<QMenu> RowsBoxMenu::Make() {
    QPlainTextEdit& box = *_window.RowsBox();
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        for (const auto& standard : kStandardActions) {
            if (action->objectName() == QLatin1String(standard.objectName)) action->setData(standard.id);
        }
    }
    menu->addSeparator();
    const bool canAct = rows_box::CanAct(ToUtf8(box.document()->toRawText()));
    for (const auto& item : rows_box::kMenu) {
        if (!IsToolkitItem(item.id)) continue;
        QAction* action = menu->addAction(FromUtf8(item.text));
        action->setData(item.id);
        action->setEnabled(canAct);
        connect(action, &QAction::triggered, this, [this, id = item.id] { Act(id); });
    }
    return menu;
}

// Shift+F10 opens it as on Windows, at the caret; Qt gives that key no meaning.
bool RowsBoxMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        Make()->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier) {
            const QPlainTextEdit& box = *_window.RowsBox();
            Make()->exec(box.viewport()->mapToGlobal(box.cursorRect().bottomLeft()));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<Game> RowsBoxMenu::CheckedGame() const {
    const auto checked = [this](int id) { return qobject_cast<QAbstractButton*>(_window.Widget(id))->isChecked(); };
    if (checked(rc::kStryktipset)) return Game::Stryktipset;
    if (checked(rc::kItalienska)) return Game::Italienska;
    return std::nullopt;
}

void RowsBoxMenu::Act(int id) {
    QPlainTextEdit& box = *_window.RowsBox();
    const std::string text = ToUtf8(box.document()->toRawText());
    rows_box::Outcome outcome;
    switch (id) {
        case rc::menu::kCountAndCost: outcome = rows_box::CountAndCost(text); break;
        case rc::menu::kToUploadRows: outcome = rows_box::ToUploadRows(text, CheckedGame()); break;
        case rc::menu::kCheckResult: {
            if (auto refusal = rows_box::Unreadable(text)) {
                outcome = std::move(*refusal);
                break;
            }
            const auto results =
                _prompts.AskLine(&_window, FromUtf8(rows_box::kResultTitle), FromUtf8(rows_box::kResultPrompt));
            if (!results) return;
            outcome = rows_box::CheckAgainst(text, results->toStdString());
            break;
        }
        default: return;
    }
    if (outcome.replacement) ReplaceUndoably(box, FromCp1252(*outcome.replacement));
    if (outcome.message.empty()) return;
    const QString title = FromUtf8(rows_box::kTitle);
    if (outcome.error) {
        _prompts.Warn(&_window, title, FromUtf8(outcome.message));
    } else {
        _prompts.Inform(&_window, title, FromUtf8(outcome.message));
    }
}

}  // namespace stenvik::qt
