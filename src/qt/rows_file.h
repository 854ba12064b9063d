#pragma once
// Writing the rows box's text to a file: the bytes the Windows program
// writes (Windows-1252, "\r\n" breaks, no byte-order mark, nothing added),
// saved as the command line saves them, so the old file survives any failure.

#include <QString>

namespace stenvik::qt {

// False, with any existing file left as it was, when the text is empty,
// holds a character Windows-1252 lacks, or cannot be written in full; and at
// once when the name is no regular file but a pipe, a device or the like,
// which a window has no business writing into, nor waiting for.
// `fileName` is used as it is: the save dialog has already added ".txt" and
// asked about replacing exactly this file.
bool SaveRowsFile(const QString& fileName, const QString& rowsBoxText);

}  // namespace stenvik::qt
