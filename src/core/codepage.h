#pragma once
// Windows-1252, the one code page of every text Stenvik shows or saves.
//
// The core keeps all its texts as Windows-1252 bytes, whatever the compiler's
// execution character set: literals with Swedish letters are written as UTF-8
// (u8"...") and converted while compiling, so the bytes are the same in the
// Windows and the Linux build.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stenvik {

namespace codepage_detail {
// 0x80-0x9F; the five bytes Windows leaves undefined map to the C1 code point
// of the same value, as MultiByteToWideChar does, so every byte round-trips.
inline constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace codepage_detail

constexpr char32_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return codepage_detail::kHighControls[byte - 0x80u];
    return byte;
}

constexpr std::optional<unsigned char> UnicodeToCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
    for (std::size_t i = 0; i < codepage_detail::kHighControls.size(); ++i) {
        if (codepage_detail::kHighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// Decodes one UTF-8 sequence at `pos`, advancing it; nullopt on malformed
// input (overlong forms, surrogates and values above U+10FFFF included).
constexpr std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07u, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    for (; extra > 0; --extra) {
        if (pos >= text.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    return code;
}

// UTF-8 to Windows-1252; nullopt when the text is not UTF-8 or holds a
// character the code page lacks, so that nothing is ever silently replaced.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

inline std::string_view AsChars(std::u8string_view utf8) {
    // char may alias char8_t storage; this only relabels the same bytes.
    return {reinterpret_cast<const char*>(utf8.data()), utf8.size()};
}

// A Windows-1252 text made from UTF-8 while compiling; a character the code
// page lacks is a compile error.
template <std::size_t Capacity>
class Cp1252Text {
public:
    consteval explicit Cp1252Text(const char8_t (&utf8)[Capacity]) : Cp1252Text({std::u8string_view(utf8)}) {}
    consteval Cp1252Text(std::initializer_list<std::u8string_view> parts) {
        std::array<char, Capacity> raw{};
        std::size_t length = 0;
        for (const auto part : parts) {
            for (const char8_t unit : part) {
                if (length == Capacity) throw std::logic_error("text longer than its capacity");
                raw[length++] = static_cast<char>(unit);
            }
        }
        const std::string_view bytes(raw.data(), length);
        for (std::size_t pos = 0; pos < bytes.size();) {
            const auto code = DecodeUtf8(bytes, pos);
            if (!code) throw std::logic_error("text is not UTF-8");
            const auto byte = UnicodeToCp1252(*code);
            if (!byte) throw std::logic_error("text has a character Windows-1252 lacks");
            _bytes[_size++] = static_cast<char>(*byte);
        }
    }
    constexpr std::string_view view() const { return {_bytes.data(), _size}; }
    constexpr operator std::string_view() const { return view(); }

private:
    std::array<char, Capacity> _bytes{};
    std::size_t _size = 0;
};
template <std::size_t N>
Cp1252Text(const char8_t (&)[N]) -> Cp1252Text<N>;

}  // namespace stenvik
