#pragma once
// The rows box's context menu, as the Windows program has it: the edit's
// own commands, a separator, then what the toolkit tells of the box's text.
// The core carries out the toolkit's items; the Controller never sees them.

#include <QObject>
#include <memory>
#include <span>

#include "core/rows_box_menu.h"
#include "qt/dialog_window.h"
#include "qt/user_prompts.h"

class QMenu;

namespace stenvik::qt {

class RowsBoxMenu final : public QObject {
public:
    // Shows the menu on a right click, the menu key and Shift+F10 in the
    // rows box; a reduction draws from `random`.
    RowsBoxMenu(DialogWindow& window, UserPrompts& prompts, TRandomMersenne& random);

    // The menu as it would open now, with `rows` after the edit's own
    // commands; each item carries its rc::menu identifier as its data.
    std::unique_ptr<QMenu> Make(std::span<const rows_box::MenuItem> rows = rows_box::ToolkitRows(rows_box::kMenu));

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddRows(QMenu& menu, std::span<const rows_box::MenuItem> rows, bool canAct);
    void Act(int id);

    DialogWindow& _window;
    UserPrompts& _prompts;
    TRandomMersenne& _random;
};

}  // namespace stenvik::qt
