#pragma once
// Writing the rows box's text to a file: the bytes the Windows program
// writes (Windows-1252, "\r\n" breaks, no byte-order mark, nothing added),
// through a temporary file that replaces the target only once it is whole.

#include <QString>

namespace stenvik::qt {

// A name without an extension gets ".txt", as the save dialog's default.
QString WithDefaultSuffix(const QString& fileName);

// False, with any existing file left as it was, when the text is empty,
// holds a character Windows-1252 lacks, or cannot be written.
bool SaveRowsFile(const QString& fileName, const QString& rowsBoxText);

}  // namespace stenvik::qt
