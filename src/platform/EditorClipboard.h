#pragma once

#include <QString>
#include <QVariantMap>

class QMimeData;

// The real clipboard as the editing surface's Cut, Copy and Paste use it.
namespace EditorClipboard {

// What a paste puts in: the HTML, foreign unless this program copied it (the page takes
// foreign HTML without its scripts), else the plain text.
struct Content {
    QString html;
    QString text;
    bool foreign = true;

    bool isEmpty() const { return html.isEmpty() && text.isEmpty(); }
    // As the editing script takes it.
    QVariantMap toScript() const;
};

// What data holds to paste.
Content ContentOf(const QMimeData* data);
// What the page's own paste event brought (html, text): ours when the clipboard holds
// our copy of that HTML.
Content ContentOf(const QString& html, const QString& text);

// Puts copied content on the clipboard, as markup and as plain text, marked as ours.
void Put(const QString& html, const QString& text);

// What the clipboard holds now.
Content Current();

// Whether the clipboard holds HTML or text to paste.
bool CanPaste();

} // namespace EditorClipboard
