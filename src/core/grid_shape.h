#pragma once
// What a coupon grid holds, a system or single rows and how many, as its
// separators or else its cells tell it, and whether a cell fits that.

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/coupon.h"
#include "core/coupon_cursor.h"
#include "core/coupon_text.h"
#include "core/rc.h"

namespace stenvik::coupon::reading {

// A separator of this many hyphens stands in a system; 17 + 4 per row in a
// grid of single rows. Derived from what the writer appends, so the two never
// drift apart.
inline constexpr std::size_t kSystemHyphens = kSystemSeparator.size() - 3;
inline constexpr std::size_t kRowsHyphensStart = kRowsSeparatorStart.size() - 3;
inline constexpr std::size_t kRowsHyphensPerRow = kRowsSeparatorPerRow.size();
static_assert(kSystemHyphens == 23 && kRowsHyphensStart == 17 && kRowsHyphensPerRow == 4);

// One match line of a grid: where each sign stands, and the line's end for
// what is missing there.
struct Cell {
    std::vector<Cursor> signs;
    std::optional<Cursor> end;
};

inline bool Adjacent(const Cursor& left, const Cursor& right) { return right.Offset() == left.Offset() + 1; }

// A grid holds a system or this many single rows.
struct Shape {
    Kind kind;
    std::size_t rows = 0;
};

inline std::optional<Shape> ShapeOf(std::size_t hyphens) {
    if (hyphens == kSystemHyphens) return Shape{.kind = Kind::System};
    if (hyphens > kRowsHyphensStart && (hyphens - kRowsHyphensStart) % kRowsHyphensPerRow == 0) {
        return Shape{.kind = Kind::Grid, .rows = (hyphens - kRowsHyphensStart) / kRowsHyphensPerRow};
    }
    return std::nullopt;
}

// Without separators: k blank-separated signs on every line are k rows, and
// anything else is a system.
inline Shape ShapeOf(const std::array<Cell, rc::kMatches>& cells) {
    const auto rows = cells.front().signs.size();
    for (const auto& cell : cells) {
        const auto& signs = cell.signs;
        if (signs.size() != rows || std::adjacent_find(signs.begin(), signs.end(), Adjacent) != signs.end()) {
            return {.kind = Kind::System};
        }
    }
    return {.kind = Kind::Grid, .rows = rows};
}

inline void Check(const Cell& cell, const Shape& shape) {
    const auto& signs = cell.signs;
    if (shape.kind == Kind::System) {
        SignSet seen = 0;
        for (const auto& sign : signs) {
            // The sets' bits rise in the order 1, X, 2.
            const auto set = SetOf(*SignOf(sign.Peek()));
            if (set <= seen) sign.Fail(Expected::SignsInOrder);
            seen |= set;
        }
        return;
    }
    for (std::size_t i = 0; i < signs.size(); ++i) {
        if (i == shape.rows) signs[i].Fail(Expected::Signs, static_cast<int>(shape.rows));
        if (i > 0 && Adjacent(signs[i - 1], signs[i])) signs[i].Fail(Expected::Blank);
    }
    if (signs.size() < shape.rows) cell.end->Fail(Expected::Signs, static_cast<int>(shape.rows));
}

}  // namespace stenvik::coupon::reading
