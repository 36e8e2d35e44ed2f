#include "core/window/MainForm.h"

#include "core/Module1.h"
#include "core/window/CoreCommands.h"
#include "effects/Effects.h"
#include "elements/ElementCommands.h"
#include "links/LinkCommands.h"
#include "platform/PlatformError.h"

#include <QAction>

// The Insert menu: each item runs its subsystem's operation.

void MainForm::Insert_Click() {
    // Free HTML cannot replace a selected element.
    try {
        InsertHTML->setEnabled(!Module1::ControlSelected());
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current());
    }
}

void MainForm::mnuInsertPageProperties_Click() {
    ElementCommands::PageProperties(this);
}
void MainForm::ShowPageColors() {
    ElementCommands::PageProperties(this, true);
}
void MainForm::mnuInsertAnchor_Click() {
    LinkCommands::InsertBookmark(this);
}
void MainForm::mnuInsertEmailLink_Click() {
    LinkCommands::InsertEmailLink(this);
}
void MainForm::mnuInsertHyperlink_Click() {
    LinkCommands::InsertHyperlink(this);
}
void MainForm::mnuInsertImage_Click() {
    LinkCommands::InsertImage(this);
}
void MainForm::mnuInsertImageMap_Click() {
    LinkCommands::InsertImageMap(this);
}
void MainForm::mnuInsertHorizLine_Click() {
    ElementCommands::InsertHorizontalLine(this);
}
void MainForm::mnuInsertSpecChars_Click() {
    ElementCommands::ShowSpecialCharacters(this);
}
void MainForm::mnuTextBox_Click() {
    ElementCommands::InsertTextBox(this);
}
void MainForm::InsertTableDialog() {
    ElementCommands::InsertTable(this);
}
void MainForm::InsertHTML_Click() {
    CoreCommands::InsertHTML(this);
}
void MainForm::mnuInsertFormItem_Click(int index) {
    CoreCommands::InsertFormField(index);
}
void MainForm::mnuInsertSound_Click() {
    Effects::InsertSound(this);
}
void MainForm::mnuSpecialEffectsSub_Click(int index) {
    Effects::SpecialEffect(this, index);
}
