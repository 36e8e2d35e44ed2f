#include "core/MainForm.h"

#include "core/Module1.h"
#include "elements/InsertTableDlg.h"
#include "elements/frmHorizLine.h"
#include "elements/frmTextBox.h"
#include "elements/frmVowels.h"
#include "links/LinkGraph.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

// The Insert menu's element dialogs: image, horizontal line, table, text box and the
// special-character picker. Each opening makes a fresh dialog.

void MainForm::mnuInsertHorizLine_Click() {
    try {
        frmHorizLine dialog(this);
        dialog.exec();
    } catch (...) {
        return;
    }
    if (Module1::PendingSnippet.isEmpty() && Module1::PendingBodyStart.isEmpty())
        return;
    skipErrors([&] { Module1::PasteAtSelection(Module1::PendingSnippet); });
}

void MainForm::mnuInsertImage_Click() {
    // The dialog pastes the image itself.
    skipErrors([&] {
        LinkGraph dialog(this);
        dialog.exec();
    });
}

void MainForm::mnuInsertSpecChars_Click() {
    // The picker is modeless: a second click brings the open one to the front.
    skipErrors([&] {
        if (specialCharacters_ && specialCharacters_->isVisible()) {
            specialCharacters_->raise();
            specialCharacters_->activateWindow();
            return;
        }
        delete specialCharacters_;
        specialCharacters_ = new frmVowels(this);
        specialCharacters_->show();
    });
}

void MainForm::mnuTextBox_Click() {
    // The dialog writes the box into the page itself.
    skipErrors([&] {
        frmTextBox dialog(this);
        dialog.exec();
    });
}

void MainForm::InsertTableDialog() {
    // The dialog runs the editing surface's insert-table command itself.
    skipErrors([&] {
        InsertTableDlg dialog(this);
        dialog.exec();
    });
}
