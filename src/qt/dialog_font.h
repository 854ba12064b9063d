#pragma once
// The dialog's font: Tahoma 8 as on Windows when the machine has it,
// otherwise the system's sans serif at the same size.

#include <QFont>

namespace stenvik::qt {

// Call once a QGuiApplication exists. Debian's fonts-wine ships a Tahoma
// that fontconfig does not list; it is loaded from there when needed.
QFont DialogFont();

}  // namespace stenvik::qt
