#include "core/reduction.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/coupon_tools.h"
#include "core/covering_catalogue.h"

namespace stenvik::reduction {
namespace {

using Signs = std::vector<char>;

Signs SignsOf(coupon::SignSet set) {
    Signs signs;
    for (const char sign : {'1', 'X', '2'}) {
        if ((set & coupon::SetOf(sign)) != 0) signs.push_back(sign);
    }
    return signs;
}

template <class T>
void Shuffle(std::vector<T>& items, TRandomMersenne& random) {
    for (std::size_t i = items.size(); i-- > 1;) {
        const auto j = static_cast<std::size_t>(random.IRandom(0, static_cast<std::int32_t>(i)));
        std::swap(items[i], items[j]);
    }
}

covering::Cell CellOf(covering::Shape shape, Guarantee guarantee) {
    return {static_cast<std::uint8_t>(shape.full), static_cast<std::uint8_t>(shape.half),
            static_cast<std::uint8_t>(Radius(guarantee))};
}

// The catalogue lists every shape of 1 to 13 covers.
bool Fits(const covering::Entry* entry) {
    return entry->how != covering::How::TooLarge && coupon::FitsUpload(entry->rows);
}

}  // namespace

covering::Shape ShapeOf(const coupon::Coupon& system) {
    covering::Shape shape;
    for (const coupon::SignSet set : system.system) {
        const auto signs = SignsOf(set).size();
        shape.full += int{signs == 3};
        shape.half += int{signs == 2};
    }
    return shape;
}

coupon::Coupon Relabelled(const coupon::Coupon& system, const covering::Code& code, TRandomMersenne& random) {
    const covering::Space space(ShapeOf(system));
    std::array<Signs, rc::kMatches> signs;
    std::vector<std::size_t> full;
    std::vector<std::size_t> half;
    for (std::size_t m = 0; m < signs.size(); ++m) {
        signs[m] = SignsOf(system.system[m]);
        if (signs[m].size() > 1) Shuffle(signs[m], random);
        if (signs[m].size() == 3) full.push_back(m);
        if (signs[m].size() == 2) half.push_back(m);
    }
    Shuffle(full, random);
    Shuffle(half, random);
    std::vector<std::size_t> matchOf = full;  // coordinate by coordinate
    matchOf.insert(matchOf.end(), half.begin(), half.end());

    coupon::Row singles{};
    for (std::size_t m = 0; m < signs.size(); ++m) singles[m] = signs[m].empty() ? '1' : signs[m].front();
    coupon::Coupon rows{.kind = coupon::Kind::Upload, .game = system.game, .rows = {}, .system = {}};
    rows.rows.reserve(code.size());
    for (const covering::Outcome outcome : code) {
        coupon::Row row = singles;
        for (int i = 0; i < space.Length(); ++i) {
            const std::size_t m = matchOf[static_cast<std::size_t>(i)];
            row[m] = signs[m][static_cast<std::size_t>(space.Symbol(outcome, i))];
        }
        rows.rows.push_back(row);
    }
    Shuffle(rows.rows, random);
    return rows;
}

std::variant<Reduced, Refusal> Reduce(const coupon::Coupon& system, Guarantee guarantee, TRandomMersenne& random) {
    using Why = Refusal::Why;
    if (system.kind != coupon::Kind::System) return Refusal{.why = Why::NotASystem};
    const covering::Shape shape = ShapeOf(system);
    if (shape.Length() == 0) return Refusal{.why = Why::NoCovers};
    const covering::Cell cell = CellOf(shape, guarantee);
    const covering::Entry* entry = covering::Find(cell);
    if (!Fits(entry)) {
        const covering::Entry* eleven = covering::Find(CellOf(shape, Guarantee::Eleven));
        return Refusal{.why = Why::TooManyRows,
                       .rows = entry->rows,
                       .elevenRows = guarantee == Guarantee::Twelve && Fits(eleven) ? eleven->rows : 0};
    }
    const covering::Code code = covering::Materialise(cell);
    return Reduced{.rows = Relabelled(system, code, random),
                   .systemRows = coupon::RowCount(system),
                   .table = covering::Tabulate(covering::Space(shape), code)};
}

}  // namespace stenvik::reduction
