// Writes a dialog's DIALOGEX resource from its table, or checks that a file
// already holds exactly that. The file's name says which dialog:
//   dialog_rc --write src/win32/dialog.rc          the main dialog
//   dialog_rc --check src/win32/result_dialog.rc   the results of a check

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/codepage.h"
#include "core/dialog_table.h"
#include "core/result_dialog_table.h"

namespace {

using namespace stenvik;

constexpr std::string_view kRegenerate =
    "cmake --build --preset linux --target dialog_rc && build/linux/bin/dialog_rc --write ";

// The font's weight, italic flag and character set: FW_NORMAL, upright, DEFAULT_CHARSET.
constexpr std::string_view kFontTail = ", 400, 0, 1";

// A resource-script string literal: quotes doubled, backslashes and line
// breaks escaped.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        if (c == '\\') quoted += '\\';
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        quoted += c;
    }
    return quoted + '"';
}

std::string Quoted(std::u8string_view text) { return Quoted(AsChars(text)); }

std::string Hex(std::uint32_t value) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string Numbers(const dialog::Rect& rect) {
    return std::to_string(rect.x) + ", " + std::to_string(rect.y) + ", " + std::to_string(rect.cx) + ", " +
           std::to_string(rect.cy);
}

// "No identifier" is 0xFFFF in a template.
std::string Id(int id) { return id == rc::kNoId ? "0xFFFF" : std::to_string(id); }

std::string Header(std::string_view source, std::string_view file, const dialog::Frame& frame,
                   std::string_view caption) {
    std::ostringstream rc;
    rc << "// Generated from src/core/" << source << " by tools/dialog_rc; do not edit. Regenerate: " << kRegenerate
       << "src/win32/" << file << "\n#pragma code_page(65001)\n\n";
    rc << frame.id << " DIALOGEX " << Numbers(frame.rect) << '\n';
    rc << "STYLE " << Hex(frame.style) << '\n';
    rc << "EXSTYLE " << Hex(frame.exStyle) << '\n';
    rc << "CAPTION " << Quoted(caption) << '\n';
    rc << "FONT " << frame.pointSize << ", " << Quoted(frame.font) << kFontTail << '\n';
    rc << "BEGIN\n";
    return rc.str();
}

std::string Line(std::u8string_view text, int id, std::string_view className, std::uint32_t style,
                 const dialog::Rect& rect) {
    return "    CONTROL " + Quoted(text) + ", " + Id(id) + ", " + Quoted(className) + ", " + Hex(style) + ", " +
           Numbers(rect) + '\n';
}

std::string DialogRc() {
    std::string rc = Header("dialog_table.h", "dialog.rc", dialog::kFrame, dialog::CaptionUtf8());
    for (const auto& control : dialog::kControls) {
        rc += Line(control.text, control.id, dialog::ClassOf(control.kind), dialog::StyleOf(control), control.rect);
    }
    return rc + "END\n";
}

std::string ResultDialogRc() {
    const auto& frame = dialog::result::kFrame;
    std::string rc = Header("result_dialog_table.h", "result_dialog.rc", frame, AsChars(frame.captionStart));
    for (const auto& item : dialog::result::kItems)
        rc += Line(item.text, item.id, item.className, item.style, item.rect);
    return rc + "END\n";
}

// The resource a file holds, by its name; none for a name of no dialog.
std::optional<std::string> ResourceFor(std::string_view path) {
    const auto name = path.substr(path.find_last_of("/\\") + 1);
    if (name == "dialog.rc") return DialogRc();
    if (name == "result_dialog.rc") return ResultDialogRc();
    return std::nullopt;
}

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int Check(const std::string& path, const std::string& resource, std::string_view self) {
    if (Read(path) == resource) return 0;
    std::cerr << path << " is not what the dialog table makes now. Refresh it with:\n  " << self << " --write " << path
              << "\n(from the source folder: " << kRegenerate << "src/win32/"
              << path.substr(path.find_last_of("/\\") + 1) << ")\n";
    return 1;
}

int Write(const std::string& path, const std::string& resource) {
    std::ofstream file(path, std::ios::binary);
    file << resource;
    file.close();
    if (file) return 0;
    std::cerr << "cannot write " << path << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 3 ? argv[1] : "";
    const auto resource = argc == 3 ? ResourceFor(argv[2]) : std::nullopt;
    if (resource && mode == "--check") return Check(argv[2], *resource, argv[0]);
    if (resource && mode == "--write") return Write(argv[2], *resource);
    std::cerr << "usage: " << argv[0] << " --write|--check FILE.rc (dialog.rc or result_dialog.rc)\n";
    return 2;
}
