#pragma once

#include "effects/EffectDialog.h"

#include <cstdint>

class QWidget;

// The Insert operations of the scripted effects: each effect dialog, its preview and
// the hand-over into the page. The dialogs insert through the preview window; these
// operations insert nothing themselves.
namespace Effects {

// The codes PreviewSource takes: the dialog whose effect the preview shows.
enum PreviewCode : int32_t {
    PreviewDigitalClock = 4,
    PreviewJumpMenu = 15,
    PreviewBackgroundSound = 16,
    PreviewInlineFrame = 41,
    PreviewMarquee = 42,
};
// Whether the preview's Insert unloads the dialog of a code (the jump menu stays
// loaded and hidden, with its items).
bool UnloadedByInsert(int32_t code);

// Insert > Special Effects by index: 1 digital clock, 2 inline frame, 3 jump menu,
// 4 marquee.
void SpecialEffect(QWidget* owner, int index);
// Insert > Sound (and the beginner toolbar's "Sound").
void InsertSound(QWidget* owner);

// Shows dialog modally and runs its hand-over: while the dialog hands over, a fresh
// preview window shows its effect; "<< Edit special effect" shows the dialog that
// PreviewSource names again, without its load step. Cancel (the dialog closed without
// handing over) unloads it; Insert unloads it unless its code keeps it; the preview's
// close box leaves it loaded and hidden. Returns once the dialog is unloaded or left
// hidden: true when the preview's Insert put the effect into the page.
bool Run(EffectDialog* dialog);

// ---- loaded dialogs ------------------------------------------------------------------
// An effect dialog stays loaded between its displays while it is hidden (after the
// preview's close box, or the jump menu after Insert); the next opening shows it as it
// was, without its load step. One instance per code.

// The loaded dialog of a code, or nullptr.
EffectDialog* Loaded(int32_t code);
// Keeps dialog as the loaded one of code (unloading any other).
void Keep(int32_t code, EffectDialog* dialog);
// Unloads the dialog of a code, or a given dialog; nothing when it is not loaded.
void Unload(int32_t code);
void Unload(EffectDialog* dialog);

// The dialog of type T (code T::Code): the loaded one, or a new one over owner whose
// load step has run.
template <class T> T* Load(QWidget* owner) {
    if (auto* kept = qobject_cast<T*>(Loaded(T::Code)))
        return kept;
    auto* dialog = new T(owner);
    Keep(T::Code, dialog);
    dialog->Form_Load();
    return dialog;
}

} // namespace Effects
