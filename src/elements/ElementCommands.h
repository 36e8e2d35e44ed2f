#pragma once

class QWidget;

// The Insert operations of the page and element dialogs: each shows its dialog over
// owner and does what must happen before and after it.
namespace ElementCommands {

void InsertHorizontalLine(QWidget* owner);
void InsertTable(QWidget* owner);
void InsertTextBox(QWidget* owner);
// The special-character picker is modeless: a second call brings the open one to the
// front.
void ShowSpecialCharacters(QWidget* owner);
// The page-properties dialog; colorsTab puts its colour tab in front (the beginner
// toolbar's "Set Colors").
void PageProperties(QWidget* owner, bool colorsTab = false);

} // namespace ElementCommands
