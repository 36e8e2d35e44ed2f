#pragma once

#include <QString>
#include <QStringList>

// The preview file "fx-prvw.htm": written in the program folder, or, where that folder
// cannot be written, in a folder of ours in the user's cache.
namespace PreviewFile {

inline const QString FileName = QStringLiteral("fx-prvw.htm");

// The folders tried in turn: the program folder (or the folder set below) first.
QStringList Folders();
// Writes page (UTF-8) to the first folder that takes it whole; returns the file's path,
// or "" when no folder did. A file that could not be written is never offered in place
// of the page: an older preview stays where it was and is not named.
QString Write(const QString& page);

// Puts the preview file in folder instead of the program folder ("" restores it): tests
// that run side by side each keep their own.
void SetFolder(const QString& folder);

} // namespace PreviewFile
