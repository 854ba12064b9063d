#include "tests/support/box_texts.h"

namespace stenvik::support {

namespace {

constexpr int kMatches = 13;
constexpr std::string_view kSigns = "1X2";
constexpr std::size_t kSystemHyphens = 23;

std::string Label(int match) { return " Match " + std::to_string(match) + (match < 10 ? ":  " : ":"); }

bool IsSeparatorAfter(int match) { return match % 3 == 0 && match < 12; }

bool IsSign(char sign) { return kSigns.find(sign) != std::string_view::npos; }

}  // namespace

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const auto end = text.find("\r\n", start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 2;
    }
}

std::optional<Grid> ReadGrid(std::string_view text) {
    const auto lines = Lines(text);
    if (lines.size() != kMatches + 3) return std::nullopt;
    Grid grid;
    auto line = lines.begin();
    for (int match = 1; match <= kMatches; ++match, ++line) {
        const auto label = Label(match);
        if (!line->starts_with(label)) return std::nullopt;
        grid.cells.push_back(line->substr(label.size()));
        if (!IsSeparatorAfter(match)) continue;
        // One blank and hyphens, as many as in the separators before it.
        const auto& separator = *++line;
        const auto hyphens = separator.size() - 1;
        if (separator.size() < 2 || separator != " " + std::string(hyphens, '-')) return std::nullopt;
        if (grid.hyphens != 0 && hyphens != grid.hyphens) return std::nullopt;
        grid.hyphens = hyphens;
    }
    return grid;
}

std::string WriteGrid(const Grid& grid) {
    std::string text;
    for (int match = 1; match <= kMatches; ++match) {
        if (match > 1) text += "\r\n";
        text += Label(match) + grid.cells.at(static_cast<std::size_t>(match - 1));
        if (IsSeparatorAfter(match)) text += "\r\n " + std::string(grid.hyphens, '-');
    }
    return text;
}

std::vector<std::string> MatchCells(std::string_view text) { return ReadGrid(text).value_or(Grid{}).cells; }

std::optional<std::vector<std::string>> GridRows(std::string_view text) {
    const auto grid = ReadGrid(text);
    if (!grid) return std::nullopt;
    const std::size_t count = grid->cells.front().size() / 3;
    std::vector<std::string> rows(count, std::string(kMatches, '?'));
    for (std::size_t match = 0; match < grid->cells.size(); ++match) {
        const auto& cells = grid->cells[match];
        if (cells.size() != 3 * count) return std::nullopt;
        for (std::size_t row = 0; row < count; ++row) {
            const char sign = cells[3 * row + 1];
            if (cells[3 * row] != ' ' || !IsSign(sign) || cells[3 * row + 2] != ' ') return std::nullopt;
            rows[row][match] = sign;
        }
    }
    return rows;
}

std::optional<Upload> ReadUpload(std::string_view text) {
    const auto lines = Lines(text);
    Upload upload{.game = lines.front(), .rows = {}};
    for (auto line = lines.begin() + 1; line != lines.end(); ++line) {
        if (line->size() != 1 + 2 * kMatches || line->front() != 'E') return std::nullopt;
        std::string signs;
        for (std::size_t comma = 1; comma < line->size(); comma += 2) {
            if ((*line)[comma] != ',' || !IsSign((*line)[comma + 1])) return std::nullopt;
            signs += (*line)[comma + 1];
        }
        upload.rows.push_back(signs);
    }
    return upload;
}

std::string RowsGrid(const std::vector<std::string>& rows) {
    Grid grid{.cells = std::vector<std::string>(kMatches), .hyphens = 17 + 4 * rows.size()};
    for (std::size_t match = 0; match < grid.cells.size(); ++match) {
        for (const auto& row : rows) grid.cells[match] += std::string{' ', row.at(match), ' '};
    }
    return WriteGrid(grid);
}

std::string SystemGrid(const std::vector<std::string>& cells) { return WriteGrid({cells, kSystemHyphens}); }

}  // namespace stenvik::support
