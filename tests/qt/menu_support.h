#pragma once
// The rows box's menu as the Qt tests reach it: its items, and the box's
// text as they set it.

#include <gtest/gtest.h>

#include <QMenu>
#include <string>

#include "qt/rows_text.h"
#include "tests/qt/qt_test_support.h"

namespace stenvik::qt::test {

// The item `id` of the menu or of its submenus.
inline QAction* Item(const QMenu& menu, int id) {
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->data() == id) return action;
        QAction* inner = action->menu() != nullptr ? Item(*action->menu(), id) : nullptr;
        if (inner != nullptr) return inner;
    }
    return nullptr;
}

inline void Show(Program& program, const std::string& cp1252) {
    program.session.window.RowsBox()->setPlainText(FromCp1252(cp1252));
}

// Chooses the item as a click on it would.
inline void Choose(Program& program, int id) {
    const auto menu = program.session.Menu().Make();
    QAction* item = Item(*menu, id);
    ASSERT_NE(item, nullptr) << id;
    ASSERT_TRUE(item->isEnabled()) << id;
    item->trigger();
}

}  // namespace stenvik::qt::test
