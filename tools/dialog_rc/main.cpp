// Writes the dialog's DIALOGEX resource from the dialog table, or checks that
// a file already holds exactly that:
//   dialog_rc --write src/win32/dialog.rc
//   dialog_rc --check src/win32/dialog.rc

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "codepage.h"
#include "dialog_table.h"

namespace {

using namespace stenvik;

constexpr std::string_view kRegenerate =
    "cmake --build --preset linux --target dialog_rc && build/linux/bin/dialog_rc --write src/win32/dialog.rc";

// The font's weight, italic flag and character set: FW_NORMAL, upright, DEFAULT_CHARSET.
constexpr std::string_view kFontTail = ", 400, 0, 1";

// A resource-script string literal: quotes doubled, backslashes escaped.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        if (c == '\\') quoted += '\\';
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

std::string DialogRc() {
    const auto& frame = dialog::kFrame;
    std::ostringstream rc;
    rc << "// Generated from src/core/dialog_table.h by tools/dialog_rc; do not edit. Regenerate: " << kRegenerate
       << "\n#pragma code_page(65001)\n\n";
    rc << frame.id << " DIALOGEX " << Numbers(frame.rect) << '\n';
    rc << "STYLE " << Hex(frame.style) << '\n';
    rc << "EXSTYLE " << Hex(frame.exStyle) << '\n';
    rc << "CAPTION " << Quoted(dialog::CaptionUtf8()) << '\n';
    rc << "FONT " << frame.pointSize << ", " << Quoted(frame.font) << kFontTail << '\n';
    rc << "BEGIN\n";
    for (const auto& control : dialog::kControls) {
        rc << "    CONTROL " << Quoted(control.text) << ", " << Id(control.id) << ", "
           << Quoted(dialog::ClassOf(control.kind)) << ", " << Hex(dialog::StyleOf(control.kind)) << ", "
           << Numbers(control.rect) << '\n';
    }
    rc << "END\n";
    return rc.str();
}

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int Check(const std::string& path, std::string_view self) {
    if (Read(path) == DialogRc()) return 0;
    std::cerr << path << " is not what the dialog table makes now. Refresh it with:\n  " << self << " --write " << path
              << "\n(from the source folder: " << kRegenerate << ")\n";
    return 1;
}

int Write(const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    file << DialogRc();
    file.close();
    if (file) return 0;
    std::cerr << "cannot write " << path << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 3 ? argv[1] : "";
    if (mode == "--check") return Check(argv[2], argv[0]);
    if (mode == "--write") return Write(argv[2]);
    std::cerr << "usage: " << argv[0] << " --write|--check FILE.rc\n";
    return 2;
}
