#pragma once
// The coupon reader's view of a text: characters, and a place in one line
// that names itself when the text stops being a coupon there.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/codepage.h"
#include "core/coupon.h"

namespace stenvik::coupon::reading {

// Thrown at the first place the text stops being a coupon and caught by
// ReadCoupon, so it never leaves the reader.
struct Stop {
    ReadError error;
};

inline constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// What no editor shows as text: the C0 controls but the tab, and DEL. A
// carriage return outside a line break is one of them.
inline constexpr bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

inline constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline constexpr std::optional<char> SignOf(char c) {
    switch (c) {
        case '1': return '1';
        case 'X':
        case 'x': return 'X';
        case '2': return '2';
        default: return std::nullopt;
    }
}

inline bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (!DecodeUtf8(text, pos)) return false;
    }
    return true;
}

// A place in one line of the text. Columns count characters: a UTF-8
// sequence is one when the whole text is UTF-8, every byte otherwise.
class Cursor {
public:
    Cursor(std::string_view line, int number, bool utf8) : _line(line), _number(number), _utf8(utf8) {}

    bool AtEnd() const { return _pos == _line.size(); }
    // The end of the line reads as a NUL, which nothing asks for.
    char Peek() const { return AtEnd() ? '\0' : _line[_pos]; }
    std::size_t Offset() const { return _pos; }
    void Advance() { ++_pos; }
    void SkipBlanks() {
        while (IsBlank(Peek())) Advance();
    }
    bool IsBlankLine() const {
        return std::all_of(_line.begin() + static_cast<std::ptrdiff_t>(_pos), _line.end(), IsBlank);
    }

    // Moves past `word` if the line goes on with it, in any case.
    bool Take(std::string_view word) {
        const auto rest = _line.substr(_pos);
        if (rest.size() < word.size()) return false;
        if (!std::equal(word.begin(), word.end(), rest.begin(), [](char a, char b) { return Lower(a) == Lower(b); })) {
            return false;
        }
        _pos += word.size();
        return true;
    }

    // A character that is not text is named as such, whatever was expected.
    [[noreturn]] void Fail(Expected expected, int count = 0) const {
        const auto before = _line.substr(0, _pos);
        const auto characters =
            _utf8 ? std::count_if(before.begin(), before.end(),
                                  [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; })
                  : static_cast<std::ptrdiff_t>(before.size());
        const bool text = AtEnd() || !IsControl(Peek());
        throw Stop{ReadError{.line = _number,
                             .column = static_cast<int>(characters) + 1,
                             .expected = text ? expected : Expected::Text,
                             .count = text ? count : 0}};
    }

private:
    std::string_view _line;
    std::size_t _pos = 0;
    int _number;
    bool _utf8;
};

}  // namespace stenvik::coupon::reading
