#pragma once
// The rows box's text between the core and Qt. The core speaks
// Windows-1252 bytes with "\r\n" line breaks; QPlainTextEdit holds Unicode
// with its own breaks between blocks.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace stenvik::qt {

// Windows-1252 with "\r\n" breaks, as the box shows it.
QString FromCp1252(std::string_view cp1252);

// The box's text (QTextDocument::toRawText) as Windows-1252 with "\r\n"
// breaks, exactly what the Windows program saves; nullopt when it holds a
// character Windows-1252 lacks, so that nothing is silently changed.
std::optional<std::string> ToCp1252(const QString& rawText);

// The box's text as UTF-8 with "\n" breaks, for the toolkit, which reads
// any character the box can hold.
std::string ToUtf8(const QString& rawText);

// The length Windows reports for the same text: one per character, two per
// line break; a character the code page lacks counts as the one "?" Windows
// would put in its place.
int Cp1252Length(const QString& rawText);

// The box's whole text replaced as one edit of the player's would: in one
// step that Undo takes back (setPlainText would clear the undo history), the
// box reporting the change, the caret after the new text.
void ReplaceUndoably(QPlainTextEdit& box, const QString& text);

}  // namespace stenvik::qt
