#include "core/window/MainForm.h"

#include "core/Module1.h"
#include "platform/CommonDialog.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

// The editing commands: the command tables, the three toolbars, the Edit, Table,
// Format and Position menus, the font boxes, the state display and the context menu.
// A status query that fails counts as 0 (not supported) and a command that fails
// changes nothing; neither reaches the user.

namespace {

int statusOf(DHTMLEdit* editor, int commandId) {
    try {
        return editor->QueryStatus(commandId);
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current());
        return 0;
    }
}

QList<int> menuStatusesOf(DHTMLEdit* editor, const QList<int>& commandIds) {
    try {
        return editor->contextMenuStatuses(commandIds);
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current());
        return QList<int>(commandIds.size(), 0);
    }
}

void run(DHTMLEdit* editor, int commandId, int option, const QVariant& argument = {}) {
    if (commandId != 0)
        skipErrors([&] { editor->ExecCommand(commandId, option, argument); });
}

bool available(int status) {
    return status > 2;
}

// The font boxes for the statuses of the two get commands: the selection's font and
// size when there is one, else empty (enabled when the selection mixes several).
void showFontBoxes(MainForm& form, const DisplayState& state) {
    const int nameStatus = state.status(DECMD_GETFONTNAME);
    const int sizeStatus = state.status(DECMD_GETFONTSIZE);
    if (nameStatus == DECMDF_ENABLED || nameStatus == DECMDF_LATCHED) {
        form.FontCombo->setEditText(state.fontName);
        form.FontCombo->setEnabled(true);
    } else {
        form.FontCombo->setEditText(QString());
        form.FontCombo->setEnabled(nameStatus == DECMDF_NINCHED);
    }
    if (sizeStatus == DECMDF_ENABLED || sizeStatus == DECMDF_LATCHED) {
        const int size = state.fontSize;
        form.FontSizeCombo->setCurrentIndex(
            size < 1 ? -1 : form.FontSizeCombo->findText(QString::number(size)));
        form.FontSizeCombo->setEnabled(true);
    } else {
        form.FontSizeCombo->setCurrentIndex(-1);
        form.FontSizeCombo->setEnabled(sizeStatus == DECMDF_NINCHED);
    }
}

// Position item 0 says what choosing it does to the selection: with status the status
// of DECMD_MAKE_ABSOLUTE, 7 (already positioned) takes it back to 1-D.
void labelMakeAbsolute(QAction* item, int status) {
    if (!item)
        return;
    item->setText(status == DECMDF_LATCHED ? "Set Position Attribute To 1D"
                                           : "Set Position Attribute To Absolute");
    item->setEnabled(status == DECMDF_LATCHED || status == DECMDF_ENABLED);
}

} // namespace

// The colour button: black to start with; a cancelled dialog applies nothing.
void MainForm::pickForeColor() {
    try {
        CommonDialog dialog;
        dialog.Color = 0;
        dialog.CancelError = true;
        if (!dialog.ShowColor(this))
            throw PlatformError(ErrorCode::CancelError, "Cancel was selected.");
        DHTMLEdit1->ExecCommand(DECMD_SETFORECOLOR, OLECMDEXECOPT_DONTPROMPTUSER,
                                ColorToHtml(dialog.Color));
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current()); // cancelled, or the page could not take it
    }
}

// ---- menus -------------------------------------------------------------------------------

void MainForm::EditSub_Click(int index) {
    if (index == 10) {
        skipErrors([&] { DHTMLEdit1->setSnapToGrid(!DHTMLEdit1->SnapToGrid()); });
        return;
    }
    run(DHTMLEdit1, EditMenuCommands.value(index), OLECMDEXECOPT_DODEFAULT);
}

void MainForm::TableSub_Click(int index) {
    if (index == 0) {
        skipErrors([&] { InsertTableDialog(); });
        return;
    }
    run(DHTMLEdit1, TableMenuCommands.value(index), OLECMDEXECOPT_DODEFAULT);
}

void MainForm::mnuPositionSub_Click(int index) {
    run(DHTMLEdit1, PositionMenuCommands.value(index), OLECMDEXECOPT_DODEFAULT);
    labelMakeAbsolute(mnuPositionSub.value(0), statusOf(DHTMLEdit1, DECMD_MAKE_ABSOLUTE));
}

void MainForm::FormatSub_Click(int index) {
    QAction* item = FormatSub.value(index);
    if (!item || !available(statusOf(DHTMLEdit1, DECMD_SETBLOCKFMT)))
        return;
    run(DHTMLEdit1, DECMD_SETBLOCKFMT, OLECMDEXECOPT_DONTPROMPTUSER, item->text());
}

