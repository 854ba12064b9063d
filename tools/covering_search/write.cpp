#include "tools/covering_search/write.h"

#include <cstdio>
#include <sstream>

#include "tools/covering_search/known.h"

namespace covering_search {

using namespace stenvik::covering;

namespace {

constexpr std::size_t kChunk = 96;
constexpr std::string_view kTookBefore = "The whole regeneration took ";
constexpr std::string_view kTookAfter = " on the 2-core build machine, idle.";

std::string CellText(Cell cell) {
    return "{" + std::to_string(cell.full) + ", " + std::to_string(cell.half) + ", " + std::to_string(cell.radius) +
           "}";
}

std::string_view HowText(How how) {
    switch (how) {
        case How::Sum: return "How::Sum";
        case How::Half: return "How::Half";
        case How::Matrix: return "How::Matrix";
        case How::Rows: return "How::Rows";
        case How::TooLarge: return "How::TooLarge";
    }
    return "";
}

// A long string as adjacent literals, one line each.
std::string Literal(std::string_view text) {
    std::string literal;
    for (std::size_t at = 0; at < text.size() || at == 0; at += kChunk) {
        if (at > 0) literal += "\n        ";
        literal += "\"" + std::string(text.substr(at, kChunk)) + "\"";
    }
    return literal;
}

std::string Made(const Recipe& recipe) {
    const auto part = [](Cell cell) {
        if (cell.radius == 0) return "the whole (" + std::to_string(cell.full) + ", " + std::to_string(cell.half) + ")";
        return Name(cell);
    };
    switch (recipe.how) {
        case How::Sum: return "sum of " + part(recipe.first) + " and " + part(recipe.second);
        case How::Half:
            return "half cover of (" + std::to_string(recipe.cell.full + 1) + ", " +
                   std::to_string(recipe.cell.half - 1) + ")";
        case How::Matrix: {
            const Matrix matrix = ParseMatrix(recipe.data, recipe.cell.full);
            return "matrix of " + std::to_string(matrix.k) + " rows, S of " + std::to_string(matrix.s.size());
        }
        case How::Rows: return recipe.found.empty() ? "rows found by search" : "rows of a longer run, " + recipe.found;
        case How::TooLarge: return "too large";
    }
    return "";
}

std::string Fixed(double value, int places) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

}  // namespace

std::string CatalogueText(const Table& table) {
    std::ostringstream out;
    out << "// Written by tools/covering_search; do not edit. Refresh: " << kRefresh << "\n";
    out << "// clang-format off\n#include <array>\n\n#include \"core/covering_catalogue.h\"\n\n";
    out << "namespace stenvik::covering {\nnamespace {\n\nconstexpr auto kEntries = std::to_array<Entry>({\n";
    for (const Recipe& recipe : table.Recipes()) {
        out << "    {.cell = " << CellText(recipe.cell) << ", .how = " << HowText(recipe.how)
            << ", .rows = " << recipe.rows;
        if (recipe.how == How::Sum)
            out << ", .first = " << CellText(recipe.first) << ", .second = " << CellText(recipe.second);
        if (!recipe.data.empty()) out << ", .data = " << Literal(recipe.data);
        if (!recipe.found.empty()) out << ", .found = " << Literal(recipe.found);
        out << "},\n";
    }
    out << "});\n\n}  // namespace\n\nstd::span<const Entry> Catalogue() { return kEntries; }\n\n"
           "}  // namespace stenvik::covering\n";
    return out.str();
}

std::string SizesText(const Table& table, std::string_view took) {
    int withRecord = 0;
    int atRecord = 0;
    int mixed = 0;
    int belowRules = 0;
    int one = 0;
    double ratios = 0;
    std::ostringstream rows;
    for (const Recipe& recipe : table.Recipes()) {
        const Cell cell = recipe.cell;
        const std::uint64_t bound = LowerBound(cell);
        const double ratio = static_cast<double>(recipe.rows) / static_cast<double>(bound);
        const auto record = Record(cell);
        if (record) {
            ++withRecord;
            atRecord += recipe.rows <= *record ? 1 : 0;
        }
        if (cell.full > 0 && cell.half > 0 && recipe.how != How::TooLarge) {
            ++mixed;
            belowRules += recipe.rows < table.RulesBound(cell) ? 1 : 0;
        }
        if (cell.radius == 1) {
            ++one;
            ratios += ratio;
        }
        rows << "| " << int{cell.full} << " | " << int{cell.half} << " | " << int{cell.radius} << " | " << recipe.rows
             << " | " << bound << " | " << Fixed(ratio, 3) << " | " << (record ? std::to_string(*record) : "") << " | "
             << Made(recipe) << " |\n";
    }
    std::ostringstream out;
    out << "# Reduced systems: rows per cell\n\n"
        << "Written by tools/covering_search; do not edit. Refresh:\n\n    " << kRefresh << "\n\n"
        << kTookBefore << took << kTookAfter << "\n\n"
        << "A cell is a system's full covers (f), half covers (h) and the covering radius R: 1 for 12 right, "
           "2 for 11. Rows is the size of the catalogue's code; the bound is the sphere bound or, where one is "
           "known, a better lower bound; the record is the best size known. Cells above "
        << kUploadRowLimit << " rows cannot be uploaded and are listed with the best size the tool knows.\n\n"
        << "## Summary\n\n"
        << "- Cells at their record: " << atRecord << " of the " << withRecord << " with a known record.\n"
        << "- Mixed cells of at most " << kUploadRowLimit << " rows strictly below the bound the two construction "
        << "rules give from the other cells: " << belowRules << " of " << mixed << ".\n"
        << "- Mean ratio rows / bound over the " << one << " cells with R = 1: " << Fixed(ratios / one, 3) << ".\n\n"
        << "## Cells\n\n| f | h | R | rows | bound | ratio | record | made |\n|---|---|---|---|---|---|---|---|\n"
        << rows.str();
    return out.str();
}

std::string TookFrom(std::string_view sizes) {
    const std::size_t from = sizes.find(kTookBefore);
    if (from == std::string_view::npos) return "an unmeasured time";
    const std::size_t start = from + kTookBefore.size();
    const std::size_t end = sizes.find(kTookAfter, start);
    return std::string(sizes.substr(start, end == std::string_view::npos ? 0 : end - start));
}

}  // namespace covering_search
