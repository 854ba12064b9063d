// Rows for a catalogue cell, from its recipe.

#include <algorithm>
#include <cstddef>

#include "core/covering_catalogue.h"

namespace stenvik::covering {
namespace {

void Sort(Code& code) {
    std::ranges::sort(code);
    code.erase(std::unique(code.begin(), code.end()), code.end());
}

Code Whole(const Space& space) {
    Code code(space.Size());
    for (Outcome o = 0; o < space.Size(); ++o) code[o] = o;
    return code;
}

// Where each outcome of `part` lands in `joined`, its coordinates taken
// from `fullAt` on for the full covers and from `halfAt` on for the half.
std::vector<Outcome> Placed(const Space& part, const Code& code, const Space& joined, int fullAt, int halfAt) {
    std::vector<Outcome> placed;
    placed.reserve(code.size());
    const Shape shape = part.GetShape();
    for (const Outcome o : code) {
        Outcome at = 0;
        for (int i = 0; i < shape.Length(); ++i) {
            const int to = i < shape.full ? fullAt + i : halfAt + i - shape.full;
            at += static_cast<Outcome>(part.Symbol(o, i)) * joined.Stride(to);
        }
        placed.push_back(at);
    }
    return placed;
}

Code Sum(const Entry& entry, const Space& space, const Recipes& recipes) {
    const Space first(entry.first.GetShape());
    const Space second(entry.second.GetShape());
    const Shape shape = space.GetShape();
    const auto a = Placed(first, Materialise(entry.first, recipes), space, 0, shape.full);
    const auto b =
        Placed(second, Materialise(entry.second, recipes), space, entry.first.full, shape.full + entry.first.half);
    Code code;
    code.reserve(a.size() * b.size());
    for (const Outcome x : a) {
        for (const Outcome y : b) code.push_back(x + y);
    }
    return code;
}

Code Half(const Entry& entry, const Space& space, const Recipes& recipes) {
    const Cell from{static_cast<std::uint8_t>(entry.cell.full + 1), static_cast<std::uint8_t>(entry.cell.half - 1),
                    entry.cell.radius};
    const Space wider(from.GetShape());
    Code code;
    for (const Outcome o : Materialise(from, recipes)) {
        Outcome at = 0;
        for (int i = 0; i < space.Length(); ++i) {
            at += static_cast<Outcome>(wider.Symbol(o, i) % space.Radix(i)) * space.Stride(i);
        }
        code.push_back(at);
    }
    return code;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find(separator, at), text.size());
        parts.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

int Trit(char digit) { return digit - '0'; }

Code Matrix(const Entry& entry, const Space& space) {
    const std::size_t bar = entry.data.find('|');
    const auto b = Split(entry.data.substr(0, bar), ',');
    const auto set = Split(entry.data.substr(bar + 1), ',');
    const int k = static_cast<int>(b.size());
    const int free = space.Length() - k;
    const Outcome tail = space.Stride(k - 1);  // 3^free
    Code code;
    code.reserve(set.size() * tail);
    for (Outcome y = 0; y < tail; ++y) {
        // h = s - B·y, h taking the first k coordinates and y the rest.
        std::array<int, rc::kMatches> by{};
        for (int r = 0; r < k; ++r) {
            for (int c = 0; c < free; ++c)
                by[static_cast<std::size_t>(r)] +=
                    Trit(b[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]) * space.Symbol(y, k + c);
        }
        for (const std::string_view s : set) {
            Outcome h = 0;
            for (int r = 0; r < k; ++r) {
                const int trit = (Trit(s[static_cast<std::size_t>(r)]) + 2 * by[static_cast<std::size_t>(r)]) % 3;
                h = h * 3 + static_cast<Outcome>(trit);
            }
            code.push_back(h * tail + y);
        }
    }
    return code;
}

int Width(const Space& space) {
    int width = 1;
    for (Outcome top = space.Size() - 1; top >= 64; top /= 64) ++width;
    return width;
}

}  // namespace

const Entry* Find(Cell cell) {
    const auto entries = Catalogue();
    const auto found = std::ranges::find(entries, cell, &Entry::cell);
    return found == entries.end() ? nullptr : &*found;
}

Code Materialise(Cell cell) { return Materialise(cell, Find); }

Code Materialise(Cell cell, const Recipes& recipes) {
    const Space space(cell.GetShape());
    if (cell.radius == 0) return Whole(space);
    const Entry* entry = recipes(cell);
    if (entry == nullptr) return {};
    Code code;
    switch (entry->how) {
        case How::Sum: code = Sum(*entry, space, recipes); break;
        case How::Half: code = Half(*entry, space, recipes); break;
        case How::Matrix: code = Matrix(*entry, space); break;
        case How::Rows: code = Unpack(space, entry->data); break;
        case How::TooLarge: break;
    }
    Sort(code);
    return code;
}

Code Unpack(const Space& space, std::string_view data) {
    const auto width = static_cast<std::size_t>(Width(space));
    Code code;
    code.reserve(data.size() / width);
    for (std::size_t at = 0; at + width <= data.size(); at += width) {
        Outcome o = 0;
        for (std::size_t i = 0; i < width; ++i) o = o * 64 + static_cast<Outcome>(kDigits.find(data[at + i]));
        code.push_back(o);
    }
    return code;
}

std::string Pack(const Space& space, const Code& code) {
    const int width = Width(space);
    std::string data;
    data.reserve(code.size() * static_cast<std::size_t>(width));
    for (const Outcome o : code) {
        for (int i = width - 1; i >= 0; --i) {
            Outcome digit = o;
            for (int j = 0; j < i; ++j) digit /= 64;
            data.push_back(kDigits[digit % 64]);
        }
    }
    return data;
}

}  // namespace stenvik::covering
