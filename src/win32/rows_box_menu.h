#pragma once
// The rows box's context menu: the edit control's own commands, then what
// the toolkit tells of the box's text. The rows box shows it on
// WM_CONTEXTMENU and carries out an item on a WM_COMMAND with the item's
// identifier, sent to the rows box itself; the Controller plays no part.

#include <windows.h>

#include <memory>
#include <span>
#include <type_traits>

#include "core/rows_box_menu.h"

namespace stenvik::win32 {

struct MenuDeleter {
    void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
using Menu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// The menu of `rows` for the rows box `box` as it stands now: the edit
// commands greyed out as the edit control's own menu greys them, the
// toolkit's items and submenus where the box holds nothing to read.
Menu MakeContextMenu(HWND box, std::span<const rows_box::MenuItem> rows = rows_box::kMenu);

// Shows the menu at `where`, WM_CONTEXTMENU's screen position, and carries
// out the item chosen. From the keyboard (-1, -1) it opens at the caret, or
// at the box's corner when the caret is out of sight.
void ShowContextMenu(HWND box, LPARAM where, TRandomMersenne& random);

// Carries out the menu item `id` of rows_box::kMenu on the rows box, a
// reduction drawing from `random`; false for any other identifier.
bool RunMenuCommand(HWND box, int id, TRandomMersenne& random);

}  // namespace stenvik::win32
