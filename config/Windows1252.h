#pragma once
// The Windows code page the system's files use (hand-edited settings, result files for outside
// displays). Text the code page cannot hold is spelled with the nearest Latin letters.

#include <QByteArray>
#include <QString>

namespace Windows1252 {

// Bytes 0x00..0xFF as the code page reads them; the five unused bytes keep their C1 value.
QString dekodiere(const QByteArray& bytes);

// True when bytes are well-formed UTF-8 (an empty text is).
bool istUtf8(const QByteArray& bytes);

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString dekodiereVermutet(const QByteArray& bytes);

// One byte per character: "Ł" -> "L", "ő" -> "o", "ﬁ" -> "fi"; a character without a Latin
// spelling becomes '?'.
QByteArray kodiere(const QString& text);

}  // namespace Windows1252
