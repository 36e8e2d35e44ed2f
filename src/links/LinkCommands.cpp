#include "links/LinkCommands.h"

#include "core/Module1.h"
#include "links/Anchor1.h"
#include "links/LINKTEXT.h"
#include "links/LinkGraph.h"
#include "links/Usemap.h"
#include "links/frmMailTo.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"
#include "platform/UndoStep.h"

#include <QLineEdit>

// The handlers only read the insertion strings after a dialog: the dialogs clear them
// when they open, so a cancelled dialog leaves nothing to paste.

using Module1::PendingBodyStart;
using Module1::PendingSnippet;

namespace LinkCommands {

void InsertBookmark(QWidget* owner) {
    Anchor1 dialog(owner);
    skipErrors([&] { dialog.Source->setText(Module1::SelectedText()); });
    skipErrors([&] { dialog.exec(); });
    if (PendingSnippet.isEmpty())
        return;
    skipErrors([&] { Module1::PasteAtSelection(PendingSnippet); });
}

void InsertEmailLink(QWidget* owner) {
    frmMailTo dialog(owner);
    skipErrors([&] {
        const QString text = Module1::SelectedText();
        if (!text.isEmpty())
            dialog.MailToText->setText(text);
    });
    skipErrors([&] { dialog.exec(); });
    // The script and the link come out with one Undo.
    UndoStep step(Module1::Editor());
    if (!PendingBodyStart.isEmpty())
        skipErrors([&] { Module1::InsertAtBodyStart(PendingBodyStart); });
    if (!PendingSnippet.isEmpty())
        skipErrors([&] { Module1::PasteAtSelection(PendingSnippet); });
}

void InsertHyperlink(QWidget* owner) {
    bool control = false;
    skipErrors([&] { control = Module1::ControlSelected(); });
    if (control) {
        // The editing surface asks for the address of a selected element itself.
        skipErrors([&] { Module1::Editor()->ExecCommand(DECMD_HYPERLINK, 1); });
        return;
    }
    LINKTEXT dialog(owner);
    skipErrors([&] { dialog.exec(); });
}

void InsertImage(QWidget* owner) {
    // The dialog pastes the image itself.
    skipErrors([&] {
        LinkGraph dialog(owner);
        dialog.exec();
    });
}

void InsertImageMap(QWidget* owner) {
    // The strings may still hold an earlier dialog's result until the wizard has run
    // (its opening empties them).
    bool shown = false;
    skipErrors([&] {
        Usemap wizard(owner);
        shown = true;
        wizard.exec();
    });
    if (!shown || (PendingSnippet.isEmpty() && PendingBodyStart.isEmpty()))
        return;
    skipErrors([&] { Module1::PasteAtSelection(PendingSnippet); });
}

} // namespace LinkCommands
