// Writes the covering-code catalogue and its size table, or checks that the
// checked-in files are what the compiled-in catalogue makes:
//   covering_search --write CATALOGUE SIZES      search everything again
//   covering_search --check CATALOGUE SIZES      compare, no search
//   covering_search --rewrite CATALOGUE SIZES    write again, no search
//   covering_search --cell F,H,R --seed S --seconds T CATALOGUE SIZES
//                                                 a longer run for one cell

#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/covering_search/known.h"
#include "tools/covering_search/searches.h"
#include "tools/covering_search/write.h"

namespace {

using namespace covering_search;

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Save(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) std::cerr << "covering_search: cannot write " << path << '\n';
    return static_cast<bool>(out);
}

// A table's faults, reported; true when there are none.
bool Sound(const Table& table) {
    std::vector<std::string> faults = table.Faults();
    for (const std::string& above : table.AboveTheRules()) faults.push_back(above);
    for (const std::string& fault : faults) std::cerr << "covering_search: " << fault << '\n';
    return faults.empty();
}

int Write(const std::string& catalogue, const std::string& sizes) {
    const auto start = std::chrono::steady_clock::now();
    Table table;
    AddKnownCodes(table);
    // A longer run's cell stays as it was found.
    const Table compiled = Table::Compiled();
    for (const Recipe& recipe : compiled.Recipes()) {
        if (!recipe.found.empty()) table.At(recipe.cell) = recipe;
    }
    table.Close();
    SearchAll(table);
    table.Close();
    if (!Sound(table)) return 1;
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
    const std::string took = std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
    return Save(catalogue, CatalogueText(table)) && Save(sizes, SizesText(table, took)) ? 0 : 1;
}

// Without `write`, compares the files with what the compiled-in catalogue
// makes; with it, writes that instead, the recorded time kept.
int Check(const std::string& catalogue, const std::string& sizes, bool write) {
    const Table table = Table::Compiled();
    bool same = Sound(table);
    const std::string doc = Read(sizes);
    if (write) {
        return same && Save(catalogue, CatalogueText(table)) && Save(sizes, SizesText(table, TookFrom(doc))) ? 0 : 1;
    }
    for (const auto& [path, text] :
         {std::pair{catalogue, CatalogueText(table)}, std::pair{sizes, SizesText(table, TookFrom(doc))}}) {
        if (Read(path) != text) {
            std::cerr << "covering_search: " << path << " is not what the compiled-in catalogue makes\n";
            same = false;
        }
    }
    if (!same) std::cerr << "covering_search: refresh both files with: " << kRefresh << '\n';
    return same ? 0 : 1;
}

int Longer(std::string_view cell, std::string_view seed, std::string_view seconds, const std::string& catalogue,
           const std::string& sizes) {
    int full = 0;
    int half = 0;
    int radius = 0;
    char comma1 = 0;
    char comma2 = 0;
    std::istringstream in{std::string(cell)};
    if (!(in >> full >> comma1 >> half >> comma2 >> radius) || comma1 != ',' || comma2 != ',' || full < 0 || half < 0 ||
        full + half < 1 || full + half > kMostCovers || radius < 1 || radius > 2) {
        std::cerr << "covering_search: --cell wants F,H,R with 1 to 13 covers and R 1 or 2\n";
        return 2;
    }
    Table table = Table::Compiled();
    const Cell chosen{static_cast<std::uint8_t>(full), static_cast<std::uint8_t>(half),
                      static_cast<std::uint8_t>(radius)};
    const std::uint64_t before = table.At(chosen).rows;
    if (!SearchLonger(table, chosen, static_cast<std::uint32_t>(std::stoul(std::string(seed))),
                      std::stoi(std::string(seconds)))) {
        std::cout << Name(chosen) << ": nothing below " << before << " rows\n";
        return 0;
    }
    table.Close();
    if (!Sound(table)) return 1;
    std::cout << Name(chosen) << ": " << table.At(chosen).rows << " rows, was " << before << '\n';
    return Save(catalogue, CatalogueText(table)) && Save(sizes, SizesText(table, TookFrom(Read(sizes)))) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "--write") return Write(args[1], args[2]);
        if (args.size() == 3 && args[0] == "--check") return Check(args[1], args[2], false);
        if (args.size() == 3 && args[0] == "--rewrite") return Check(args[1], args[2], true);
        if (args.size() == 8 && args[0] == "--cell" && args[2] == "--seed" && args[4] == "--seconds") {
            return Longer(args[1], args[3], args[5], args[6], args[7]);
        }
    } catch (const std::exception& error) {
        std::cerr << "covering_search: " << error.what() << '\n';
        return 2;
    }
    std::cerr << "usage: covering_search --write|--check|--rewrite CATALOGUE SIZES\n"
                 "       covering_search --cell F,H,R --seed S --seconds T CATALOGUE SIZES\n";
    return 2;
}
