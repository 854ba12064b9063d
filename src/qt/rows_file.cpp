#include "qt/rows_file.h"

#include <QFile>

#include <filesystem>

#include "posix/atomic_file.h"
#include "qt/rows_text.h"

namespace stenvik::qt {

// Not QSaveFile: it buffers, and its commit() can report success though the
// buffer never reached the disk, leaving a cut or empty file in the old one's
// place when the disk is full.
bool SaveRowsFile(const QString& fileName, const QString& rowsBoxText) {
    const auto bytes = ToCp1252(rowsBoxText);
    if (!bytes || bytes->empty()) return false;
    const QByteArray path = QFile::encodeName(fileName);
    posix::PosixFiles files;
    return !posix::ReplaceFile(std::filesystem::path(path.constData(), path.constData() + path.size()), *bytes, files,
                               posix::Targets::RegularOnly);
}

}  // namespace stenvik::qt
