#pragma once

class QWidget;

// The Insert operations of the links subsystem: each shows its dialog modally over
// owner and does what must happen before and after it (taking the selected text, the
// hand-over through the insertion strings).
namespace LinkCommands {

void InsertBookmark(QWidget* owner);
void InsertEmailLink(QWidget* owner);
void InsertHyperlink(QWidget* owner);
void InsertImage(QWidget* owner);
void InsertImageMap(QWidget* owner);

} // namespace LinkCommands
