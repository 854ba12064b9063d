#pragma once
// The program's own replacements of the rows box's text, each reached by a
// user's clicks: both windows take every one of them back with "Ångra".

#include <vector>

#include "core/rc.h"

namespace stenvik::support {

struct OwnReplacement {
    const char* what;
    std::vector<int> clicks;
};

inline const std::vector<OwnReplacement> kOwnReplacements = {
    {"refusal", {rc::kSystem, rc::kHalfCovers[7], rc::kFullCovers[6], rc::SureBox(1, 0), rc::kGenerate}},
    {"instructions", {rc::kInstructions}},
    {"upload rows", {rc::kEnkelrader, rc::RowCountId(90), rc::kCompatible, rc::kGenerate}},
};

}  // namespace stenvik::support
