#pragma once
// A system reduced to far fewer rows that keep a guarantee: at least 12 (or
// 11) right whenever every result lies among the system's signs. The code
// comes from the catalogue; a random source decides which of a match's
// signs each symbol stands for, which match of a kind each coordinate is,
// and the rows' order, so that two reductions need not be the same rows.

#include <cstdint>
#include <variant>

#include "core/coupon.h"
#include "core/covering_check.h"
#include "core/randomc.h"

namespace stenvik::reduction {

// The right signs guaranteed; 13 minus the covering radius.
enum class Guarantee { Twelve = 12, Eleven = 11 };
constexpr int Radius(Guarantee guarantee) { return rc::kMatches - static_cast<int>(guarantee); }

struct Reduced {
    coupon::Coupon rows;  // Kind::Upload, the game left to the caller
    std::uint64_t systemRows = 0;
    covering::GuaranteeTable table;
};

struct Refusal {
    enum class Why {
        NotASystem,   // single rows or upload rows
        NoCovers,     // a system of single signs only
        TooManyRows,  // the reduction has more than the upload limit's rows
    };
    Why why = Why::NotASystem;
    std::uint64_t rows = 0;  // TooManyRows: the reduction's rows
    // TooManyRows at 12 right: the rows at 11 right, when an upload file
    // takes them; 0 otherwise.
    std::uint64_t elevenRows = 0;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The system's full and half covers.
covering::Shape ShapeOf(const coupon::Coupon& system);

// The system's rows for a code over its shape, in upload form. The draws, in
// this order: each covered match's signs shuffled (matches 1
// to 13), the full covers' matches shuffled, the half covers', then the
// rows. Each shuffle is Fisher–Yates from the last place down, drawing
// IRandom(0, i).
coupon::Coupon Relabelled(const coupon::Coupon& system, const covering::Code& code, TRandomMersenne& random);

// The catalogue's code for the system, Relabelled, with its garantitabell.
std::variant<Reduced, Refusal> Reduce(const coupon::Coupon& system, Guarantee guarantee, TRandomMersenne& random);

}  // namespace stenvik::reduction
