#include "tab_order.h"

#include <algorithm>
#include <cstddef>

#include "dialog_table.h"

namespace stenvik::win32 {

namespace {

constexpr std::ptrdiff_t kCount = static_cast<std::ptrdiff_t>(dialog::kControls.size());

bool IsTabStop(const dialog::Control& control) {
    return control.id != rc::kNoId && (dialog::StyleOf(control.kind) & dialog::style::kTabStop) != 0;
}

}  // namespace

HWND NextTabStop(HWND dialog, HWND from, bool backwards) {
    const int fromId = from == nullptr ? rc::kNoId : ::GetDlgCtrlID(from);
    const auto found = std::find_if(dialog::kControls.begin(), dialog::kControls.end(),
                                    [&](const dialog::Control& control) { return control.id == fromId; });
    // From no control (or one the table lacks), start before the first.
    const std::ptrdiff_t start =
        found == dialog::kControls.end() ? (backwards ? 0 : kCount - 1) : found - dialog::kControls.begin();
    const std::ptrdiff_t step = backwards ? kCount - 1 : 1;
    for (std::ptrdiff_t i = (start + step) % kCount, n = 0; n < kCount; i = (i + step) % kCount, ++n) {
        const auto& control = dialog::kControls[static_cast<std::size_t>(i)];
        if (!IsTabStop(control)) continue;
        const HWND window = ::GetDlgItem(dialog, control.id);
        if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) return window;
    }
    return nullptr;
}

}  // namespace stenvik::win32
