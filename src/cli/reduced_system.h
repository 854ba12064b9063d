#pragma once
// A system reduced on the command line: its upload rows, with what they cost
// and guarantee, or why there is nothing a player could upload.

#include <string>
#include <string_view>
#include <variant>

#include "cli/arguments.h"
#include "core/coupon.h"
#include "core/randomc.h"

namespace stenvik::cli {

struct ReducedSystem {
    std::string rows;     // the upload text, as SPARA raderna would save it
    std::string summary;  // for standard error: rows, prices, the guarantee and its table
    std::string json;     // the same and the rows, one object for standard output
};

// `where` names the system in a refusal of its kind (exit 2); `option` is
// how the user asks for a guarantee, as in "--guarantee 11", suggested when
// 12 correct takes more rows than an upload file (exit 1).
std::variant<ReducedSystem, EarlyExit> ReduceSystem(const coupon::Coupon& system, const ReduceRequest& request,
                                                    TRandomMersenne& random, std::string_view where,
                                                    std::string_view option);

}  // namespace stenvik::cli