void MainForm::FontCombo_Click(int index) {
    try {
        QString name = FontCombo->itemText(index);
        if (name == "more...") {
            CommonDialog dialog;
            dialog.Flags = 1; // screen fonts
            dialog.CancelError = true;
            if (!dialog.ShowFont(this))
                throw PlatformError(ErrorCode::CancelError, "Cancel was selected.");
            name = dialog.FontName;
        }
        if (editorReady && available(DHTMLEdit1->QueryStatus(DECMD_SETFONTNAME)))
            DHTMLEdit1->ExecCommand(DECMD_SETFONTNAME, OLECMDEXECOPT_DONTPROMPTUSER, name);
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current());
        // The box shows the selection's font again, not the choice that failed.
        if (editorReady)
            skipErrors([&] { UpdateFontBoxes(); });
    }
    DHTMLEdit1->setFocus();
}

void MainForm::FontSizeCombo_Click(int index) {
    if (editorReady)
        run(DHTMLEdit1, DECMD_SETFONTSIZE, OLECMDEXECOPT_DONTPROMPTUSER, index + 1);
    DHTMLEdit1->setFocus();
}

void MainForm::EnableMenuByCommand(QAction* item, int commandId) {
    if (!item || commandId == 0)
        return;
    item->setEnabled(available(statusOf(DHTMLEdit1, commandId)));
}

void MainForm::Edit_Click() {
    for (int i = 0; i <= 8 && i < EditSub.size(); ++i)
        EnableMenuByCommand(EditSub[i], EditMenuCommands.value(i));
}

void MainForm::mnuTable_Click() {
    for (int i = 0; i <= 11 && i < TableSub.size(); ++i)
        EnableMenuByCommand(TableSub[i], TableMenuCommands.value(i));
}

void MainForm::mnuPosition_Click() {
    for (int i = 0; i <= 8 && i < mnuPositionSub.size(); ++i)
        EnableMenuByCommand(mnuPositionSub[i], PositionMenuCommands.value(i));
    mnuPositionSub[8]->setChecked(statusOf(DHTMLEdit1, DECMD_LOCK_ELEMENT) == DECMDF_LATCHED);
    // The selection may have changed since the last Position command: the caption
    // follows it at every opening, not only after a command.
    labelMakeAbsolute(mnuPositionSub.value(0), statusOf(DHTMLEdit1, DECMD_MAKE_ABSOLUTE));
}

void MainForm::Format_Click() {
    const int status = statusOf(DHTMLEdit1, DECMD_GETBLOCKFMT);
    if (available(status)) {
        QString current;
        skipErrors([&] {
            current =
                DHTMLEdit1->ExecCommand(DECMD_GETBLOCKFMT, OLECMDEXECOPT_DONTPROMPTUSER).toString();
        });
        for (QAction* item : FormatSub) {
            item->setEnabled(true);
            item->setChecked(!item->text().isEmpty() && item->text() == current);
        }
    } else if (status == DECMDF_DISABLED) {
        for (QAction* item : FormatSub) {
            item->setEnabled(false);
            item->setChecked(false);
        }
    }
}

// ---- the surface's events -----------------------------------------------------------------

void MainForm::DHTMLEdit1_DocumentComplete() {
    if (editorReady)
        return;
    DEGetBlockFmtNamesParam names;
    skipErrors([&] {
        DHTMLEdit1->ExecCommand(DECMD_GETBLOCKFMTNAMES, OLECMDEXECOPT_DONTPROMPTUSER,
                                QVariant::fromValue(&names));
    });
    for (int i = 0; i < FormatSub.size(); ++i) {
        const QString caption = names.Names.value(i);
        FormatSub[i]->setText(caption);
        FormatSub[i]->setVisible(!caption.isEmpty());
    }
    skipErrors([&] { UpdateFontBoxes(); });
    editorReady = true;
}

void MainForm::DHTMLEdit1_DisplayChanged() {
    // The page sends the state with the event: the display waits for nothing.
    const DisplayState& state = DHTMLEdit1->displayState();
    const int buttons = int(FormatButtonKeys.size());
    for (int i = 0; i < buttons; ++i) {
        QAction* button = Toolbar1Buttons.value(FormatButtonKeys[i]);
        if (!button)
            continue;
        const int status = state.status(FormatButtonCommands.value(i));
        button->setEnabled(status >= DECMDF_ENABLED);
        if (button->isCheckable())
            button->setChecked(status == DECMDF_LATCHED);
    }
    skipErrors([&] { showFontBoxes(*this, state); });
    if (available(state.status(DECMD_GETBLOCKFMT)))
        StatusPanel1->setText(state.blockFormat);
}

