#include "elements/ElementCommands.h"

#include "core/Module1.h"
#include "elements/BGCOLOR.h"
#include "elements/InsertTableDlg.h"
#include "elements/frmHorizLine.h"
#include "elements/frmTextBox.h"
#include "elements/frmVowels.h"
#include "platform/PlatformError.h"

#include <QPointer>
#include <QTabBar>

// Each opening makes a fresh dialog; only the picker outlives its opening.

namespace ElementCommands {

void InsertHorizontalLine(QWidget* owner) {
    try {
        frmHorizLine dialog(owner);
        dialog.exec();
    } catch (const PlatformError&) {
        return;
    }
    if (Module1::PendingSnippet.isEmpty() && Module1::PendingBodyStart.isEmpty())
        return;
    skipErrors([&] { Module1::PasteAtSelection(Module1::PendingSnippet); });
}

void InsertTable(QWidget* owner) {
    // The dialog runs the editing surface's insert-table command itself.
    skipErrors([&] {
        InsertTableDlg dialog(owner);
        dialog.exec();
    });
}

void InsertTextBox(QWidget* owner) {
    // The dialog writes the box into the page itself.
    skipErrors([&] {
        frmTextBox dialog(owner);
        dialog.exec();
    });
}

void ShowSpecialCharacters(QWidget* owner) {
    // The picker belongs to its owner and goes with it.
    static QPointer<frmVowels> picker;
    skipErrors([&] {
        if (picker && picker->isVisible()) {
            picker->raise();
            picker->activateWindow();
            return;
        }
        delete picker;
        picker = new frmVowels(owner);
        picker->show();
    });
}

void PageProperties(QWidget* owner, bool colorsTab) {
    // The dialog writes the page itself; nothing follows it.
    skipErrors([&] {
        BGCOLOR dialog(owner);
        if (colorsTab)
            dialog.TabStrip1->setCurrentIndex(1);
        dialog.exec();
    });
}

} // namespace ElementCommands
