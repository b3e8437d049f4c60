#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Texts in files are 8-bit texts of "the system code page". On these machines that is
// UTF-8, so texts are written in UTF-8; files written in the older Windows-1252 code page
// must still read, so a byte sequence that is not valid UTF-8 is read as Windows-1252.

// Reads bytes as UTF-8 when they are valid UTF-8, else as Windows-1252.
QString DecodeSystemText(const QByteArray& bytes);
// Windows-1252 alone (every byte maps to one character).
QString DecodeWindows1252(const QByteArray& bytes);
// The Windows-1252 byte of a character, or none when the code page has no such character.
std::optional<char> Windows1252Byte(QChar c);
// The text in UTF-8.
QByteArray EncodeSystemText(const QString& text);
// The text in UTF-8 as a fixed field of exactly length bytes: cut at a character boundary
// when it is too long (a character is never split), padded with blanks when short.
QByteArray EncodeFixedText(const QString& text, int length);
