#pragma once

#include <QString>

class QMimeData;

// The real clipboard as the editing surface's Cut, Copy and Paste use it.
namespace EditorClipboard {

// The markup a paste inserts for what data holds: the fragment of its HTML (without
// the document around it that other programs add), else its plain text with line
// breaks and runs of blanks kept; "" when it holds neither.
QString MarkupFrom(const QMimeData* data);

// Puts copied content on the clipboard, as markup and as plain text.
void Put(const QString& html, const QString& text);

// The markup of what the clipboard holds now ("" when nothing can be pasted).
QString Markup();

// Whether the clipboard holds HTML or text to paste.
bool CanPaste();

} // namespace EditorClipboard
