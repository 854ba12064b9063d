#include "qt/rows_text.h"

#include <QList>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "core/codepage.h"
#include "core/line_breaks.h"

namespace stenvik::qt {

namespace {

// A block ends in U+2029; Shift+Enter puts a U+2028 inside one. On Windows
// both are plain line breaks.
QString WithPlainBreaks(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace

QString FromCp1252(std::string_view cp1252) {
    const std::string utf8 = CrlfToLf(Cp1252ToUtf8(cp1252));
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> ToCp1252(const QString& rawText) {
    const QByteArray utf8 = WithPlainBreaks(rawText).toUtf8();
    auto cp1252 = Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (!cp1252) return std::nullopt;
    return LfToCrlf(*cp1252);
}

std::string ToUtf8(const QString& rawText) { return WithPlainBreaks(rawText).toStdString(); }

int Cp1252Length(const QString& rawText) {
    const QString text = WithPlainBreaks(rawText);
    return static_cast<int>(text.toUcs4().size() + text.count(QLatin1Char('\n')));
}

void ReplaceUndoably(QPlainTextEdit& box, const QString& text) {
    QTextCursor cursor = box.textCursor();
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    box.setTextCursor(cursor);
}

}  // namespace stenvik::qt
