#pragma once

#include <QList>
#include <QString>

// The "Copy" save method: the local files a page names are copied into the page's
// folder and their references rewritten to the bare file names, so the folder can be
// published as it is. Nothing is lost on the way: a reference changes only when the
// page's folder really holds that file afterwards.
namespace LinkedFiles {

// One value of a token ("src=") in the page's text.
struct Reference {
    qsizetype start = 0; // the value's first character (after the quote, if any)
    qsizetype end = 0;   // one past its last character
    QChar quote;         // '"', '\'' or null for an unquoted value
    QString text;        // the value as written
};

// Every value of token in html, in order. The token is found in any letter case
// anywhere after the first character; a quoted value ends at its closing quote, an
// unquoted one at the next blank or ">", whichever comes first. A value whose closing
// quote is missing is not a reference.
QList<Reference> FindReferences(const QString& html, const QString& token);

// A value as the browser reads it: character references decoded ("&amp;" gives "&").
QString DecodeValue(const QString& raw);

// The local file a decoded value names, or "" when it names none: a "file://" address
// (prefix in any letter case) of an absolute path, a drive-letter path, or an absolute
// path that names an existing file. Relative paths (also relative "file://" values),
// web addresses, network paths and site-root references name none.
QString LocalSource(const QString& value);

// Puts source into folder under its bare name; true when the folder holds that file
// afterwards: copied, already there with the same content, or the very same file.
// A different file of that name is never overwritten, and nothing is copied onto
// pagePath (the page itself is about to be written there).
bool PlaceInFolder(const QString& source, const QString& folder, const QString& pagePath);

// The whole rewrite for one token: see Module1::CopyLinkedFiles.
QString CopyLinkedFiles(const QString& html, const QString& token, const QString& pagePath);

} // namespace LinkedFiles
