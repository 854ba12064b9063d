#include "win32/tab_order.h"

#include "core/dialog_manager.h"

namespace stenvik::win32 {

HWND NextTabStop(HWND dialog, HWND from, bool backwards) {
    // From no control, or one the table lacks, the search starts at the end.
    const auto position = dialog::IndexOf(from == nullptr ? rc::kNoId : ::GetDlgCtrlID(from));
    const auto next = dialog::NextTabStop(position, backwards, [dialog](std::size_t i) {
        const HWND window = ::GetDlgItem(dialog, dialog::kControls[i].id);
        return ::IsWindowVisible(window) && ::IsWindowEnabled(window);
    });
    return next ? ::GetDlgItem(dialog, dialog::kControls[*next].id) : nullptr;
}

}  // namespace stenvik::win32
