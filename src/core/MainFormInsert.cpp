#include "core/MainForm.h"

#include "core/FormFields.h"
#include "core/InsertHTMLDlg.h"
#include "core/Module1.h"
#include "links/Anchor1.h"
#include "links/LINKTEXT.h"
#include "links/frmMailTo.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

#include <QAction>
#include <QLineEdit>

// The Insert menu: each item's dialog, and what the window does before and after it
// (the hand-over through PendingSnippet and PendingBodyStart). The element dialogs'
// items are in MainFormInsertElements.cpp.
//
// The handlers only read the insertion strings: the dialogs clear them when they open,
// so a cancelled dialog leaves nothing to paste.

using Module1::PendingBodyStart;
using Module1::PendingSnippet;

namespace {
bool controlSelected(DHTMLEdit* editor) {
    return editor->DOM().selection().type() == QLatin1String("Control");
}
} // namespace

void MainForm::Insert_Click() {
    // Free HTML cannot replace a selected element.
    try {
        InsertHTML->setEnabled(!controlSelected(DHTMLEdit1));
    } catch (...) {
    }
}

void MainForm::mnuInsertPageProperties_Click() {
    // The page-properties dialog goes here; it writes the page itself.
}

void MainForm::ShowPageColors() {
    // The page-properties dialog with its colour tab in front goes here.
}

void MainForm::mnuInsertAnchor_Click() {
    Anchor1 dialog;
    skipErrors([&] { dialog.Source->setText(Module1::SelectedText()); });
    skipErrors([&] { dialog.exec(); });
    if (PendingSnippet.isEmpty())
        return;
    skipErrors([&] { Module1::PasteAtSelection(PendingSnippet); });
}

void MainForm::mnuInsertEmailLink_Click() {
    frmMailTo dialog;
    skipErrors([&] {
        const QString text = Module1::SelectedText();
        if (!text.isEmpty())
            dialog.MailToText->setText(text);
    });
    skipErrors([&] { dialog.exec(); });
    if (!PendingBodyStart.isEmpty())
        skipErrors([&] { Module1::InsertAtBodyStart(PendingBodyStart); });
    if (!PendingSnippet.isEmpty())
        skipErrors([&] { Module1::PasteAtSelection(PendingSnippet); });
}

void MainForm::mnuInsertHyperlink_Click() {
    bool control = false;
    skipErrors([&] { control = controlSelected(DHTMLEdit1); });
    if (control) {
        // The editing surface asks for the address of a selected element itself.
        skipErrors([&] { DHTMLEdit1->ExecCommand(DECMD_HYPERLINK, 1); });
        return;
    }
    LINKTEXT dialog;
    skipErrors([&] { dialog.exec(); });
}

void MainForm::mnuInsertImageMap_Click() {
    // Shown here: the image-map wizard, modal. It hands back through the insertion
    // strings, and once it runs its result is pasted after it with
    //     if (!PendingSnippet.isEmpty() || !PendingBodyStart.isEmpty())
    //         skipErrors([&] { Module1::PasteAtSelection(PendingSnippet); });
    // Not before: the strings may still hold an earlier dialog's result.
}

void MainForm::InsertHTML_Click() {
    InsertHTMLDlg dialog(this);
    skipErrors([&] { dialog.exec(); });
}

void MainForm::mnuInsertSound_Click() {
    // The background-sound dialog is shown here. It inserts its sound through the
    // preview window's Insert, so nothing is inserted when it returns (inserting
    // PendingSnippet again would put the sound into the page twice, or put in one the
    // user backed out of).
}

void MainForm::mnuSpecialEffectsSub_Click(int index) {
    // The effect dialogs insert through the preview window; the handler inserts
    // nothing. Each dialog is shown here as it comes:
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

void MainForm::mnuInsertFormItem_Click(int index) {
    const QString markup = FormFields::FormFieldMarkup(index, FormFields::DrawFieldNumber());
    if (markup.isEmpty())
        return;
    skipErrors([&] { Module1::PasteAtSelection(markup); });
}
