#include "core/codepage.h"

namespace stenvik {

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto code = DecodeUtf8(utf8, pos);
        if (!code) return std::nullopt;
        const auto byte = UnicodeToCp1252(*code);
        if (!byte) return std::nullopt;
        result.push_back(static_cast<char>(*byte));
    }
    return result;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string result;
    result.reserve(cp1252.size());
    for (const char c : cp1252) {
        const char32_t code = Cp1252ToUnicode(static_cast<unsigned char>(c));
        if (code < 0x80) {
            result.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (code >> 6)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {  // the code page reaches no further than the BMP
            result.push_back(static_cast<char>(0xE0 | (code >> 12)));
            result.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return result;
}

}  // namespace stenvik
