#pragma once

#include <QByteArrayView>
#include <QString>

// A page file's bytes as text: whether they are text at all, whether they are in UTF-16,
// and how many of their characters cannot be read in a character set (each of which the
// engine shows, and a save writes, as the replacement character U+FFFD).
namespace PageText {

struct Wide {
    // "UTF-16LE" or "UTF-16BE"; empty when the bytes are not UTF-16 text.
    QString set;
    // Whether the bytes start with a byte-order mark (the engine reads only those).
    bool marked = false;
};

// UTF-16 text: a byte-order mark, or without one, text whose ASCII characters have every
// other byte 0 or that declares UTF-16 in a meta element.
Wide WideSet(QByteArrayView bytes);

// Bytes that are something other than text: a picture, an archive, random bytes. Text
// never holds a NUL byte near its start, unless it is in UTF-16.
bool IsBinary(QByteArrayView bytes);

// UTF-16 bytes (a byte-order mark left out) as text; *unreadable gets the number of
// characters that could not be read (a lone half of a pair, an odd last byte).
QString DecodeWide(QByteArrayView bytes, const Wide& wide, qsizetype* unreadable = nullptr);

// How many characters of the file at path cannot be read in set, counted as the engine
// replaces them; 0 for a set this system does not know. The file is read in pieces.
qsizetype UnreadableCharacters(const QString& path, const QString& set);

} // namespace PageText
