#include "core/MainForm.h"

#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

// The Insert menu: each item's dialog, and what the window does before and after it
// (the hand-over through PendingSnippet and PendingBodyStart). The element dialogs'
// items are in MainFormInsertElements.cpp.

void MainForm::Insert_Click() {}

void MainForm::mnuInsertPageProperties_Click() {}

void MainForm::ShowPageColors() {}

void MainForm::mnuInsertAnchor_Click() {}

void MainForm::mnuInsertEmailLink_Click() {}

void MainForm::mnuInsertHyperlink_Click() {}

void MainForm::mnuInsertImageMap_Click() {}

void MainForm::InsertHTML_Click() {}

void MainForm::mnuInsertSound_Click() {}

void MainForm::mnuSpecialEffectsSub_Click(int /*index*/) {}

void MainForm::mnuInsertFormItem_Click(int /*index*/) {}
