#pragma once
// Reading the in-memory dialog the way a user sees it, and reading rows back
// out of the coupon grid.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codepage.h"
#include "memory_session.h"

namespace stenvik::testing {

inline bool Visible(const MemorySession& session, int id) { return session.dialog.Find(id)->visible; }
inline bool Checked(const MemorySession& session, int id) { return session.dialog.Find(id)->checked; }
inline std::string Status(const MemorySession& session) { return session.dialog.Status().value_or("<none>"); }

// The text of a UTF-8 literal as the program holds it, whatever the
// compiler's execution character set.
inline std::string Cp1252(std::u8string_view utf8) { return Utf8ToCp1252(AsChars(utf8)).value(); }

inline void ClickAll(MemorySession& session, std::initializer_list<int> ids) {
    for (const int id : ids) session.Click(id);
}

inline std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos; start = end + 2) {
        lines.emplace_back(text.substr(start, end - start));
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

// The match lines of a grid (separators left out), each without its label.
inline std::vector<std::string> MatchCells(std::string_view grid) {
    std::vector<std::string> cells;
    for (const auto& line : Lines(grid)) {
        if (line.rfind(" Match ", 0) != 0) continue;
        const std::size_t labelWidth = line.size() > 9 && line[8] == ':' ? 11 : 10;  // " Match 1:  " or " Match 10:"
        cells.push_back(line.substr(labelWidth));
    }
    return cells;
}

// The signs of single rows in a grid: rows[r][m] for row r, match m.
inline std::vector<std::string> GridRows(std::string_view grid) {
    const auto cells = MatchCells(grid);
    std::vector<std::string> rows(cells.front().size() / 3, std::string(cells.size(), '?'));
    for (std::size_t match = 0; match < cells.size(); ++match) {
        for (std::size_t row = 0; row < rows.size(); ++row) rows[row][match] = cells[match][3 * row + 1];
    }
    return rows;
}

// The signs of the rows of an upload text, one string of 13 per row.
inline std::vector<std::string> UploadRows(std::string_view upload) {
    std::vector<std::string> rows;
    const auto lines = Lines(upload);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string signs;
        for (std::size_t pos = 2; pos < lines[i].size(); pos += 2) signs.push_back(lines[i][pos]);
        rows.push_back(signs);
    }
    return rows;
}

}  // namespace stenvik::testing
