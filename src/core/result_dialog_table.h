#pragma once
// The small dialog in which "Rätta mot resultat…" asks for the results, as
// data, the way dialog_table.h holds the main one. tools/dialog_rc writes it
// to src/win32/result_dialog.rc, checked in; a test fails when the two differ.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/dialog_table.h"
#include "core/rows_box_menu.h"

namespace stenvik::dialog::result {

inline constexpr int kDialog = 201;
inline constexpr int kResults = 2101;  // the edit the signs are typed into
inline constexpr int kPrompt = 2102;   // the question over it
inline constexpr int kOk = 1;          // IDOK, which Enter presses
inline constexpr int kCancel = 2;      // IDCANCEL, which Escape and the close box press

// Its controls differ from the main dialog's kinds (a one-line edit, a
// default button), so each spells out its class and style.
struct Item {
    std::string_view className;
    int id;
    std::u8string_view text;
    Rect rect;
    std::uint32_t style;
};

namespace style {
using namespace dialog::style;
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kModalFrame = 0x80;
inline constexpr std::uint32_t kSetFont = 0x40;
inline constexpr std::uint32_t k3dLook = 0x4;
inline constexpr std::uint32_t kAutoHScroll = 0x80;
inline constexpr std::uint32_t kDefPushButton = 0x1;
}  // namespace style

// Placed over the rows box, relative to the main dialog.
inline constexpr Frame kFrame{
    .id = kDialog,
    .captionStart = rows_box::kResultQuestion.title,
    .font = dialog::kFrame.font,
    .pointSize = dialog::kFrame.pointSize,
    .rect = {200, 90, 200, 76},
    .style = style::kPopup | style::kCaption | style::kSysMenu | style::kModalFrame | style::kSetFont | style::k3dLook,
    .exStyle = 0,
};

inline constexpr std::array<Item, 4> kItems = {{
    {"STATIC",
     kPrompt,
     rows_box::kResultQuestion.prompt,
     {7, 7, 186, 20},
     style::kChild | style::kVisible | style::kGroup},
    {"EDIT",
     kResults,
     u8"",
     {7, 31, 186, 14},
     style::kChild | style::kVisible | style::kBorder | style::kTabStop | style::kAutoHScroll},
    {"BUTTON",
     kOk,
     u8"OK",
     {87, 55, 50, 14},
     style::kChild | style::kVisible | style::kTabStop | style::kDefPushButton},
    {"BUTTON", kCancel, u8"Avbryt", {143, 55, 50, 14}, style::kChild | style::kVisible | style::kTabStop},
}};

}  // namespace stenvik::dialog::result
