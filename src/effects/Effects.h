#pragma once

class EffectDialog;
class QWidget;

// The Insert operations of the scripted effects: each effect dialog, its preview and
// the hand-over into the page. The dialogs insert through the preview window; these
// operations insert nothing themselves.
namespace Effects {

// Insert > Special Effects by index: 1 digital clock, 2 inline frame, 3 jump menu,
// 4 marquee.
void SpecialEffect(QWidget* owner, int index);
// Insert > Sound (and the beginner toolbar's "Sound").
void InsertSound(QWidget* owner);

// Shows dialog modally and runs its hand-over: while the dialog hands over, a fresh
// preview window shows its effect; "<< Edit special effect" shows the same dialog again
// without its load step. Returns once the dialog is unloaded or left hidden.
void Run(EffectDialog* dialog);

} // namespace Effects
