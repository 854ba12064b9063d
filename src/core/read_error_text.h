#pragma once
// Where a coupon text stops being one, in words: English for stenvik-cli,
// Swedish for the windows. Both are written from the same kinds, so a new
// kind cannot reach a window in English.

#include <string>

#include "core/coupon.h"

namespace stenvik::coupon {

// "line 3, column 12: expected 1, X or 2"
std::string InEnglish(const ReadError& error);

// "Rad 3, kolumn 12: förväntade 1, X eller 2"
std::string InSwedish(const ReadError& error);

}  // namespace stenvik::coupon
