#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Writing a page file: in the page's own character set, through a temporary file
// beside the target that replaces it only once it is written whole.
namespace PageFile {

// The page's text in charset. A character the set cannot hold is written so that it
// reads back the same: a numeric character reference ("&#945;") in markup, a "\u03b1"
// escape inside a script and a "\0003b1" escape inside a style sheet. An unknown
// charset writes ASCII with references. A UTF-8 page that declares no character set
// starts with a byte-order mark, so it is read back as UTF-8.
QByteArray Encode(const QString& html, const QString& charset);

// Writes bytes to path, replacing any file there. Throws PlatformError with the codes
// a save reports: 70 "Access denied" for a read-only file or folder (refused before
// anything is written), "Path not found" for a missing folder, "Disk is full"; the
// previous file stays whole on any failure.
void Write(const QString& path, const QByteArray& bytes);

// Encode, then Write.
void WritePage(const QString& path, const QString& html, const QString& charset);

// Tests make writes fail: fault is asked before each piece with the bytes written so
// far, and true fails the write as a full disk would. An empty function restores.
void SetWriteFault(std::function<bool(qint64 written)> fault);

} // namespace PageFile
