#include "core/dialog_table.h"

#include "core/codepage.h"

namespace stenvik::dialog {

std::string CaptionUtf8() {
    std::string caption(AsChars(kFrame.captionStart));
    caption += AsChars(kHomePage);
    caption += ' ';
    return caption;
}

}  // namespace stenvik::dialog
