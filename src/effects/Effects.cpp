#include "effects/Effects.h"

#include "effects/EffectDialog.h"

namespace Effects {

void SpecialEffect(QWidget* /*owner*/, int index) {
    // Each dialog is shown here as it comes:
    switch (index) {
    case 1:
        // The digital clock wizard, then (also after Cancel) the message box
        // "A placeholder for the Digital Clock will be inserted into your Web page while
        // you are editing it." CR LF "You will see the actual digital clock when you
        // preview your page in your Web browser."
        break;
    case 2:
        // The inline frame dialog.
        break;
    case 3:
        // The jump menu dialog.
        break;
    case 4:
        // The marquee dialog, its Text1 set to a non-empty SelectedText before it is
        // shown; then (also after Cancel) the message box "A placeholder for the Marquee
        // will be inserted into your Web page while you are editing it." CR LF "You will
        // see the actual marquee when you preview your page in your Web browser."
        break;
    default:
        break;
    }
}

void InsertSound(QWidget* /*owner*/) {
    // The background-sound dialog is shown here. It inserts its sound through the
    // preview window's Insert, so nothing is inserted when it returns (inserting
    // PendingSnippet again would put the sound into the page twice, or put in one the
    // user backed out of).
}

} // namespace Effects

namespace Effects {

void Run(EffectDialog* dialog) {
    // The preview window and the way back to the dialog come here; until then the
    // dialog is shown once.
    dialog->handedOver = false;
    dialog->exec();
}

} // namespace Effects
