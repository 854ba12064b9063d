#include "coupon_parse.h"

namespace stenvik::win32::tests {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const auto end = text.find("\r\n", start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 2;
    }
}

std::vector<MatchLine> GridLines(std::string_view text, std::size_t hyphens) {
    const auto lines = Lines(text);
    if (lines.size() != 16) return {};
    std::vector<MatchLine> matches;
    int match = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 3 || i == 7 || i == 11) {
            if (lines[i] != " " + std::string(hyphens, '-')) return {};
            continue;
        }
        const std::string label = " Match " + std::to_string(match) + (match < 10 ? ":  " : ":");
        if (lines[i].rfind(label, 0) != 0) return {};
        matches.push_back({match++, lines[i].substr(label.size())});
    }
    return matches;
}

std::string SingleRowSigns(std::string_view cells) {
    std::string signs;
    if (cells.size() % 3 != 0) return {};
    for (std::size_t i = 0; i < cells.size(); i += 3) {
        const auto cell = cells.substr(i, 3);
        if (cell != " 1 " && cell != " X " && cell != " 2 ") return {};
        signs += cell[1];
    }
    return signs;
}

}  // namespace stenvik::win32::tests
