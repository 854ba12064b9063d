#include "qt/rows_box_menu.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/codepage.h"
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

// The window as the core's items reach it.
class BoxAccess final : public rows_box::Access {
public:
    BoxAccess(DialogWindow& window, UserPrompts& prompts, TRandomMersenne& random)
        : _window(window), _prompts(prompts), _random(random) {}

    std::string Text() const override { return ToUtf8(_window.RowsBox()->document()->toRawText()); }
    void Replace(const std::string& cp1252) override { ReplaceUndoably(*_window.RowsBox(), FromCp1252(cp1252)); }
    void Tell(const rows_box::Message& message) override {
        const auto tell = message.warning ? &UserPrompts::Warn : &UserPrompts::Inform;
        (_prompts.*tell)(&_window, FromUtf8(message.title), FromUtf8(message.text));
    }
    std::optional<std::string> Ask(const rows_box::Question& question, const std::string& typed) override {
        const auto answer =
            _prompts.AskLine(&_window, FromUtf8(question.title), FromUtf8(question.prompt), FromUtf8(typed));
        if (!answer) return std::nullopt;
        return answer->toStdString();
    }
    std::optional<Game> CheckedGame() const override {
        const auto checked = [this](int id) { return qobject_cast<QAbstractButton*>(_window.Widget(id))->isChecked(); };
        if (checked(rc::kStryktipset)) return Game::Stryktipset;
        if (checked(rc::kItalienska)) return Game::Italienska;
        return std::nullopt;
    }
    TRandomMersenne& Random() override { return _random; }

private:
    DialogWindow& _window;
    UserPrompts& _prompts;
    TRandomMersenne& _random;
};

}  // namespace

RowsBoxMenu::RowsBoxMenu(DialogWindow& window, UserPrompts& prompts, TRandomMersenne& random)
    : _window(window), _prompts(prompts), _random(random) {
    // A right click reaches the viewport, the menu key the edit itself.
    window.RowsBox()->installEventFilter(this);
    window.RowsBox()->viewport()->installEventFilter(this);
}

std::unique_ptr<QMenu> RowsBoxMenu::Make(std::span<const rows_box::MenuItem> rows) {
    QPlainTextEdit& box = *_window.RowsBox();
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        for (const auto& standard : kStandardActions) {
            if (action->objectName() == QLatin1String(standard.objectName)) action->setData(standard.id);
        }
    }
    menu->addSeparator();
    AddRows(*menu, rows, rows_box::CanAct(ToUtf8(box.document()->toRawText())));
    return menu;
}

void RowsBoxMenu::AddRows(QMenu& menu, std::span<const rows_box::MenuItem> rows, bool canAct) {
    for (const auto& row : rows) {
        switch (rows_box::KindOf(row)) {
            case rows_box::Row::Separator: menu.addSeparator(); break;
            case rows_box::Row::Edit: break;  // the edit's own are there already
            case rows_box::Row::Submenu: {
                // Owned by `menu`, as its actions are.
                QMenu* submenu = menu.addMenu(FromUtf8(row.text));
                submenu->menuAction()->setData(row.id);
                submenu->menuAction()->setEnabled(canAct);
                AddRows(*submenu, row.submenu, canAct);
                break;
            }
            case rows_box::Row::Toolkit: {
                QAction* action = menu.addAction(FromUtf8(row.text));
                action->setData(row.id);
                action->setEnabled(canAct);
                connect(action, &QAction::triggered, this, [this, id = row.id] { Act(id); });
                break;
            }
        }
    }
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

void RowsBoxMenu::Act(int id) {
    BoxAccess access(_window, _prompts, _random);
    rows_box::Act(id, access);
}

}  // namespace stenvik::qt
