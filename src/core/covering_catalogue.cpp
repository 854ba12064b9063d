// A first catalogue, until tools/covering_search writes the whole table.

#include <array>

#include "core/covering_catalogue.h"

namespace stenvik::covering {
namespace {

constexpr auto kEntries = std::to_array<Entry>({
    {.cell = {1, 0, 1}, .how = How::Rows, .rows = 1, .data = "0"},
    {.cell = {2, 0, 1}, .how = How::Rows, .rows = 3, .data = "048"},
    {.cell = {4, 0, 1}, .how = How::Matrix, .rows = 9, .data = "11,12|00"},
    {.cell = {3, 1, 1}, .how = How::Half, .rows = 9},
    {.cell = {5, 0, 1}, .how = How::Sum, .rows = 27, .first = {4, 0, 1}, .second = {1, 0, 0}},
    {.cell = {13, 0, 1}, .how = How::TooLarge, .rows = 59049},
});

}  // namespace

std::span<const Entry> Catalogue() { return kEntries; }

}  // namespace stenvik::covering
