#include "cli/shown.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <vector>

#include "core/codepage.h"

namespace stenvik::cli {

namespace {

constexpr std::size_t kShownCharacters = 60;
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

// The length of the character `text` starts with when it is valid UTF-8 and
// no control character, else 0.
std::size_t PrintableLength(std::string_view text) {
    std::size_t length = 0;
    const auto code = DecodeUtf8(text, length);
    const bool control = !code || *code < 0x20 || (*code >= 0x7F && *code <= 0x9F);
    return control ? 0 : length;
}

std::string Escaped(unsigned char byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: break;
    }
    constexpr std::string_view kHex = "0123456789abcdef";
    return {'\\', 'x', kHex[byte >> 4U], kHex[byte & 0xFU]};
}

// Shows `text` character by character, `limit` characters at most.
std::string Escape(std::string_view text, std::size_t limit) {
    std::string shown;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == limit) return shown.append(kEllipsis);
        const auto length = PrintableLength(text);
        shown += length > 0 ? std::string(text.substr(0, length)) : Escaped(static_cast<unsigned char>(text[0]));
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return shown;
}

// The texts a parser may quote from the arguments: each whole, and the
// value of an "--option=value", longest first so that the whole wins.
std::vector<std::string_view> QuotableTexts(std::span<const char* const> args) {
    std::vector<std::string_view> texts;
    for (const char* arg : args) {
        const std::string_view text(arg);
        if (text.empty()) continue;
        texts.push_back(text);
        const auto equals = text.find('=');
        if (text.starts_with("-") && equals != std::string_view::npos && equals + 1 < text.size()) {
            texts.push_back(text.substr(equals + 1));
        }
    }
    std::sort(texts.begin(), texts.end(), [](auto a, auto b) { return a.size() > b.size(); });
    return texts;
}

}  // namespace

std::string Shown(std::string_view text) { return Escape(text, kShownCharacters); }

std::string Quoted(std::string_view text) { return "\"" + Shown(text) + "\""; }

std::string WithArgumentsShown(std::string_view message, std::span<const char* const> args) {
    const auto texts = QuotableTexts(args);
    std::string shown;
    while (!message.empty()) {
        const auto quoted =
            std::find_if(texts.begin(), texts.end(), [&](auto text) { return message.starts_with(text); });
        const bool isQuoted = quoted != texts.end();
        const auto length = isQuoted ? quoted->size() : std::max<std::size_t>(PrintableLength(message), 1);
        shown += Escape(message.substr(0, length), isQuoted ? kShownCharacters : kUnlimited);
        message.remove_prefix(length);
    }
    return shown;
}

}  // namespace stenvik::cli
