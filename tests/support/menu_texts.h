#pragma once
// What the menu tests of the core and of both windows put in the rows box,
// and a small menu with a submenu for the windows' builders.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/rows_box_menu.h"
#include "tests/support/box_texts.h"

namespace stenvik::support {

// Three single rows, the second a repeat of the first.
inline std::string MenuGrid() { return RowsGrid({"X11211112XX21", "X11211112XX21", "22X2XX2112221"}); }
// MenuGrid's upload rows, after the game's line.
inline constexpr std::string_view kMenuGridRows =
    "\r\nE,X,1,1,2,1,1,1,1,2,X,X,2,1\r\nE,X,1,1,2,1,1,1,1,2,X,X,2,1\r\nE,2,2,X,2,X,X,2,1,1,2,2,2,1";
// Nine full covers: 3^9 = 19 683 rows, more than an upload file takes.
inline std::string LargeSystem() {
    return SystemGrid(
        {" 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1 ", " 1 ", " 1 ", " 1 "});
}
// R 4-0-9: four full covers, then single signs 1, X, 2 over and over.
inline std::string R409() {
    return SystemGrid(
        {" 1X2 ", " 1X2 ", " 1X2 ", " 1X2 ", " 1 ", " X ", " 2 ", " 1 ", " X ", " 2 ", " 1 ", " X ", " 2 "});
}
// A system with the same cell for every match.
inline std::string AllMatches(const std::string& cell) {
    return SystemGrid(std::vector<std::string>(rc::kMatches, cell));
}
// "3" in the cell of match 1 on line 2.
inline constexpr std::string_view kUnreadable = "Stryktipset\r\nE,3,1,1,2,1,1,1,1,2,X,X,2,1";

// An item, a separator and a submenu of two items, as the menu's next items
// will be; its identifiers are none of kMenu's.
inline constexpr int kFirstTestItem = 3001;
inline constexpr auto kTestSubmenu = std::to_array<rows_box::MenuItem>({
    {.id = kFirstTestItem + 2, .text = u8"12 rätt", .step = rows_box::CountAndCost},
    {.id = kFirstTestItem + 3, .text = u8"11 rätt", .step = rows_box::CountAndCost},
});
inline constexpr auto kTestMenu = std::to_array<rows_box::MenuItem>({
    {.id = kFirstTestItem, .text = u8"&Antal", .step = rows_box::CountAndCost},
    {},
    {.id = kFirstTestItem + 1, .text = u8"Re&ducera", .submenu = kTestSubmenu},
});

}  // namespace stenvik::support
