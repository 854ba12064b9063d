#include "tools/covering_search/table.h"

#include <algorithm>

#include "core/covering_check.h"
#include "core/covering_search.h"

namespace covering_search {

using namespace stenvik::covering;

namespace {

constexpr int kCellsPerRadius = (kMostCovers + 1) * (kMostCovers + 2) / 2 - 1;

Cell Make(int full, int half, int radius) {
    return {static_cast<std::uint8_t>(full), static_cast<std::uint8_t>(half), static_cast<std::uint8_t>(radius)};
}

// Every way to write a cell as a sum of two: a part of the same radius and
// a whole space, or, for radius 2, two parts of radius 1.
template <class Visit>
void ForEachSum(Cell cell, Visit&& visit) {
    const int n = cell.full + cell.half;
    for (int firstRadius = cell.radius; firstRadius >= (cell.radius + 1) / 2; --firstRadius) {
        for (int f1 = 0; f1 <= cell.full; ++f1) {
            for (int h1 = 0; h1 <= cell.half; ++h1) {
                const int n1 = f1 + h1;
                if (n1 == 0 || n1 == n) continue;
                visit(Make(f1, h1, firstRadius), Make(cell.full - f1, cell.half - h1, cell.radius - firstRadius));
            }
        }
    }
}

}  // namespace

std::string FormatMatrix(const Matrix& matrix) {
    std::string data;
    for (const auto& row : matrix.b) {
        if (!data.empty()) data += ',';
        for (const std::uint8_t symbol : row) data += static_cast<char>('0' + symbol);
    }
    data += '|';
    for (std::size_t i = 0; i < matrix.s.size(); ++i) {
        if (i > 0) data += ',';
        for (int place = matrix.k - 1; place >= 0; --place) {
            Outcome power = 1;
            for (int j = 0; j < place; ++j) power *= 3;
            data += static_cast<char>('0' + matrix.s[i] / power % 3);
        }
    }
    return data;
}

Matrix ParseMatrix(std::string_view data, int n) {
    Matrix matrix{.n = n};
    const std::size_t bar = data.find('|');
    std::size_t at = 0;
    for (std::size_t end = 0; at < bar; at = end + 1) {
        end = std::min(data.find(',', at), bar);
        std::vector<std::uint8_t> row;
        for (std::size_t i = at; i < end; ++i) row.push_back(static_cast<std::uint8_t>(data[i] - '0'));
        matrix.b.push_back(std::move(row));
    }
    matrix.k = static_cast<int>(matrix.b.size());
    for (at = bar + 1; at < data.size(); at += static_cast<std::size_t>(matrix.k) + 1) {
        Outcome word = 0;
        for (int i = 0; i < matrix.k; ++i)
            word = word * 3 + static_cast<Outcome>(data[at + static_cast<std::size_t>(i)] - '0');
        matrix.s.push_back(word);
    }
    return matrix;
}

std::string Name(Cell cell) {
    return "(" + std::to_string(cell.full) + ", " + std::to_string(cell.half) + "; R = " + std::to_string(cell.radius) +
           ")";
}

Table::Table() {
    for (int radius = 1; radius <= 2; ++radius) {
        for (int n = 1; n <= kMostCovers; ++n) {
            for (int full = 0; full <= n; ++full) recipes_.push_back({.cell = Make(full, n - full, radius)});
        }
    }
}

Table Table::Compiled() {
    Table table;
    for (const Entry& entry : Catalogue()) {
        table.At(entry.cell) = {entry.cell,
                                entry.how,
                                entry.rows,
                                entry.first,
                                entry.second,
                                std::string(entry.data),
                                std::string(entry.found)};
    }
    return table;
}

std::size_t Table::Index(Cell cell) {
    const int n = cell.full + cell.half;
    const int index = (cell.radius - 1) * kCellsPerRadius + (n - 1) * (n + 2) / 2 + cell.full;
    return static_cast<std::size_t>(index);
}

Recipe& Table::At(Cell cell) { return recipes_[Index(cell)]; }
const Recipe& Table::At(Cell cell) const { return recipes_[Index(cell)]; }

std::uint64_t Table::Rows(Cell cell) const {
    if (cell.radius == 0) return Space(cell.GetShape()).Size();
    return At(cell).rows;
}

Code Table::Build(Cell cell) const {
    std::vector<stenvik::covering::Entry> entries;
    entries.reserve(recipes_.size());
    for (const Recipe& recipe : recipes_) {
        entries.push_back({recipe.cell, recipe.how, static_cast<std::uint32_t>(recipe.rows), recipe.first,
                           recipe.second, recipe.data, recipe.found});
    }
    return stenvik::covering::Materialise(cell, [&](Cell part) { return &entries[Index(part)]; });
}

Table::Bound Table::Best(Cell cell) const {
    const Recipe& own = At(cell);
    const bool direct = own.how == How::Rows || own.how == How::Matrix;
    // A size too large to store is still a size known.
    const bool known = direct || (own.how == How::TooLarge && own.rows > 0);
    Bound best{known ? own.rows : ~std::uint64_t{0}, own};
    if (!own.found.empty()) return best;
    // A construction as small as a direct code replaces it: it costs no
    // stored rows.
    const auto offer = [&](std::uint64_t rows, Recipe recipe) {
        if (rows < best.rows || (rows == best.rows && direct && best.recipe.how == own.how)) {
            best = {rows, std::move(recipe)};
        }
    };
    if (cell.half > 0) {
        const Cell wider = Make(cell.full + 1, cell.half - 1, cell.radius);
        Recipe half{.cell = cell, .how = How::Half, .rows = Rows(wider)};
        if (half.rows <= kUploadRowLimit) {
            Table trial = *this;
            trial.At(cell) = half;
            half.rows = trial.Build(cell).size();
        }
        offer(half.rows, half);
    }
    ForEachSum(cell, [&](Cell first, Cell second) {
        const std::uint64_t rows = Rows(first) * Rows(second);
        offer(rows, {.cell = cell, .how = How::Sum, .rows = rows, .first = first, .second = second});
    });
    return best;
}

void Table::Close() {
    // Parts of a sum have fewer covers, and a half cover's source has one
    // more full cover, so this order meets every part before its uses.
    for (int radius = 1; radius <= 2; ++radius) {
        for (int n = 1; n <= kMostCovers; ++n) {
            for (int full = n; full >= 0; --full) {
                const Cell cell = Make(full, n - full, radius);
                Bound best = Best(cell);
                best.recipe.rows = best.rows;
                if (best.rows > kUploadRowLimit) best.recipe = {.cell = cell, .how = How::TooLarge, .rows = best.rows};
                At(cell) = std::move(best.recipe);
            }
        }
    }
}

std::uint64_t Table::RulesBound(Cell cell) const {
    std::uint64_t bound = ~std::uint64_t{0};
    if (cell.half > 0) bound = Rows(Make(cell.full + 1, cell.half - 1, cell.radius));
    ForEachSum(cell, [&](Cell first, Cell second) { bound = std::min(bound, Rows(first) * Rows(second)); });
    return bound;
}

std::vector<std::string> Table::AboveTheRules() const {
    std::vector<std::string> above;
    for (const Recipe& recipe : recipes_) {
        const std::uint64_t bound = RulesBound(recipe.cell);
        if (recipe.rows > bound) {
            above.push_back(Name(recipe.cell) + " has " + std::to_string(recipe.rows) + " rows, the rules give " +
                            std::to_string(bound));
        }
    }
    return above;
}

std::vector<std::string> Table::Faults() const {
    std::vector<std::string> faults;
    for (const Recipe& recipe : recipes_) {
        if (recipe.how == How::TooLarge) {
            if (recipe.rows <= kUploadRowLimit) faults.push_back(Name(recipe.cell) + " is too large with few rows");
            continue;
        }
        const Code code = Build(recipe.cell);
        if (code.size() != recipe.rows) {
            faults.push_back(Name(recipe.cell) + " builds " + std::to_string(code.size()) + " rows, not " +
                             std::to_string(recipe.rows));
        } else if (!Covers(Space(recipe.cell.GetShape()), code, recipe.cell.radius)) {
            faults.push_back(Name(recipe.cell) + " does not cover its space");
        }
    }
    return faults;
}

}  // namespace covering_search
