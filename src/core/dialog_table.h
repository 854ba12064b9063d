#pragma once
// The dialog, as data: its frame and its 126 controls in template order
// (which is also the creation, z and tab order). The Qt window and the
// in-memory dialog are built from this table at run time. The Windows dialog
// resource, src/win32/dialog.rc, is generated from it by tools/dialog_rc and
// checked in, so the cross-build needs no host tool; a test fails when the
// two differ. After changing the table, regenerate it as that test says.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/rc.h"

namespace stenvik::dialog {

enum class Kind { GroupBox, CheckBox, RadioButton, PushButton, Label, Edit };

struct Rect {  // in dialog units
    int x, y, cx, cy;
};

struct Control {
    Kind kind;
    int id;  // rc::kNoId for group boxes and labels
    std::u8string_view text;
    Rect rect;
    std::uint32_t extraStyle = 0;  // added to its kind's style
};

// Window style bits of each kind; every control has extended style 0.
namespace style {
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
inline constexpr std::uint32_t kHScroll = 0x00100000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;
inline constexpr std::uint32_t kMultiline = 0x0004;
inline constexpr std::uint32_t kWantReturn = 0x1000;
inline constexpr std::uint32_t kPushButton = 0x0;
inline constexpr std::uint32_t kAutoCheckBox = 0x3;
inline constexpr std::uint32_t kGroupBox = 0x7;
inline constexpr std::uint32_t kAutoRadioButton = 0x9;
inline constexpr std::uint32_t kStaticLeft = 0x0;
inline constexpr std::uint32_t kStaticNoWrap = 0xC;  // SS_LEFTNOWORDWRAP, in place of kStaticLeft
}  // namespace style

constexpr std::uint32_t StyleOf(Kind kind) {
    using namespace style;
    switch (kind) {
        case Kind::GroupBox: return kChild | kVisible | kGroupBox;
        case Kind::CheckBox: return kChild | kVisible | kAutoCheckBox;
        case Kind::RadioButton: return kChild | kVisible | kAutoRadioButton;
        case Kind::PushButton: return kChild | kVisible | kTabStop | kPushButton;
        case Kind::Label: return kChild | kVisible | kGroup | kStaticLeft;
        case Kind::Edit: return kChild | kVisible | kBorder | kVScroll | kHScroll | kTabStop | kMultiline | kWantReturn;
    }
    return 0;
}
static_assert(StyleOf(Kind::Edit) == 0x50B11004 && StyleOf(Kind::Label) == 0x50020000);

constexpr std::uint32_t StyleOf(const Control& control) { return StyleOf(control.kind) | control.extraStyle; }

constexpr bool IsButton(Kind kind) {
    return kind == Kind::CheckBox || kind == Kind::RadioButton || kind == Kind::PushButton;
}

constexpr std::string_view ClassOf(Kind kind) {
    switch (kind) {
        case Kind::Label: return "STATIC";
        case Kind::Edit: return "EDIT";
        default: return "BUTTON";
    }
}

// The project's home page, named in the caption and the instructions.
inline constexpr std::u8string_view kHomePage = u8"www.stenvik.example";

struct Frame {
    int id = rc::kDialog;
    std::u8string_view captionStart = u8"Stenvik V2.02             För uppdateringar/frågor besök: ";
    std::u8string_view font = u8"Tahoma";
    int pointSize = 8;
    Rect rect{10, 10, 490, 280};
    // WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT | DS_3DLOOK:
    // a fixed-size top-level window that only minimises and closes.
    std::uint32_t style = 0x10CA0044;
    std::uint32_t exStyle = 0x00000004;  // WS_EX_NOPARENTNOTIFY
};
inline constexpr Frame kFrame{};

// The caption in UTF-8: the start, the home page and one blank.
std::string CaptionUtf8();

inline constexpr int kNoId = rc::kNoId;
inline constexpr std::array<Control, 126> kControls = {{
    {Kind::GroupBox, kNoId, u8"Välj:", {70, 2, 110, 22}},
    {Kind::CheckBox, rc::kSystem, u8"SYSTEM", {77, 10, 40, 12}},
    {Kind::CheckBox, rc::kEnkelrader, u8"ENKELRADER", {120, 10, 55, 12}},
    {Kind::GroupBox, kNoId, u8"Välj slumpmetod:", {70, 24, 110, 22}},
    {Kind::CheckBox, rc::kKlassiskt, u8"klassiskt", {77, 32, 40, 12}},
    {Kind::CheckBox, rc::kStatistiskt, u8"statistiskt", {120, 32, 55, 12}},
    {Kind::GroupBox, kNoId, u8"Klicka i antal HALVGARDERINGAR:", {185, 4, 300, 30}},
    {Kind::RadioButton, rc::kHalfCovers[0], u8"0", {187, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[1], u8"1", {207, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[2], u8"2", {227, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[3], u8"3", {247, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[4], u8"4", {267, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[5], u8"5", {287, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[6], u8"6", {307, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[7], u8"7", {327, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[8], u8"8", {347, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[9], u8"9", {367, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[10], u8"10", {387, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[11], u8"11", {409, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[12], u8"12", {431, 15, 21, 12}},
    {Kind::RadioButton, rc::kHalfCovers[13], u8"13", {453, 15, 21, 12}},
    {Kind::GroupBox, kNoId, u8"Klicka i antal HELGARDERINGAR:", {185, 40, 300, 30}},
    {Kind::CheckBox, rc::kFullCovers[0], u8"0", {187, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[1], u8"1", {207, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[2], u8"2", {227, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[3], u8"3", {247, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[4], u8"4", {267, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[5], u8"5", {287, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[6], u8"6", {307, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[7], u8"7", {327, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[8], u8"8", {347, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[9], u8"9", {367, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[10], u8"10", {387, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[11], u8"11", {409, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[12], u8"12", {431, 51, 21, 12}},
    {Kind::CheckBox, rc::kFullCovers[13], u8"13", {453, 51, 21, 12}},
    {Kind::GroupBox, kNoId, u8"Antal ENKELRADER:", {3, 86, 73, 156}},
    {Kind::RadioButton, rc::RowCountId(1), u8"1", {7, 94, 15, 12}},
    {Kind::RadioButton, rc::RowCountId(2), u8"2", {28, 94, 15, 12}},
    {Kind::RadioButton, rc::RowCountId(3), u8"3", {49, 94, 15, 12}},
    {Kind::RadioButton, rc::RowCountId(4), u8"4", {7, 109, 15, 12}},
    {Kind::RadioButton, rc::RowCountId(5), u8"5", {28, 109, 15, 12}},
    {Kind::RadioButton, rc::RowCountId(6), u8"6", {49, 109, 15, 12}},
    {Kind::RadioButton, rc::RowCountId(7), u8"7", {7, 124, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(8), u8"8", {28, 124, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(9), u8"9", {49, 124, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(10), u8"10", {7, 139, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(11), u8"11", {28, 139, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(12), u8"12", {49, 139, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(13), u8"13", {7, 154, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(14), u8"14", {28, 154, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(15), u8"15", {49, 154, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(16), u8"16", {7, 169, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(17), u8"17", {28, 169, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(18), u8"18", {49, 169, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(19), u8"19", {7, 184, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(20), u8"20", {28, 184, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(21), u8"21", {49, 184, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(22), u8"22", {7, 199, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(23), u8"23", {28, 199, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(24), u8"24", {49, 199, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(36), u8"36", {7, 214, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(48), u8"48", {28, 214, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(60), u8"60", {49, 214, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(72), u8"72", {7, 229, 21, 12}},
    {Kind::RadioButton, rc::RowCountId(90), u8"90", {28, 229, 24, 12}},
    {Kind::CheckBox, rc::kCompatible, u8"Kompatibel rad för svenska spel? KLICKA HÄR!", {7, 47, 161, 12}},
    {Kind::CheckBox, rc::kStryktipset, u8"Stryktipset", {7, 59, 61, 12}},
    {Kind::CheckBox, rc::kItalienska, u8"Italienska Stryktipset", {7, 71, 81, 12}},
    {Kind::GroupBox, kNoId, u8"SÄKRA matcher:", {80, 80, 95, 163}},
    {Kind::CheckBox, rc::SureBox(1, 0), u8"1", {115, 90, 15, 12}},
    {Kind::CheckBox, rc::SureBox(1, 1), u8"X", {135, 90, 15, 12}},
    {Kind::CheckBox, rc::SureBox(1, 2), u8"2", {155, 90, 15, 12}},
    {Kind::CheckBox, rc::SureBox(2, 0), u8"1", {115, 100, 15, 12}},
    {Kind::CheckBox, rc::SureBox(2, 1), u8"X", {135, 100, 15, 12}},
    {Kind::CheckBox, rc::SureBox(2, 2), u8"2", {155, 100, 15, 12}},
    {Kind::CheckBox, rc::SureBox(3, 0), u8"1", {115, 110, 15, 12}},
    {Kind::CheckBox, rc::SureBox(3, 1), u8"X", {135, 110, 15, 12}},
    {Kind::CheckBox, rc::SureBox(3, 2), u8"2", {155, 110, 15, 12}},
    {Kind::CheckBox, rc::SureBox(4, 0), u8"1", {115, 125, 15, 12}},
    {Kind::CheckBox, rc::SureBox(4, 1), u8"X", {135, 125, 15, 12}},
    {Kind::CheckBox, rc::SureBox(4, 2), u8"2", {155, 125, 15, 12}},
    {Kind::CheckBox, rc::SureBox(5, 0), u8"1", {115, 135, 15, 12}},
    {Kind::CheckBox, rc::SureBox(5, 1), u8"X", {135, 135, 15, 12}},
    {Kind::CheckBox, rc::SureBox(5, 2), u8"2", {155, 135, 15, 12}},
    {Kind::CheckBox, rc::SureBox(6, 0), u8"1", {115, 145, 15, 12}},
    {Kind::CheckBox, rc::SureBox(6, 1), u8"X", {135, 145, 15, 12}},
    {Kind::CheckBox, rc::SureBox(6, 2), u8"2", {155, 145, 15, 12}},
    {Kind::CheckBox, rc::SureBox(7, 0), u8"1", {115, 160, 15, 12}},
    {Kind::CheckBox, rc::SureBox(7, 1), u8"X", {135, 160, 15, 12}},
    {Kind::CheckBox, rc::SureBox(7, 2), u8"2", {155, 160, 15, 12}},
    {Kind::CheckBox, rc::SureBox(8, 0), u8"1", {115, 170, 15, 12}},
    {Kind::CheckBox, rc::SureBox(8, 1), u8"X", {135, 170, 15, 12}},
    {Kind::CheckBox, rc::SureBox(8, 2), u8"2", {155, 170, 15, 12}},
    {Kind::CheckBox, rc::SureBox(9, 0), u8"1", {115, 180, 15, 12}},
    {Kind::CheckBox, rc::SureBox(9, 1), u8"X", {135, 180, 15, 12}},
    {Kind::CheckBox, rc::SureBox(9, 2), u8"2", {155, 180, 15, 12}},
    {Kind::CheckBox, rc::SureBox(10, 0), u8"1", {115, 195, 15, 12}},
    {Kind::CheckBox, rc::SureBox(10, 1), u8"X", {135, 195, 15, 12}},
    {Kind::CheckBox, rc::SureBox(10, 2), u8"2", {155, 195, 15, 12}},
    {Kind::CheckBox, rc::SureBox(11, 0), u8"1", {115, 205, 15, 12}},
    {Kind::CheckBox, rc::SureBox(11, 1), u8"X", {135, 205, 15, 12}},
    {Kind::CheckBox, rc::SureBox(11, 2), u8"2", {155, 205, 15, 12}},
    {Kind::CheckBox, rc::SureBox(12, 0), u8"1", {115, 215, 15, 12}},
    {Kind::CheckBox, rc::SureBox(12, 1), u8"X", {135, 215, 15, 12}},
    {Kind::CheckBox, rc::SureBox(12, 2), u8"2", {155, 215, 15, 12}},
    {Kind::CheckBox, rc::SureBox(13, 0), u8"1", {115, 225, 15, 12}},
    {Kind::CheckBox, rc::SureBox(13, 1), u8"X", {135, 225, 15, 12}},
    {Kind::CheckBox, rc::SureBox(13, 2), u8"2", {155, 225, 15, 12}},
    {Kind::Label, kNoId, u8"Match 1:", {83, 90, 30, 12}},
    {Kind::Label, kNoId, u8"Match 2:", {83, 100, 30, 12}},
    {Kind::Label, kNoId, u8"Match 3:", {83, 110, 30, 12}},
    {Kind::Label, kNoId, u8"Match 4:", {83, 125, 30, 12}},
    {Kind::Label, kNoId, u8"Match 5:", {83, 135, 30, 12}},
    {Kind::Label, kNoId, u8"Match 6:", {83, 145, 30, 12}},
    {Kind::Label, kNoId, u8"Match 7:", {83, 160, 30, 12}},
    {Kind::Label, kNoId, u8"Match 8:", {83, 170, 30, 12}},
    {Kind::Label, kNoId, u8"Match 9:", {83, 180, 30, 12}},
    {Kind::Label, kNoId, u8"Match 10:", {83, 195, 32, 12}, style::kStaticNoWrap},
    {Kind::Label, kNoId, u8"Match 11:", {83, 205, 32, 12}, style::kStaticNoWrap},
    {Kind::Label, kNoId, u8"Match 12:", {83, 215, 32, 12}, style::kStaticNoWrap},
    {Kind::Label, kNoId, u8"Match 13:", {83, 225, 32, 12}, style::kStaticNoWrap},
    {Kind::Edit, rc::kRowsBox, u8"Här kommer dina rader visas!", {185, 73, 300, 200}},
    {Kind::PushButton, rc::kGenerate, u8"GENERERA rader", {15, 250, 60, 15}},
    {Kind::PushButton, rc::kSave, u8"SPARA raderna", {95, 250, 60, 15}},
    {Kind::PushButton, rc::kInstructions, u8"Instruktioner", {7, 5, 60, 15}},
}};

// Where the control with this identifier stands in the template, if it is there.
constexpr std::optional<std::size_t> IndexOf(int id) {
    if (id == kNoId) return std::nullopt;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].id == id) return i;
    }
    return std::nullopt;
}

// The control with this identifier, or nullptr.
constexpr const Control* Find(int id) {
    const auto index = IndexOf(id);
    return index ? &kControls[*index] : nullptr;
}

}  // namespace stenvik::dialog