void MainForm::UpdateFontBoxes() {
    showFontBoxes(*this, DHTMLEdit1->displayState());
}

// ---- the context menu -------------------------------------------------------------------------

void MainForm::DHTMLEdit1_ShowContextMenu(int /*x*/, int /*y*/) {
    const QList<int> s = menuStatusesOf(DHTMLEdit1, {DECMD_MAKE_ABSOLUTE, DECMD_SEND_TO_BACK,
                                                     DECMD_INSERTROW, DECMD_CUT, DECMD_COPY,
                                                     DECMD_PASTE, DECMD_SELECTALL, DECMD_FONT});
    CanPosition = available(s[0]);
    IsPositioned = available(s[1]);
    labelMakeAbsolute(mnuPositionSub.value(0), s[0]);
    InTable = available(s[2]);
    ContextPositionItems = CanPosition ? 2 : 0;
    ContextTableItems = InTable ? 6 : 0;

    const int count = int(ContextBaseLast + ContextPositionItems + ContextTableItems + 1);
    QStringList captions(count);
    QList<int> states(count, 0);
    auto greyed = [](int status) { return status < DECMDF_ENABLED ? 2 : 0; };
    captions[0] = "Cut";
    states[0] = greyed(s[3]);
    captions[1] = "Copy";
    states[1] = greyed(s[4]);
    captions[2] = "Paste";
    states[2] = greyed(s[5]);
    captions[4] = "Select All";
    states[4] = greyed(s[6]);
    captions[6] = "Font...";
    states[6] = greyed(s[7]);
    if (CanPosition)
        captions[ContextBaseLast + 2] = IsPositioned ? "Make 1D" : "Make 2D";
    if (InTable) {
        const int b = int(ContextBaseLast + ContextPositionItems);
        captions[b + 2] = "Insert Row";
        captions[b + 3] = "Insert Column";
        captions[b + 5] = "Delete Row";
        captions[b + 6] = "Delete Column";
    }
    skipErrors([&] { DHTMLEdit1->SetContextMenu(captions, states); });
}

void MainForm::DHTMLEdit1_ContextMenuAction(int itemIndex) {
    switch (itemIndex) {
    case 0:
        run(DHTMLEdit1, DECMD_CUT, OLECMDEXECOPT_DODEFAULT);
        return;
    case 1:
        run(DHTMLEdit1, DECMD_COPY, OLECMDEXECOPT_DODEFAULT);
        return;
    case 2:
        run(DHTMLEdit1, DECMD_PASTE, OLECMDEXECOPT_DODEFAULT);
        return;
    case 4:
        run(DHTMLEdit1, DECMD_SELECTALL, OLECMDEXECOPT_DODEFAULT);
        return;
    case 6:
        run(DHTMLEdit1, DECMD_FONT, OLECMDEXECOPT_PROMPTUSER);
        return;
    default:
        break;
    }
    if (CanPosition && itemIndex == ContextBaseLast + 2) {
        run(DHTMLEdit1, DECMD_MAKE_ABSOLUTE, OLECMDEXECOPT_DODEFAULT);
        return;
    }
    if (InTable) {
        const long b = ContextBaseLast + ContextPositionItems;
        if (itemIndex == b + 2)
            run(DHTMLEdit1, DECMD_INSERTROW, OLECMDEXECOPT_DODEFAULT);
        else if (itemIndex == b + 3)
            run(DHTMLEdit1, DECMD_INSERTCOL, OLECMDEXECOPT_DODEFAULT);
        else if (itemIndex == b + 5)
            run(DHTMLEdit1, DECMD_DELETEROWS, OLECMDEXECOPT_DODEFAULT);
        else if (itemIndex == b + 6)
            run(DHTMLEdit1, DECMD_DELETECOLS, OLECMDEXECOPT_DODEFAULT);
    }
}

QString MainForm::ColorToHtml(quint32 color) {
    // Only the colour's three bytes: a value with its top byte set (a system colour
    // number) would otherwise give eight digits and a wrong colour.
    const QString h = QString::number(color & 0xFFFFFFu, 16).toUpper().rightJustified(6, '0');
    return "#" + h.mid(4, 2) + h.mid(2, 2) + h.left(2);
}
