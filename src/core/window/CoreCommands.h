#pragma once

class QWidget;

// The Insert operations the editor core owns: free HTML and the form fields.
namespace CoreCommands {

// The free-HTML dialog; it pastes what the user typed itself.
void InsertHTML(QWidget* owner);
// The form field at an index of Insert > Form (0..10), pasted over the selection;
// the indexes without a field insert nothing.
void InsertFormField(int index);

} // namespace CoreCommands
