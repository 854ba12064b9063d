#include "rows_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include "rows_text.h"

namespace stenvik::qt {

QString WithDefaultSuffix(const QString& fileName) {
    // A name that ends in a dot was typed that way on purpose.
    if (fileName.endsWith(QLatin1Char('.')) || !QFileInfo(fileName).suffix().isEmpty()) return fileName;
    return fileName + QStringLiteral(".txt");
}

bool SaveRowsFile(const QString& fileName, const QString& rowsBoxText) {
    const auto bytes = ToCp1252(rowsBoxText);
    if (!bytes || bytes->empty()) return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes->size());
    return file.write(bytes->data(), size) == size && file.commit();
}

}  // namespace stenvik::qt
