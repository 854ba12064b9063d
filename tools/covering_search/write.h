#pragma once
// The two files the tool writes: the catalogue's source and the size table.

#include <string>
#include <string_view>

#include "tools/covering_search/table.h"

namespace covering_search {

inline constexpr std::string_view kRefresh =
    "cmake --build --preset linux --target covering_search && build/linux/bin/covering_search --write "
    "src/core/covering_catalogue.cpp docs/reduced-systems.md";

std::string CatalogueText(const Table& table);

// `took` is the whole regeneration's measured time, in words.
std::string SizesText(const Table& table, std::string_view took);
// The time a size table records, so that a check can write it again.
std::string TookFrom(std::string_view sizes);

}  // namespace covering_search
