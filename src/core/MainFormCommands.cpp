#include "core/MainForm.h"

#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

// The editing commands: the command tables, the three toolbars, the Edit, Table,
// Format and Position menus, the font boxes, the state display and the context menu.

void MainForm::InitFormatButtons() {}

void MainForm::InitMenuCommands() {}

void MainForm::Toolbar1_ButtonClick(const QString& /*key*/) {}

void MainForm::Toolbar2_ButtonClick(const QString& /*key*/) {}

void MainForm::Toolbar3_ButtonClick(const QString& /*key*/) {}

void MainForm::Toolbar3_ButtonMenuClick(const QString& /*key*/) {}

void MainForm::EditSub_Click(int /*index*/) {}

void MainForm::TableSub_Click(int index) {
    if (index == 0)
        InsertTableDialog();
}

void MainForm::mnuPositionSub_Click(int /*index*/) {}

void MainForm::FormatSub_Click(int /*index*/) {}

void MainForm::FontCombo_Click(int /*index*/) {}

void MainForm::FontSizeCombo_Click(int /*index*/) {}

void MainForm::Edit_Click() {}

void MainForm::mnuTable_Click() {}

void MainForm::mnuPosition_Click() {}

void MainForm::Format_Click() {}

void MainForm::EnableMenuByCommand(QAction* /*item*/, int /*commandId*/) {}

void MainForm::DHTMLEdit1_DocumentComplete() {
    if (editorReady)
        return;
    editorReady = true;
}

void MainForm::DHTMLEdit1_DisplayChanged() {}

void MainForm::UpdateFontBoxes() {}

void MainForm::DHTMLEdit1_ShowContextMenu(int /*x*/, int /*y*/) {}

void MainForm::DHTMLEdit1_ContextMenuAction(int /*itemIndex*/) {}

QString MainForm::ColorToHtml(quint32 /*color*/) { return QString(); }
