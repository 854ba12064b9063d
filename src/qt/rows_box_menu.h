#pragma once
// The rows box's context menu, as the Windows program has it: the edit's
// own commands, a separator, then what the toolkit tells of the box's text.
// The toolkit's items call the core directly; the Controller never sees them.

#include <QObject>
#include <memory>
#include <optional>

#include "core/coupon.h"
#include "qt/dialog_window.h"
#include "qt/user_prompts.h"

class QMenu;

namespace stenvik::qt {

class RowsBoxMenu final : public QObject {
public:
    // Shows the menu on a right click, the menu key and Shift+F10 in the rows box.
    RowsBoxMenu(DialogWindow& window, UserPrompts& prompts);

    // The menu as it would open now; each item carries its rc::menu
    // identifier as its data.
    std::unique_ptr<QMenu> Make();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Act(int id);
    std::optional<Game> CheckedGame() const;

    DialogWindow& _window;
    UserPrompts& _prompts;
};

}  // namespace stenvik::qt
